// BFO and RF gain on the simulated radio: the slider values at their limits, switching the
// BFO on and off, zeroing it, and the gain the REMOTE set-up sends.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/user_actions.h"
#include "tests/support/program_rig.h"

namespace {

constexpr double kReady = 7.0;  // the REMOTE set-up is over by then

class BfoRfGain : public ::testing::Test {
 protected:
  BfoRfGain() {
    rig.writePortSetup();
    // The sliders as laid out: RF gain 0..63 at full gain, BFO 0..200 centred.
    gain().min = 0;
    gain().max = 63;
    gain().value = 63;
    bfo().min = 0;
    bfo().max = 200;
    bfo().value = 100;
  }
  ui::Control& gain() { return rig.control("sliRFGain"); }
  ui::Control& bfo() { return rig.control("sliBFO"); }
  /// Everything written since the last clearWrites, without the keep-alive characters.
  std::string sent() const {
    std::string bytes;
    for (const auto& w : rig.port.writes()) {
      if (w.bytes != "U") bytes += w.bytes;
    }
    return bytes;
  }

  ProgramRig rig;
};

TEST_F(BfoRfGain, BfoSliderAtItsLimits) {
  struct Case {
    int position;
    const char* sign;
    const char* offset;
    const char* bytes;
  } cases[] = {
      {0, "-", "-1000", "B000\n"},    // lowest: -1000 Hz
      {50, "-", "-500", "B050\n"},    // halfway down
      {99, "-", "-10", "B099\n"},     // one step below the centre
      {100, "", "000", "B100\n"},     // centre: no offset
      {101, "+", "+10", "B101\n"},    // one step above
      {200, "+", "+1000", "B200\n"},  // highest: +1000 Hz
  };
  rig.at(kReady, [&] { rig.click("cmdBFO"); });  // switch on: the slider can be moved
  rig.at(kReady + 1.0, [&] {
    for (const Case& c : cases) {
      rig.port.clearWrites();
      ASSERT_TRUE(ui::userSetValue(bfo(), c.position));
      // Written at once, within the event.
      EXPECT_EQ(sent(), c.bytes) << c.position;
      EXPECT_EQ(rig.control("lblPorM").caption, c.sign) << c.position;
      EXPECT_EQ(rig.control("lblBFOslider").caption, c.offset) << c.position;
      EXPECT_EQ(rig.link.gBFOOffset, std::string(c.bytes).substr(1, 3)) << c.position;
    }
  });
  rig.runFor(kReady + 2.0);
  EXPECT_EQ(rig.radio.state.bfo, 200);
}

TEST_F(BfoRfGain, RfGainSliderAtItsLimits) {
  struct Case {
    int position;
    const char* bytes;
    const char* percent;
  } cases[] = {
      {63, "G00\n", "100%"},  // full gain
      {54, "G09\n", "86%"},   // 54/63 rounds to 86
      {0, "G63\n", "0%"},     // least gain
  };
  rig.at(kReady, [&] {
    for (const Case& c : cases) {
      rig.port.clearWrites();
      ASSERT_TRUE(ui::userSetValue(gain(), c.position));
      EXPECT_EQ(sent(), c.bytes) << c.position;
      EXPECT_EQ(rig.control("lblRFGain").caption, c.percent) << c.position;
    }
  });
  rig.runFor(kReady + 2.0);
  EXPECT_EQ(rig.radio.state.rfGain, 63);
}

TEST_F(BfoRfGain, SwitchingOffCentresAndLocksTheSlider) {
  rig.at(kReady, [&] { rig.click("cmdBFO"); });
  rig.at(kReady + 0.5, [&] {
    EXPECT_EQ(rig.control("lblBFOState").caption, "ON");
    EXPECT_EQ(rig.control("lblBFOOn").caption, "BFO");
    ui::userSetValue(bfo(), 150);
    rig.port.clearWrites();
    rig.click("cmdBFO");
  });
  rig.at(kReady + 1.0, [&] {
    EXPECT_EQ(sent(), "B100\n");
    EXPECT_EQ(bfo().value, 100);
    EXPECT_FALSE(bfo().enabled);
    EXPECT_TRUE(bfo().visible);
    EXPECT_EQ(rig.control("lblBFOslider").caption, "000");
    EXPECT_EQ(rig.control("lblBFOState").caption, "OFF");
    EXPECT_EQ(rig.control("lblBFOOn").caption, "");
    rig.port.clearWrites();
    rig.click("cmdBFO");
  });
  rig.runFor(kReady + 1.5);
  // Switching on again resends no offset.
  EXPECT_EQ(sent(), "B100\n");
  EXPECT_TRUE(bfo().enabled);
  EXPECT_FALSE(rig.frm.bfoFlag);
}

TEST_F(BfoRfGain, ZeroingForgetsTheOffsetButKeepsTheBfoOn) {
  rig.at(kReady, [&] { rig.click("cmdBFO"); });
  rig.at(kReady + 0.5, [&] {
    ui::userSetValue(bfo(), 150);
    rig.port.clearWrites();
    rig.click("cmdBFO100");
  });
  rig.at(kReady + 1.0, [&] {
    EXPECT_EQ(sent(), "B100\n");
    EXPECT_EQ(bfo().value, 100);
    EXPECT_EQ(rig.link.gBFOOffset, "100");
    EXPECT_EQ(rig.control("lblBFOslider").caption, "000");
    EXPECT_EQ(rig.control("lblPorM").caption, "");
    // Still on, and shown so.
    EXPECT_TRUE(rig.frm.bfoOn);
    EXPECT_EQ(rig.control("lblBFOState").caption, "ON");
    EXPECT_TRUE(bfo().enabled);
    rig.click("cmdBFO");  // off
  });
  rig.at(kReady + 1.5, [&] {
    rig.port.clearWrites();
    rig.click("cmdBFO");  // on again
  });
  rig.runFor(kReady + 2.0);
  // The zeroed offset, never the 150 the panel no longer shows.
  EXPECT_EQ(sent(), "B100\n");
  EXPECT_EQ(rig.radio.state.bfo, 100);
  EXPECT_FALSE(rig.frm.bfo100Flag);
}

TEST_F(BfoRfGain, RemoteSetUpSendsTheSliderGainAndZeroesTheBfo) {
  gain().value = 54;
  rig.radio.state.bfo = 150;
  rig.runFor(kReady);
  EXPECT_EQ(rig.radio.state.rfGain, 9);
  EXPECT_EQ(rig.control("lblRFGain").caption, "86%");
  EXPECT_EQ(rig.radio.state.bfo, 100);
  EXPECT_FALSE(rig.frm.bfoOn);
}

}  // namespace

// BFO and RF gain on the simulated radio: the slider values at their limits, switching the
// BFO on and off, zeroing it, and the gain the REMOTE set-up sends.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/user_actions.h"
#include "tests/panel/panel_script.h"

namespace {

using namespace panel_script;

class BfoRfGain : public ::testing::Test {
 protected:
  ui::Control& c(const std::string& name) { return rig.control(name); }
  Rig rig;
};

TEST_F(BfoRfGain, BfoSliderAtItsLimits) {
  struct Case {
    int position;
    const char* sign;
    const char* offset;
    const char* bytes;
  } cases[] = {
      {0, "-", "-1000", "B000\n"},    // lowest: -1000 Hz
      {99, "-", "-10", "B099\n"},     // one step below the centre
      {100, "", "000", "B100\n"},     // centre: no offset
      {101, "+", "+10", "B101\n"},    // one step above
      {200, "+", "+1000", "B200\n"},  // highest: +1000 Hz
  };
  rig.at(kReady, [&] { rig.click("cmdBFO"); });  // switched on, the slider can be moved
  rig.at(kReady + 1.0, [&] {
    for (const Case& k : cases) {
      rig.port.clearWrites();
      ASSERT_TRUE(ui::userSetValue(c("sliBFO"), k.position));
      EXPECT_EQ(sentBytes(rig), k.bytes) << k.position;  // at once, within the event
      EXPECT_EQ(c("lblPorM").caption, k.sign) << k.position;
      EXPECT_EQ(c("lblBFOslider").caption, k.offset) << k.position;
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
    for (const Case& k : cases) {
      rig.port.clearWrites();
      ASSERT_TRUE(ui::userSetValue(c("sliRFGain"), k.position));
      EXPECT_EQ(sentBytes(rig), k.bytes) << k.position;
      EXPECT_EQ(c("lblRFGain").caption, k.percent) << k.position;
    }
  });
  rig.runFor(kReady + 2.0);
  EXPECT_EQ(rig.radio.state.rfGain, 63);
}

TEST_F(BfoRfGain, ZeroingKeepsTheBfoOnAndSwitchingOffCentresAndLocksTheSlider) {
  rig.at(kReady, [&] { rig.click("cmdBFO"); });
  rig.at(kReady + 0.5, [&] {
    ui::userSetValue(c("sliBFO"), 150);
    rig.port.clearWrites();
    rig.click("cmdBFO100");
  });
  rig.at(kReady + 1.0, [&] {
    // "00" forgets the offset, slider and all, but the BFO stays on and is shown so.
    EXPECT_EQ(sentBytes(rig), "B100\n");
    EXPECT_EQ(c("sliBFO").value, 100);
    EXPECT_EQ(c("lblBFOslider").caption, "000");
    EXPECT_EQ(c("lblBFOState").caption, "ON");
    ui::userSetValue(c("sliBFO"), 150);
    rig.port.clearWrites();
    rig.click("cmdBFO");  // off
  });
  rig.at(kReady + 1.5, [&] {
    EXPECT_EQ(sentBytes(rig), "B100\n");
    EXPECT_EQ(c("sliBFO").value, 100);
    EXPECT_FALSE(c("sliBFO").enabled);
    EXPECT_EQ(c("lblBFOState").caption, "OFF");
    EXPECT_EQ(c("lblBFOOn").caption, "");
    rig.port.clearWrites();
    rig.click("cmdBFO");  // on again
  });
  rig.runFor(kReady + 2.0);
  EXPECT_EQ(sentBytes(rig), "B100\n");  // the centre, never the 150 the panel no longer shows
  EXPECT_TRUE(c("sliBFO").enabled);
  EXPECT_EQ(c("lblBFOOn").caption, "BFO");
}

TEST_F(BfoRfGain, RemoteSetUpSendsTheSliderGainAndZeroesTheBfo) {
  c("sliRFGain").value = 54;
  rig.radio.state.bfo = 150;
  rig.runFor(kReady);
  EXPECT_EQ(rig.radio.state.rfGain, 9);
  EXPECT_EQ(c("lblRFGain").caption, "86%");
  EXPECT_EQ(rig.radio.state.bfo, 100);
}

}  // namespace

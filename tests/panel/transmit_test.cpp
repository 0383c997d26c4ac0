// XMT and TUNE with its restore, on the whole program against the simulated radio.
#include <gtest/gtest.h>

#include "tests/panel/panel_script.h"
#include "tests/panel/timed_writes.h"

namespace {

using namespace panel_script;

// While XMT keys, TUNE is disabled, also after a band check in band, and a TUNE click raised
// before it was disabled does nothing.
TEST(Transmit, XmtTwiceKeysThenUnkeysLockingTuneOut) {
  Rig rig;
  rig.at(kReady, [&] { press(rig, "cmdXmit"); });
  rig.at(kReady + 1.0, [&] {
    EXPECT_EQ(rig.control("cmdXmit").caption, "&XMT OFF");
    EXPECT_FALSE(rig.control("cmdTune").enabled);
    bool inBand = true;
    rig.link.gShowInBand(inBand);
    EXPECT_FALSE(rig.click("cmdTune"));
    rig.frm.tuneFlag = true;
  });
  rig.at(kReady + 7.0, [&] { press(rig, "cmdXmit"); });
  rig.runFor(kReady + 7.5);
  // "K" at once, once more before the radio's answer turned the indicator, then the
  // keep-alive repeats it; the second press sends "U" at once.
  EXPECT_EQ(timedWrites(rig, kReady, ""), "K@8.00 K@8.16 K@10.26 K@12.36 K@14.46 U@15.00 U@15.16");
  EXPECT_EQ(rig.control("cmdXmit").caption, "&XMT ON");
  EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE ON");
  EXPECT_TRUE(rig.control("cmdTune").enabled);
  EXPECT_EQ(rig.link.gSyncChar, "U");
}

// TUNE from USB keys the radio in AME and locks XMT out; its stop unkeys and puts back what
// the tune or the radio's own panel changed meanwhile, each restore bounded.
TEST(Tune, StopPutsBackWhatChanged) {
  const struct {
    int firmware;
    const char* during;  // status lines the radio reports while the carrier is on
    char ignored;        // a command the radio ignores from then on
    const char* stop;    // what the stop sends, and when
    int modeErrors;
  } kRows[] = {
      {2, "", 0, "M1\nF1425000@13.16", 0},       // the absolute mode code, once, with the frequency
      {1, "", 0, "M@13.30 M@13.46 '@13.62", 0},  // AME, CW, USB; then the PTT enable back
      {3, "", 0, "m@13.16 m@13.32",
       0},  // the same steps; never the PTT toggle, even when it differs
      {2, "H2\nS1\n", 0, "M1\nF1425000@13.16 H@13.52 H@14.08 S@14.64", 0},  // 0.5 s settle each
      {3, "H2\n", 'H', "m@13.16 m@13.32 H@13.48 H@14.78 H@16.08", 0},       // a source never back
      // A mode never back: four steps, each with its message; the radio's PTT enable, which the
      // tune's mode steps had cleared, then comes back by the band check.
      {3, "", 'm', "m@13.16 ?@15.66 m@16.72 ?@19.22 m@20.28 ?@22.78 m@23.84 ?@26.34 '1@27.40", 4},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.stop);
    Rig rig(row.firmware);
    rig.radio.behaviour.modeChangeClearsPtt = row.firmware != 2;
    rig.at(kReady, [&] { press(rig, "cmdTune"); });
    rig.at(kReady + 3.0, [&] {
      EXPECT_EQ(rig.radio.state.mode, 3);  // AME
      EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE OFF");
      EXPECT_FALSE(rig.control("cmdMode").enabled);
      EXPECT_FALSE(rig.control("cmdXmit").enabled);
      rig.frm.xmitFlag = true;  // an XMT click raised before TUNE keyed: it does nothing
      EXPECT_EQ(rig.link.gSyncChar, "K");
      rig.radio.faults.ignoredLetter = row.ignored;
      if (*row.during == '\0') return;
      rig.radio.state.audioSource = 2;
      rig.radio.state.sidetone = std::string(row.during).find("S1") != std::string::npos;
      rig.port.deliver({0, row.during});
    });
    rig.at(kReady + 5.0, [&] { press(rig, "cmdTune"); });
    rig.runFor(kReady + 20.0);
    EXPECT_EQ(timedWrites(rig, kReady + 5.0), row.stop);
    EXPECT_EQ(count(rig.ui.messageBoxes(), "MODE Change Error"), row.modeErrors);
    EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE ON");
    EXPECT_EQ(rig.control("cmdXmit").caption, "&XMT ON");
    EXPECT_TRUE(rig.control("cmdMode").enabled);
    EXPECT_EQ(rig.link.gSyncChar, "U");
    EXPECT_FALSE(rig.radio.state.transmitting);
  }
}

}  // namespace

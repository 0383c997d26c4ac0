// The amplifier group: the O line on its three labels and the tune button, the T line on the
// tuner label, and the end of a tune cycle that the panel keyed.
#include <gtest/gtest.h>

#include "tests/support/link_rig.h"

namespace {

class AmpDisplay : public ::testing::Test {
 protected:
  AmpDisplay() {
    rig.openPort();
    rig.panel.lblXMTRCV.caption = "Receive";
    rig.panel.cmdXmit.caption = "&XMT ON";
    rig.panel.cmdTune.caption = "T&UNE ON";
  }
  // As the display dispatch does for a new O line: state, then tune.
  void ampReport(const std::string& amp) {
    rig.link.gAmp = amp;
    rig.link.gShowAmpState();
    rig.link.gShowAmpTune();
  }
  void tuneReport(const std::string& tune) {
    rig.link.gAmpTune = tune;
    rig.link.gShowAmpTune();
  }
  ui::Control& tuned() { return rig.panel.lblAmpTuned; }
  LinkRig rig;
};

TEST_F(AmpDisplay, StateTable) {
  struct Row {
    const char* amp;
    const char* power;
    ui::Color powerBack;
    const char* operate;
    ui::Color operateBack;
    ui::Color tunedBack;
    bool tuneButton;
  } rows[] = {
      {"O1", "OFF", ui::kWhite, "", ui::kWhite, ui::kWhite, false},      // off
      {"O2", "ON", ui::kRed, "Warmup", ui::kYellow, ui::kWhite, false},  // warming up
      {"O3", "ON", ui::kRed, "Standby", ui::kGreen, ui::kWhite, false},  // standby
      {"O4", "ON", ui::kRed, "Operate", ui::kRed, ui::kYellow, true},    // operate
  };
  for (const Row& r : rows) {
    tuned().caption = "x";
    rig.panel.cmdTuneAmp.enabled = !r.tuneButton;
    rig.link.gAmp = r.amp;
    rig.link.gShowAmpState();
    EXPECT_EQ(rig.panel.lblAmpPwr.caption, r.power) << r.amp;
    EXPECT_EQ(rig.panel.lblAmpPwr.backColor, r.powerBack) << r.amp;
    EXPECT_EQ(rig.panel.lblAmpOpStby.caption, r.operate) << r.amp;
    EXPECT_EQ(rig.panel.lblAmpOpStby.backColor, r.operateBack) << r.amp;
    EXPECT_EQ(tuned().caption, r.tuneButton ? "x" : "") << r.amp;  // O4 keeps the caption
    EXPECT_EQ(tuned().backColor, r.tunedBack) << r.amp;
    EXPECT_EQ(rig.panel.cmdTuneAmp.enabled, r.tuneButton) << r.amp;
  }
}

// The tuner label over a sequence of O and T reports.
TEST_F(AmpDisplay, TunerLabelFollowsTheReports) {
  struct Step {
    const char* report;
    bool cycle;  // a tune cycle runs
    const char* caption;
    ui::Color back;
  } steps[] = {
      {"O4", false, "", ui::kYellow},           // operate: no tune report yet
      {"T2", false, "Start Tune", ui::kGreen},  // ready
      {"T3", false, "Tuning", ui::kYellow},     // tuning
      {"T4", false, "Tuned", ui::kRed},         // tuned: shown, no cycle to end
      {"T1", false, "", ui::kWhite},            // idle
      {"T9", false, "", ui::kWhite},            // unknown: unchanged
      {"T3", true, "Tuning", ui::kYellow},
      {"T2", true, "Tuning", ui::kYellow},      // ready during a cycle: left
      {"T1", true, "Tuning", ui::kYellow},      // idle during a cycle: left
      {"T2", false, "Start Tune", ui::kGreen},  // ready again
      {"O9", false, "Start Tune", ui::kGreen},  // an unknown state: nothing changes
      {"O2", false, "", ui::kWhite},            // warming up again: the tune is withdrawn
  };
  for (const Step& s : steps) {
    rig.link.gAmpTuning = s.cycle;
    if (s.report[0] == 'O') {
      ampReport(s.report);
    } else {
      tuneReport(s.report);
    }
    EXPECT_EQ(tuned().caption, s.caption) << s.report << s.cycle;
    EXPECT_EQ(tuned().backColor, s.back) << s.report << s.cycle;
  }
  EXPECT_FALSE(rig.panel.cmdTuneAmp.enabled);
  EXPECT_TRUE(rig.port.writes().empty());
}

TEST_F(AmpDisplay, TunedReport) {
  struct Row {
    const char* amp;
    bool cycle;  // a tune cycle runs
    const char* xmit;
    const char* tune;
    const char* caption;  // the tuner label afterwards
    bool cycleAfter;
    const char* syncChar;
    const char* written;
  } rows[] = {
      {"O4", true, "&XMT ON", "T&UNE ON", "Tuned", false, "U", "U"},   // the cycle ends
      {"O3", true, "&XMT ON", "T&UNE ON", "", true, "K", ""},          // standby: nothing at all
      {"O4", false, "&XMT OFF", "T&UNE ON", "Tuned", false, "K", ""},  // keyed by XMT alone
      {"O4", true, "&XMT OFF", "T&UNE ON", "Tuned", false, "K", ""},   // XMT during the cycle
      {"O4", true, "&XMT ON", "T&UNE OFF", "Tuned", false, "K", ""},   // TUNE during the cycle
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.amp) + r.xmit + r.tune + (r.cycle ? " cycle" : ""));
    ampReport(r.amp);
    tuned().caption = "";
    rig.port.clearWrites();
    rig.link.gAmpTuning = r.cycle;
    rig.link.gSyncChar = "K";
    rig.panel.lblXMTRCV.caption = "Transmit";
    rig.panel.cmdXmit.caption = r.xmit;
    rig.panel.cmdTune.caption = r.tune;
    tuneReport("T4");
    EXPECT_EQ(tuned().caption, r.caption);
    EXPECT_EQ(rig.link.gAmpTuning, r.cycleAfter);
    EXPECT_EQ(rig.link.gSyncChar, r.syncChar);
    EXPECT_EQ(rig.port.written(), r.written);
  }
}

}  // namespace

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
  // A cycle keyed by the TUN button: the radio transmits and the panel shows it.
  void cycleRunning() {
    rig.link.gAmpTuning = true;
    rig.link.gSyncChar = "K";
    rig.panel.lblXMTRCV.caption = "Transmit";
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

TEST_F(AmpDisplay, UnknownStateChangesNothing) {
  ampReport("O3");
  ampReport("O9");
  EXPECT_EQ(rig.panel.lblAmpOpStby.caption, "Standby");
  EXPECT_FALSE(rig.panel.cmdTuneAmp.enabled);
}

TEST_F(AmpDisplay, OperateWithTunerReadyOffersStartTune) {
  rig.link.gAmpTune = "T2";
  ampReport("O4");
  EXPECT_EQ(tuned().caption, "Start Tune");
  EXPECT_EQ(tuned().backColor, ui::kGreen);
  EXPECT_TRUE(rig.panel.cmdTuneAmp.enabled);
}

TEST_F(AmpDisplay, OperateBeforeAnyTuneReportIsYellowWithoutCaption) {
  ampReport("O4");
  EXPECT_EQ(tuned().caption, "");
  EXPECT_EQ(tuned().backColor, ui::kYellow);
}

TEST_F(AmpDisplay, TuneTableWithoutCycle) {
  ampReport("O4");
  struct Row {
    const char* tune;
    const char* caption;
    ui::Color back;
  } rows[] = {
      {"T2", "Start Tune", ui::kGreen},  // ready
      {"T3", "Tuning", ui::kYellow},     // tuning
      {"T4", "Tuned", ui::kRed},         // tuned: shown, no cycle to end
      {"T1", "", ui::kWhite},            // idle
      {"T9", "", ui::kWhite},            // unknown: unchanged
  };
  for (const Row& r : rows) {
    tuneReport(r.tune);
    EXPECT_EQ(tuned().caption, r.caption) << r.tune;
    EXPECT_EQ(tuned().backColor, r.back) << r.tune;
  }
  EXPECT_TRUE(rig.port.writes().empty());
}

TEST_F(AmpDisplay, ReadyAndIdleReportsDuringACycleLeaveTheLabel) {
  ampReport("O4");
  tuneReport("T3");
  cycleRunning();
  tuneReport("T2");
  EXPECT_EQ(tuned().caption, "Tuning");
  tuneReport("T1");
  EXPECT_EQ(tuned().caption, "Tuning");
  EXPECT_EQ(tuned().backColor, ui::kYellow);
}

TEST_F(AmpDisplay, TunedEndsTheCycleAndUnkeysAtOnce) {
  ampReport("O4");
  cycleRunning();
  tuneReport("T4");
  EXPECT_EQ(tuned().caption, "Tuned");
  EXPECT_FALSE(rig.link.gAmpTuning);
  EXPECT_EQ(rig.link.gSyncChar, "U");
  EXPECT_EQ(rig.port.written(), "U");
}

TEST_F(AmpDisplay, TunedInStandbyDoesNothing) {
  ampReport("O3");
  cycleRunning();
  tuneReport("T4");
  EXPECT_EQ(tuned().caption, "");
  EXPECT_TRUE(rig.link.gAmpTuning);
  EXPECT_EQ(rig.link.gSyncChar, "K");
  EXPECT_TRUE(rig.port.writes().empty());
}

TEST_F(AmpDisplay, TunedWhileXmtKeysNeverUnkeys) {
  ampReport("O4");
  rig.panel.cmdXmit.caption = "&XMT OFF";  // the user keyed with XMT
  rig.link.gSyncChar = "K";
  rig.panel.lblXMTRCV.caption = "Transmit";
  tuneReport("T4");
  EXPECT_EQ(tuned().caption, "Tuned");
  EXPECT_EQ(rig.link.gSyncChar, "K");
  EXPECT_TRUE(rig.port.writes().empty());
}

TEST_F(AmpDisplay, TunedEndsACycleButKeepsAUserKeyedTransmitter) {
  struct Row {
    const char* xmit;
    const char* tune;
  } rows[] = {
      {"&XMT OFF", "T&UNE ON"},  // XMT pressed during the cycle
      {"&XMT ON", "T&UNE OFF"},  // TUNE running during the cycle
  };
  for (const Row& r : rows) {
    ampReport("O4");
    cycleRunning();
    rig.panel.cmdXmit.caption = r.xmit;
    rig.panel.cmdTune.caption = r.tune;
    tuneReport("T4");
    EXPECT_FALSE(rig.link.gAmpTuning) << r.xmit;
    EXPECT_EQ(rig.link.gSyncChar, "K") << r.xmit;
    EXPECT_TRUE(rig.port.writes().empty()) << r.xmit;
  }
}

TEST_F(AmpDisplay, WarmupAfterOperateLocksTheTuneButton) {
  rig.link.gAmpTune = "T2";
  ampReport("O4");
  ampReport("O2");
  EXPECT_FALSE(rig.panel.cmdTuneAmp.enabled);
  EXPECT_EQ(tuned().caption, "");
  EXPECT_EQ(tuned().backColor, ui::kWhite);
  EXPECT_EQ(rig.panel.lblAmpOpStby.caption, "Warmup");
}

}  // namespace

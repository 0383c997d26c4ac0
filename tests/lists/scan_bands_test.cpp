// The band sweep: its limit boxes, its steps and rates on the virtual clock, pause, stop and
// the ways the window closes.
#include <gtest/gtest.h>

#include "lists/scan_rules.h"
#include "tests/lists/scan_script.h"

namespace {

using namespace scan_script;

TEST(FreqTextToUnits, FillsSevenPlacesAndReadsTheLeadingNumber) {
  struct Case {
    const char* text;
    long units;
  } cases[] = {
      {"1.800", 180000},    // one-digit MHz part: filling starts at place 2
      {"14.350", 1435000},  // two-digit MHz part
      {"14.3x0", 143},      // reading stops at the letter
      {"Error", 0},         // what a refused limit box shows
      {"14.3500000", 0},    // more characters than the places hold
      {"1.80000", 180000},  // exactly fills the places after a one-digit MHz part
      {"1.800000", 0},      // one character more
  };
  for (const Case& c : cases) EXPECT_EQ(lists::freqTextToUnits(c.text), c.units) << c.text;
  EXPECT_EQ(lists::sweepCommand(999999), "F0999999");  // a leading zero below 10 MHz
  EXPECT_EQ(lists::sweepCommand(1000000), "F1000000");
}

/// The band sweep opened from its menu.
struct SweepRig : WindowRig {
  SweepRig() : WindowRig("frmScanBands", [](ProgramRig& r) { r.frm.mnuScanBands_Click(); }) {}
  /// The frequency commands sent from `from` seconds on.
  std::vector<Sent> frequenciesFrom(double from) {
    std::vector<Sent> sent;
    for (const Sent& s : sentFrom(rig, from)) {
      if (s.bytes[0] == 'F') sent.push_back(s);
    }
    return sent;
  }
  void limits(const char* low, const char* high) {
    ui::userSetText(c("txtScanLow"), low);
    ui::userSetText(c("txtScanHi"), high);
  }
};

class ScanBands : public ::testing::Test, public SweepRig {};

// A step costs the 0.1 s settle and the read's 0.06 s quiet period, then the rate's wait.
constexpr double kStep = 0.16;

TEST_F(ScanBands, Preset160AtOneKilohertzSlowSweepsTheBandAndStartsAgain) {
  int beepsBefore = 0;
  rig.at(kReady, [&] {
    beepsBefore = rig.ui.beeps();
    click("cmd160M");
    EXPECT_TRUE(ui::userChooseOption(c("Option1", 4)));  // 1KHz
    EXPECT_TRUE(ui::userChooseOption(c("Option2", 1)));  // Slow Scan
    click("cmdScanUp");
  });
  rig.at(kReady + 0.05, [&] {
    EXPECT_EQ(c("txtFreq").caption, "F01800000");  // the command and one "0"
    EXPECT_FALSE(c("cmdScanUp").enabled);
  });
  closeAt(353.0);
  rig.runFor(354.0);
  std::vector<Sent> sent = frequenciesFrom(kReady);
  ASSERT_GE(sent.size(), 202u);
  for (int k = 0; k < 201; ++k) {  // 1.800 to 2.000 MHz
    EXPECT_EQ(sent[k].bytes, lists::sweepCommand(180000 + 100 * k) + "\n") << k;
  }
  for (int k = 1; k < 201; ++k) {
    EXPECT_NEAR(sent[k].time - sent[k - 1].time, kStep + 1.5, 1e-6) << k;
  }
  // The top: a beep and 2.0 s, then the next pass from the lower limit.
  EXPECT_EQ(sent[201].bytes, "F0180000\n");
  EXPECT_NEAR(sent[201].time - sent[200].time, kStep + 1.5 + 2.0, 1e-6);
  EXPECT_EQ(rig.ui.beeps() - beepsBefore, 1);
  for (const Sent& s : sentFrom(rig, kReady)) EXPECT_NE(s.bytes[0], 'M') << s.bytes;  // no mode
}

TEST_F(ScanBands, StepAndRateChangesTakeEffectAtTheNextStep) {
  rig.at(kReady, [&] {
    click("cmd20M");
    EXPECT_TRUE(ui::userChooseOption(c("Option1", 0)));  // 10Hz
    click("cmdScanUp");
  });
  rig.at(9.0, [&] {
    EXPECT_TRUE(ui::userChooseOption(c("Option1", 3)));  // 500Hz
    EXPECT_TRUE(ui::userChooseOption(c("Option2", 1)));  // Slow Scan
  });
  closeAt(14.0);
  rig.runFor(14.5);
  std::vector<Sent> sent = frequenciesFrom(kReady);
  ASSERT_GE(sent.size(), 5u);
  // Before the change: 10 Hz steps at the opening rate of 0.4 s.
  EXPECT_EQ(bytesOf({sent[0], sent[1]}), (std::vector<std::string>{"F1400000\n", "F1400001\n"}));
  EXPECT_NEAR(sent[1].time - sent[0].time, kStep + 0.4, 1e-6);
  // After it: 500 Hz steps 1.5 s apart.
  const Sent& last = sent.back();
  const Sent& before = sent[sent.size() - 2];
  EXPECT_EQ(std::stol(last.bytes.substr(1)) - std::stol(before.bytes.substr(1)), 50);
  EXPECT_NEAR(last.time - before.time, kStep + 1.5, 1e-6);
}

TEST_F(ScanBands, PauseHoldsTheSweepAndContinueGoesOnFromTheNextStep) {
  rig.at(kReady, [&] {
    click("cmd20M");
    click("cmdScanUp");
  });
  rig.at(9.0, [&] {
    click("cmdPauseCont");
    EXPECT_EQ(c("cmdPauseCont").caption, "Con't");
    EXPECT_FALSE(c("cmdStop").enabled);
  });
  rig.at(14.0, [&] {
    click("cmdPauseCont");
    EXPECT_EQ(c("cmdPauseCont").caption, "Pause");
  });
  closeAt(16.0);
  rig.runFor(16.5);
  std::vector<Sent> sent = frequenciesFrom(kReady);
  // No frequency while paused, but the link was kept alive.
  for (const Sent& s : sent) EXPECT_FALSE(s.time > 9.5 && s.time < 14.0) << s.time;
  // Kept alive on the first 0.3 s pause tick after each 2 s; a tick that reads the answer
  // also takes the read's 0.06 s.
  std::vector<double> alive = keepAlives(rig, 9.5, 14.0);
  ASSERT_EQ(alive.size(), 2u);
  EXPECT_NEAR(alive[0], 11.68, 1e-6);
  EXPECT_NEAR(alive[1], 13.94, 1e-6);
  // One unbroken run of 100 Hz steps from 14.00 MHz, across the pause.
  ASSERT_GE(sent.size(), 6u);
  EXPECT_GE(sent.back().time, 14.0);
  for (size_t k = 0; k < sent.size(); ++k) {
    EXPECT_EQ(sent[k].bytes, lists::sweepCommand(1400000 + 10 * static_cast<long>(k)) + "\n");
  }
}

TEST_F(ScanBands, LowerAboveUpperBeepsEveryTwoSecondsAndSendsNothing) {
  int beepsBefore = 0;
  rig.at(kReady, [&] {
    beepsBefore = rig.ui.beeps();
    limits("14.300", "14.200");
    click("cmdScanUp");
  });
  rig.at(15.0, [&] {
    EXPECT_EQ(rig.ui.beeps() - beepsBefore, 4);  // at 8, 10, 12 and 14 s
    click("cmdStop");
  });
  rig.at(16.5, [&] { EXPECT_TRUE(c("cmdScanUp").enabled); });  // ended after the wait
  closeAt(17.0);
  rig.runFor(17.5);
  EXPECT_EQ(rig.ui.beeps() - beepsBefore, 4);
  EXPECT_TRUE(frequenciesFrom(kReady).empty());
}

TEST_F(ScanBands, StopDuringTheWaitAtTheTopEndsBeforeTheNextPass) {
  rig.at(kReady, [&] {
    limits("7.100", "7.100");  // one frequency a pass
    click("cmdScanUp");
  });
  rig.at(9.0, [&] { click("cmdStop"); });  // in the 2.0 s at the top
  rig.at(11.0, [&] { EXPECT_TRUE(c("cmdScanUp").enabled); });
  closeAt(12.0);
  rig.runFor(12.5);
  EXPECT_EQ(bytesOf(frequenciesFrom(kReady)), std::vector<std::string>{"F0710000\n"});
}

TEST(ScanBandsLocal, RadioOrPanelGoingLocalClosesTheWindow) {
  struct Case {
    const char* how;
    double lastSent;  // no frequency after this (seconds)
  } cases[] = {
      {"sweeping", 10.7},  // this firmware would go on obeying frequencies
      {"paused", 9.5},     // seen with the keep-alive's answers
      {"panel", 0.0},      // the panel already shows LOCAL at Scan: closed at once
  };
  for (const Case& k : cases) {
    SweepRig t;
    std::string how = k.how;
    t.rig.at(kReady, [&] {
      if (how == "panel") t.rig.control("lblREMOTE").caption = "LOCAL";
      t.click("cmd40M");
      t.click("cmdScanUp");
    });
    if (how == "paused") t.rig.at(9.0, [&] { t.click("cmdPauseCont"); });
    if (how != "panel") t.rig.at(10.0, [&] { radioGoesLocal(t.rig); });
    t.rig.at(11.0, [&] {
      EXPECT_EQ(t.window(), nullptr) << how;
      EXPECT_TRUE(t.rig.frm.form.enabled) << how;
    });
    t.rig.runFor(13.0);
    EXPECT_EQ(t.frequenciesFrom(kReady).empty(), how == "panel") << how;
    for (const Sent& s : t.frequenciesFrom(kReady)) EXPECT_LT(s.time, k.lastSent) << s.bytes;
    // The main loop takes up the radio's state (still REMOTE when only the panel said LOCAL).
    EXPECT_EQ(t.rig.control("lblREMOTE").caption, how == "panel" ? "REMOTE" : "LOCAL") << how;
  }
}

TEST(ScanBandsLimits, OutsideTheRadiosRangeShowError) {
  struct Case {
    const char* low;
    const char* high;
    const char* lowShown;  // what each box shows after Scan
    const char* highShown;
  } cases[] = {
      {"", "14.350", "", "14.350"},                 // empty lower limit: ends silently
      {"14.000", "", "14.000", "Error"},            // empty upper limit
      {"14.3x0", "14.350", "Error", "14.350"},      // a letter inside
      {"1.500", "35.000", "Error", "35.000"},       // the lower limit is tested first
      {"14.000", "35.000", "14.000", "Error"},      // above the radio's range
      {"14.0000000", "14.350", "Error", "14.350"},  // more than the places hold
  };
  for (const Case& k : cases) {
    SweepRig t;
    t.rig.at(kReady, [&] {
      t.limits(k.low, k.high);
      t.click("cmdScanUp");
      EXPECT_EQ(t.c("txtScanLow").caption, k.lowShown) << k.low << " " << k.high;
      EXPECT_EQ(t.c("txtScanHi").caption, k.highShown) << k.low << " " << k.high;
      EXPECT_EQ(t.c("txtScanLow").foreColor, k.lowShown == std::string("Error") ? ui::kRed : 0u);
      EXPECT_EQ(t.c("txtScanHi").foreColor, k.highShown == std::string("Error") ? ui::kRed : 0u);
      t.click("cmd20M");  // a preset puts both boxes back in black
      EXPECT_EQ(t.c("txtScanLow").foreColor, ui::kBlack);
      EXPECT_EQ(t.c("txtScanHi").foreColor, ui::kBlack);
    });
    t.closeAt(kReady + 0.5);
    t.rig.runFor(kReady + 1.0);
    EXPECT_TRUE(t.frequenciesFrom(kReady).empty());
  }
}

TEST_F(ScanBands, ClosingWhilePausedEndsTheSweepAndRestoresThePanel) {
  rig.at(kOpen - 0.05, [&] {
    rig.control("txtInfo").visible = false;
    rig.control("lblInfo").visible = true;
  });
  rig.at(kReady, [&] {
    // Opening showed the information box in place of the label, and the scanning state.
    EXPECT_TRUE(rig.control("txtInfo").visible);
    EXPECT_FALSE(rig.control("lblInfo").visible);
    EXPECT_EQ(rig.control("lblInBand").caption, "Scanning");
    click("cmd20M");
    click("cmdPauseCont");
    click("cmdScanUp");  // starts paused: waits before its first frequency
  });
  closeAt(10.0);
  rig.runFor(11.0);
  EXPECT_EQ(window(), nullptr);
  EXPECT_FALSE(rig.control("txtInfo").visible);
  EXPECT_TRUE(rig.control("lblInfo").visible);
  EXPECT_TRUE(frequenciesFrom(kReady).empty());
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>

#include "lists/scan_rules.h"
#include "tests/lists/scan_script.h"

namespace {

TEST(ScanFrequencyCommand, FillsEightPlacesAndChecksTheRange) {
  struct Case {
    const char* text;
    const char* command;  // "" when the row is invalid
  } cases[] = {
      {"7.15", "F0715000"},      // one-digit MHz part: filling starts at place 3
      {"14.250", "F1425000"},    // two-digit MHz part
      {"14250", "F1425000"},     // no point at all
      {"1.6", "F0160000"},       // the lower bound
      {"29.99999", "F2999999"},  // the upper bound
      {"1.59", ""},              // F0159000: below 1.6 MHz
      {"30", ""},                // F3000000: above the upper bound
      {"7150", ""},              // F7150000: a one-digit MHz part needs its point
      {"14.2a", ""},             // a letter in a place
      {"14.2500000", ""},        // more characters than the places hold
      {"7.1500000", ""},         // likewise after a one-digit MHz part
      {" 7.15", ""},             // a leading blank fills a place
      {".", ""},                 // nothing but the point: F0000000
  };
  for (const Case& c : cases) {
    std::optional<std::string> command = lists::scanFrequencyCommand(c.text);
    EXPECT_EQ(command.value_or(""), c.command) << c.text;
  }
}

TEST(ScanDwell, LeadingNumberRoundedAndKeptInRange) {
  struct Case {
    const char* text;
    int seconds;
  } cases[] = {
      {"3", 3},          // a plain whole number
      {"5.0", 5},        // as a file's dwell line may read
      {"2.5", 2},        // a half goes to the even number
      {"3.5", 4},        // likewise
      {"0.4", 1},        // below 1
      {"0", 1},          // zero
      {"-4", 1},         // negative
      {"", 1},           // empty
      {"abc", 1},        // no number at all
      {"5s", 5},         // trailing letters are ignored
      {" 1 0", 10},      // blanks are ignored wherever they stand
      {"99999", 32767},  // beyond the 16-bit range
      {"1e9", 32767},    // likewise, written with an exponent
  };
  for (const Case& c : cases) {
    EXPECT_EQ(lists::dwellSecondsFromText(c.text), c.seconds) << c.text;
  }
}

using namespace scan_script;

class ScanFreqs : public ::testing::Test, public ScannerRig {};

TEST_F(ScanFreqs, TwoCheckedRowsAreTunedInTurnWithTheirDwell) {
  rig.at(kReady, [&] {
    setRow(0, "7.15", "LSB", "forty meters");
    setRow(1, "10.1", "CW", "not checked", false);
    setRow(2, "14.250", "USB", "twenty");
    ui::userSetText(c("txtDelay"), "2");
    scan();
  });
  rig.at(9.7, [&] {
    // Inside the first row's dwell: the seconds elapsed, the highlight, the info, the digits.
    EXPECT_EQ(c("txtDelay").caption, "1");
    EXPECT_EQ(c("Check1", 0).backColor, ui::kRed);
    EXPECT_EQ(rig.control("lblInfo").caption, "forty meters");
    EXPECT_EQ(digits(), "0715000");
    EXPECT_FALSE(c("cmdScan").visible);
    EXPECT_TRUE(c("cmdStop").visible);
  });
  rig.at(11.5, [&] {
    // The second checked row; the first is back to the idle colour.
    EXPECT_EQ(c("Check1", 0).backColor, ui::kLightGrey);
    EXPECT_EQ(c("Check1", 2).backColor, ui::kRed);
    EXPECT_EQ(rig.control("lblInfo").caption, "twenty");
    EXPECT_EQ(digits(), "1425000");
  });
  closeAt(20.0);
  rig.runFor(21.0);

  // The pass begins with the keep-alive; then each row's mode before its frequency.
  std::vector<Sent> all = sentFrom(rig, kReady, true);
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(all[0].bytes, "U");
  std::vector<Sent> sent = sentFrom(rig, kReady);
  ASSERT_GE(sent.size(), 8u);
  std::vector<std::string> pass = {"M2\nF1425000\n", "F0715000\n", "M1\nF0715000\n", "F1425000\n"};
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(sent[i].bytes, pass[i % 4]) << i;
  // Each frequency is held for the dwell (after its settle and the answer) before the next
  // row's mode goes out.
  for (size_t i = 1; i + 1 < 8; i += 2) {
    double held = sent[i + 1].time - sent[i].time;
    EXPECT_GE(held, 2.1) << i;
    EXPECT_LE(held, 2.4) << i;
  }
  // The link is kept alive throughout.
  EXPECT_LT(largestGap(keepAlives(rig, kReady, 20.0)), 2.6);
  EXPECT_TRUE(rig.frm.form.enabled);
}

TEST(ScanFreqsEnd, PassWithNothingToTuneEndsAtOnceAndSendsNothing) {
  struct Case {
    const char* what;
    void (*rows)(ScannerRig&);
    int highlighted;  // the row left red, -1 for none
    bool error;
  } cases[] = {
      {"no row checked", [](ScannerRig& t) { t.setRow(0, "7.15", "LSB", "", false); }, -1, false},
      {"a checked empty row",
       [](ScannerRig& t) {
         t.setRow(0, "7.15", "LSB", "", false);
         ui::userToggleCheck(t.c("Check1", 1));
         t.setRow(2, "14.250", "USB", "");
       },
       1, false},
      {"an invalid frequency",
       [](ScannerRig& t) {
         t.setRow(0, "35.000", "USB", "");
         t.setRow(1, "7.15", "LSB", "");
       },
       0, true},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    ScannerRig t;
    t.rig.at(kReady, [&] {
      k.rows(t);
      t.scan();
    });
    t.rig.at(kReady + 0.05, [&] {
      // Stop shows for the moment of the keep-alive's settle.
      EXPECT_TRUE(t.c("cmdStop").visible);
      EXPECT_FALSE(t.c("cmdScan").visible);
    });
    t.rig.at(kReady + 1.0, [&] {
      EXPECT_TRUE(t.c("cmdScan").visible);
      EXPECT_FALSE(t.c("cmdStop").visible);
      EXPECT_EQ(t.c("txtDelay").caption, "3");
      for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(t.c("Check1", row).backColor, row == k.highlighted ? ui::kRed : ui::kLightGrey);
      }
      EXPECT_EQ(t.c("lblError").visible, k.error);
      EXPECT_EQ(t.c("lblError").caption, "Frequency Error");
    });
    t.rig.at(kReady + 1.2, [&] { t.scan(); });  // the next scan hides the error at once
    t.rig.at(kReady + 1.25, [&] { EXPECT_FALSE(t.c("lblError").visible); });
    t.closeAt(kReady + 2.0);
    t.rig.runFor(kReady + 2.5);
    EXPECT_EQ(bytesOf(sentFrom(t.rig, kReady, true)).front(), "U");
    EXPECT_EQ(bytesOf(sentFrom(t.rig, kReady)), std::vector<std::string>{"'1\n"});  // the close
  }
}

TEST_F(ScanFreqs, SilentRadioCostsTheWaitOneStatusRequestAndTheDwell) {
  rig.at(kReady, [&] {
    rig.radio.faults.silent = true;
    setRow(0, "7.15", "", "");  // no mode word: the mode is left alone
    ui::userSetText(c("txtDelay"), "2");
    scan();
  });
  closeAt(16.0);
  rig.runFor(16.5);
  std::vector<Sent> sent = sentFrom(rig, kReady);
  ASSERT_GE(sent.size(), 3u);
  EXPECT_EQ(sent[0].bytes, "F0715000\n");
  EXPECT_EQ(sent[1].bytes, "?\n");
  EXPECT_EQ(sent[2].bytes, "F0715000\n");
  // Two silent reads pass the 1.5 s; then the 0.4 s settle, one read and the 2 s dwell.
  EXPECT_NEAR(sent[1].time - sent[0].time, 1.7, 0.05);
  EXPECT_GE(sent[2].time - sent[1].time, 0.4 + 0.8 + 2.0);
  EXPECT_LE(sent[2].time - sent[1].time, 0.4 + 0.8 + 2.0 + 0.15);
  // Never confirmed, so the panel's digits were left alone.
  EXPECT_EQ(digits(), "1425000");
}

TEST_F(ScanFreqs, RadioOnAnotherFrequencyIsSentTheCommandUntilStop) {
  rig.at(kReady, [&] {
    rig.radio.faults.freqReportOffset = 1;
    setRow(0, "7.15", "", "");
    scan();
  });
  rig.at(11.0, [&] { EXPECT_TRUE(ui::userClick(c("cmdStop"))); });
  rig.at(12.0, [&] { EXPECT_TRUE(c("cmdScan").visible); });
  closeAt(12.5);
  rig.runFor(13.0);
  std::vector<Sent> sent = sentFrom(rig, kReady);
  int attempts = 0;
  for (const Sent& s : sent) {
    if (s.bytes == "F0715000\n") {
      ++attempts;
      EXPECT_LT(s.time, 11.0);
    }
    EXPECT_NE(s.bytes, "?\n");  // the radio always answered: no status request
  }
  EXPECT_GE(attempts, 10);
}

TEST_F(ScanFreqs, StopDuringTheDwellFinishesAtOnce) {
  rig.at(kReady, [&] {
    setRow(0, "7.15", "", "");
    ui::userSetText(c("txtDelay"), "5");
    scan();
  });
  rig.at(10.0, [&] {
    EXPECT_EQ(c("txtDelay").caption, "1");
    EXPECT_TRUE(ui::userClick(c("cmdStop")));
    EXPECT_EQ(c("txtDelay").caption, "5");  // the dwell again, at once
  });
  rig.at(10.01, [&] {
    EXPECT_TRUE(c("cmdScan").visible);
    EXPECT_FALSE(c("cmdStop").visible);
    EXPECT_EQ(c("txtDelay").caption, "5");
    EXPECT_EQ(c("Check1", 0).backColor, ui::kRed);  // the current row stays highlighted
  });
  closeAt(14.0);
  rig.runFor(14.5);
  EXPECT_EQ(bytesOf(sentFrom(rig, kReady)), (std::vector<std::string>{"F0715000\n", "'1\n"}));
}

TEST_F(ScanFreqs, ClosingDuringTheDwellEndsTheScanAndFreesTheWindow) {
  rig.at(kReady, [&] {
    setRow(0, "7.15", "", "");
    ui::userSetText(c("txtDelay"), "5");
    scan();
  });
  closeAt(10.0);
  rig.at(10.5, [&] {
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(rig.frm.form.enabled);
    EXPECT_FALSE(rig.link.gScanning);
  });
  rig.runFor(14.0);
  EXPECT_EQ(bytesOf(sentFrom(rig, kReady)), (std::vector<std::string>{"F0715000\n", "'1\n"}));
  EXPECT_FALSE(keepAlives(rig, 11.0, 14.0).empty());  // the main loop runs again
}

TEST_F(ScanFreqs, ClosingWhileTheHandshakeWaitsIsSafe) {
  rig.at(kReady, [&] {
    rig.radio.faults.silent = true;
    setRow(0, "7.15", "", "");
    scan();
  });
  // In the frequency command's settle: the window goes at once, and the handshake is
  // abandoned after its next read instead of going on to the status request.
  closeAt(8.15);
  rig.at(9.5, [&] {
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(rig.frm.form.enabled);
  });
  rig.runFor(10.0);
  std::vector<std::string> sent = bytesOf(sentFrom(rig, kReady));
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "F0715000\n"), 1);
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "?\n"), 0);  // abandoned, not asked
}

TEST_F(ScanFreqs, ModeWordsSelectTheModeBeforeTheFrequency) {
  rig.at(kReady, [&] {
    setRow(0, "7.15", "am", "");  // lower case AM: AME
    setRow(1, "7.16", "FM", "");  // no such mode: left alone
    ui::userSetText(c("txtDelay"), "1");
    scan();
  });
  closeAt(12.0);
  rig.runFor(12.5);
  std::vector<std::string> sent = bytesOf(sentFrom(rig, kReady));
  ASSERT_GE(sent.size(), 3u);
  EXPECT_EQ(sent[0], "M3\nF1425000\n");
  EXPECT_EQ(sent[1], "F0715000\n");
  EXPECT_EQ(sent[2], "F0716000\n");
}

TEST_F(ScanFreqs, DelayBelowOneSecondIsShownAsOne) {
  rig.at(kReady, [&] {
    setRow(0, "7.15", "", "");
    ui::userSetText(c("txtDelay"), "0.4");
    scan();
  });
  rig.at(kReady + 0.05, [&] { EXPECT_EQ(c("txtDelay").caption, "0.4"); });  // in the keep-alive
  rig.at(kReady + 0.15, [&] { EXPECT_EQ(c("txtDelay").caption, "1"); });    // the dwell used
  closeAt(12.0);
  rig.runFor(12.5);
  // One second of dwell a pass: about three passes in four seconds.
  std::vector<std::string> sent = bytesOf(sentFrom(rig, kReady));
  EXPECT_GE(std::count(sent.begin(), sent.end(), "F0715000\n"), 3);
}

TEST(ListWindows, SilentRadioShowsNoComOnceTheKeepAliveGoesUnanswered) {
  struct Case {
    const char* form;
    void (*open)(ProgramRig&);
    void (*begin)(WindowRig&);  // at kReady
    double look;                // how often the window looks at the line
  } cases[] = {
      {"frmBandSelect", [](ProgramRig& r) { r.frm.band40MCmd(); }, [](WindowRig&) {}, 0.1},
      {"frmScanFreqs", [](ProgramRig& r) { r.frm.mnuScanFreqs_Click(); },
       [](WindowRig& t) {  // one row, held for 20 s
         ui::userSetText(t.c("txtFreq", 0), "7.15");
         ui::userToggleCheck(t.c("Check1", 0));
         ui::userSetText(t.c("txtDelay"), "20");
         t.click("cmdScan");
       },
       0.05},
      {"frmScanBands", [](ProgramRig& r) { r.frm.mnuScanBands_Click(); },
       [](WindowRig& t) {  // a sweep held by its pause
         t.click("cmdPauseCont");
         t.click("cmd20M");
         t.click("cmdScanUp");
       },
       0.3},
  };
  constexpr double kSilent = 9.0;
  for (const Case& k : cases) {
    SCOPED_TRACE(k.form);
    WindowRig t(k.form, k.open);
    t.rig.at(kReady, [&] { k.begin(t); });
    t.rig.at(kSilent, [&] {
      EXPECT_EQ(t.rig.control("lblComStat").caption, "Com OK");
      t.rig.radio.faults.silent = true;
    });
    double shown = 0;  // when "No Com" was first seen, sampled every 50 ms
    for (double at = kSilent; at < kSilent + 4.0; at += 0.05) {
      t.rig.at(at, [&] {
        if (shown == 0 && t.rig.control("lblComStat").caption == "No Com") shown = t.rig.elapsed();
      });
    }
    t.rig.runFor(kSilent + 4.0);
    std::vector<double> sent = keepAlives(t.rig, kSilent, kSilent + 4.0);
    ASSERT_FALSE(sent.empty());
    // Unanswered for longer than a read's 0.8 s wait after the keep-alive's 0.1 s settle:
    // shown at the window's next look.
    EXPECT_GT(shown, sent[0] + 0.9);
    EXPECT_LE(shown, sent[0] + 0.9 + k.look + 0.05);
  }
}

}  // namespace

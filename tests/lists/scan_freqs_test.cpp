#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "lists/scan_rules.h"
#include "tests/lists/scan_script.h"

namespace {

using namespace scan_script;
using Lines = std::vector<std::string>;

TEST(ScanRules, FrequencyCommandAndDwellOfTheTypedTexts) {
  const std::pair<const char*, const char*> commands[] = {
      {"7.15", "F0715000"},      // one-digit MHz part: filling starts at place 3
      {"14250", "F1425000"},     // no point: filling starts at place 2
      {"1.6", "F0160000"},       // the lower bound
      {"29.99999", "F2999999"},  // the upper bound
      {"1.59", ""},              // below 1.6 MHz
      {"7150", ""},              // F7150000: a one-digit MHz part needs its point
      {"14.2a", ""},             // a letter in a place
      {"14.2500000", ""},        // more characters than the places hold
  };
  for (auto [text, command] : commands) {
    EXPECT_EQ(lists::scanFrequencyCommand(text).value_or(""), command) << text;
  }
  const std::pair<const char*, int> dwells[] = {
      {"2.5", 2},        // a half goes to the even number
      {"3.5", 4},        // likewise
      {"1", 1},          // the shortest dwell as typed
      {"0.99", 1},       // below 1 gives 1, not its rounding
      {"-4", 1},         // likewise a negative number
      {"abc", 1},        // and no number at all
      {" 1 0s", 10},     // blanks are ignored, trailing letters end the number
      {"99999", 32767},  // kept within the 16-bit range
  };
  for (auto [text, seconds] : dwells) EXPECT_EQ(lists::dwellSecondsFromText(text), seconds) << text;
}

/// What the program wrote from `from` seconds on, each write as "seconds bytes" with its line
/// feeds shown as "|".
Lines timeline(const ProgramRig& rig, double from) {
  Lines lines;
  for (const Sent& s : sentFrom(rig, from, true)) {
    char time[16];
    std::snprintf(time, sizeof time, "%.2f ", s.time);
    std::string bytes = s.bytes;
    for (char& c : bytes) c = c == '\n' ? '|' : c;
    lines.push_back(time + bytes);
  }
  return lines;
}

class ScanFreqs : public ::testing::Test, public ScannerRig {
 protected:
  /// Scans the given rows (all checked) with the delay text at kReady.
  void scanAtReady(std::vector<std::pair<const char*, const char*>> rows, const char* delay,
                   void (*fault)(RadioFaults&) = nullptr) {
    rig.at(kReady, [this, rows, delay, fault] {
      if (fault) fault(rig.radio.faults);
      for (int k = 0; k < static_cast<int>(rows.size()); ++k) {
        setRow(k, rows[k].first, rows[k].second, "");
      }
      ui::userSetText(c("txtDelay"), delay);
      scan();
    });
  }
  /// Runs with the close box at `close` until `end`; what was written from kReady on.
  Lines runTo(double close, double end = 0) {
    closeAt(close);
    rig.runFor(std::max(end, close + 0.5));
    return timeline(rig, kReady);
  }
};

TEST_F(ScanFreqs, CheckedRowsAreTunedInTurnEachHeldForTheDwell) {
  rig.at(kReady, [&] {
    setRow(0, "7.15", "LSB", "forty meters");
    setRow(1, "10.1", "CW", "", false);  // not checked: passed over
    setRow(2, "14.250", "USB", "twenty");
    ui::userSetText(c("txtDelay"), "2");
    scan();
  });
  rig.at(9.7, [&] {  // in the first row's dwell, which began at 8.62
    EXPECT_EQ(c("txtDelay").caption, "1");
    EXPECT_EQ(c("Check1", 0).backColor, ui::kRed);
    EXPECT_EQ(rig.control("lblInfo").caption, "forty meters");
    EXPECT_EQ(digits(), "0715000");
    EXPECT_FALSE(c("cmdScan").visible);
    EXPECT_TRUE(c("cmdStop").visible);
  });
  rig.at(11.5, [&] {
    EXPECT_EQ(c("Check1", 0).backColor, ui::kLightGrey);
    EXPECT_EQ(c("Check1", 2).backColor, ui::kRed);
    EXPECT_EQ(rig.control("lblInfo").caption, "twenty");
  });
  // The pass opens with the keep-alive; each row's mode goes before its frequency (0.3 s and
  // a read); the next row comes 2 s after the confirmation (0.1 s settle and its read). A
  // close during the mode's wait ends the scan before the frequency.
  EXPECT_EQ(runTo(13.3),
            (Lines{"8.00 U", "8.10 M2|F1425000|", "8.46 F0715000|", "10.10 U", "10.62 M1|F0715000|",
                   "10.98 F1425000|", "12.20 U", "13.14 M2|F1425000|", "13.50 '1|"}));
}

TEST_F(ScanFreqs, SilentRadioCostsTheWaitOneStatusRequestAndTheDwell) {
  scanAtReady({{"7.15", ""}}, "2", [](RadioFaults& f) { f.silent = true; });  // no mode word
  rig.at(12.0, [&] { EXPECT_EQ(digits(), "1425000"); });  // never confirmed: left alone
  // 0.1 s settle and two silent reads pass the 1.5 s; "?" with its 0.4 s settle and one read;
  // the 2 s dwell; the next pass, abandoned after its first read, and the panel is back.
  EXPECT_EQ(runTo(13.05, 14.0), (Lines{"8.00 U", "8.10 F0715000|", "9.80 ?|", "11.00 U",
                                       "13.00 F0715000|", "13.90 '1|"}));
  EXPECT_TRUE(rig.frm.form.enabled);
  EXPECT_FALSE(rig.link.gScanning);
}

TEST_F(ScanFreqs, RadioOnAnotherFrequencyIsSentTheCommandUntilStop) {
  scanAtReady({{"7.15", ""}}, "3", [](RadioFaults& f) { f.freqReportOffset = 1; });
  rig.at(8.5, [&] { click("cmdStop"); });
  EXPECT_EQ(runTo(9.0),
            (Lines{"8.00 U", "8.10 F0715000|", "8.26 F0715000|", "8.42 F0715000|", "9.00 '1|"}));
}

TEST_F(ScanFreqs, ModeWordsADelayBelowOneSecondAndStopDuringTheDwell) {
  scanAtReady({{"7.15", "am"}, {"7.16", "FM"}}, "0.4");  // AME; no such mode: left alone
  rig.at(kReady + 0.05, [&] { EXPECT_EQ(c("txtDelay").caption, "0.4"); });  // the keep-alive
  rig.at(kReady + 0.15, [&] { EXPECT_EQ(c("txtDelay").caption, "1"); });    // the dwell used
  rig.at(10.0, [&] {  // in the second row's dwell
    EXPECT_EQ(c("txtDelay").caption, "0");
    click("cmdStop");
    EXPECT_EQ(c("txtDelay").caption, "1");  // the dwell again, at once
  });
  rig.at(10.01, [&] {
    EXPECT_TRUE(c("cmdScan").visible);
    EXPECT_FALSE(c("cmdStop").visible);
    EXPECT_EQ(c("Check1", 1).backColor, ui::kRed);  // the current row stays highlighted
  });
  EXPECT_EQ(runTo(10.5), (Lines{"8.00 U", "8.10 M3|F1425000|", "8.46 F0715000|", "9.62 F0716000|",
                                "10.50 '1|", "10.76 U"}));
}

TEST(ScanFreqsEnd, PassWithNothingToTuneEndsAtOnceAndSendsNothing) {
  struct Case {
    const char* freqs[2];  // rows 0 and 1, both checked when `checked`
    bool checked;
    int highlighted;  // the row left red, -1 for none
  } cases[] = {
      {{"7.15", ""}, false, -1},  // no row checked
      {{"", "7.15"}, true, 0},    // a checked empty row: silently, the next is not reached
      {{"35.000", ""}, true, 0},  // an invalid frequency: "Frequency Error"
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.freqs[0]) + "," + k.freqs[1]);
    ScannerRig t;
    t.rig.at(kReady, [&] {
      for (int row = 0; row < 2; ++row) t.setRow(row, k.freqs[row], "", "", k.checked);
      t.scan();
    });
    t.rig.at(kReady + 0.05, [&] { EXPECT_TRUE(t.c("cmdStop").visible); });  // in the keep-alive
    t.rig.at(kReady + 0.2, [&] {
      EXPECT_TRUE(t.c("cmdScan").visible);
      EXPECT_FALSE(t.c("cmdStop").visible);
      EXPECT_EQ(t.c("Check1", 0).backColor, k.highlighted == 0 ? ui::kRed : ui::kLightGrey);
      EXPECT_EQ(t.c("Check1", 1).backColor, ui::kLightGrey);
      EXPECT_EQ(t.c("lblError").visible, k.freqs[0] == std::string("35.000"));
      t.scan();
    });
    t.rig.at(kReady + 0.25, [&] { EXPECT_FALSE(t.c("lblError").visible); });  // hidden at once
    t.closeAt(kReady + 0.5);
    t.rig.runFor(kReady + 0.51);
    EXPECT_EQ(timeline(t.rig, kReady), (Lines{"8.00 U", "8.20 U", "8.50 '1|"}));
  }
}

TEST(ListWindows, SilentRadioShowsNoComOnceTheKeepAliveGoesUnanswered) {
  struct Case {
    const char* form;
    void (*open)(ProgramRig&);
    void (*begin)(WindowRig&);  // at kReady
    long shownAfter;            // ms from the keep-alive to the first 50 ms sample of "No Com"
  } cases[] = {
      // Its 100 ms timer reads; the keep-alive's 0.1 s settle and a read's 0.8 s have passed.
      {"frmBandSelect", [](ProgramRig& r) { r.frm.band40MCmd(); }, [](WindowRig&) {}, 1000},
      {"frmScanFreqs", [](ProgramRig& r) { r.frm.mnuScanFreqs_Click(); },
       [](WindowRig& t) {  // the dwell on one row reads every 50 ms
         ui::userSetText(t.c("txtFreq", 0), "7.15");
         ui::userToggleCheck(t.c("Check1", 0));
         ui::userSetText(t.c("txtDelay"), "20");
         t.click("cmdScan");
       },
       1000},
      {"frmScanBands", [](ProgramRig& r) { r.frm.mnuScanBands_Click(); },
       [](WindowRig& t) {  // the pause reads every 0.3 s
         t.click("cmdPauseCont");
         t.click("cmd20M");
         t.click("cmdScanUp");
       },
       1040},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.form);
    WindowRig t(k.form, k.open);
    t.rig.at(kReady, [&] { k.begin(t); });
    t.rig.at(9.0, [&] { t.rig.radio.faults.silent = true; });
    double shown = 0;
    for (double at = 9.0; at < 13.0; at += 0.05) {
      t.rig.at(at, [&] {
        if (shown == 0 && t.rig.control("lblComStat").caption == "No Com") shown = t.rig.elapsed();
      });
    }
    t.rig.runFor(13.0);
    std::vector<double> sent = keepAlives(t.rig, 9.0, 13.0);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(std::lround((shown - sent[0]) * 1000), k.shownAfter);
  }
}

}  // namespace

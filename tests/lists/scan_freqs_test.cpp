// The scanner: its rules for the typed texts, its tune handshake, and the window in the whole
// program, opened from its menu ('@' stands for "frmScanFreqs/"), with its scan, its file and
// a radio that fails it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "lists/scan_rules.h"
#include "lists/tune_handshake.h"
#include "tests/panel/panel_table.h"
#include "tests/support/link_rig.h"

namespace {

using namespace panel_table;

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

// The tune handshake where the scenarios below do not reach it: a silent radio across
// midnight (0.1 s settle and two silent reads pass the 1.5 s), and an answer whose frequency
// line comes after an unrelated one.
TEST(TuneHandshake, SilentRadioIsAskedOnceAfterTheWaitEvenAcrossMidnight) {
  LinkRig rig(2, 86399.9);
  rig.scheduler.setStopTime(86399.9 + 60);  // a wait that misses midnight fails, never hangs
  rig.openPort();
  rig.radio.faults.silent = true;
  EXPECT_TRUE(lists::tuneHandshake(rig.link, "F0715000", [] { return false; }));
  EXPECT_EQ(timedWrites(rig.port, 86399.9), (std::vector<std::string>{"0 F0715000\n", "1.7 ?\n"}));
}

TEST(TuneHandshake, OtherLinesBeforeTheFrequencyLineAreReadThrough) {
  LinkRig rig;
  rig.openPort();
  rig.radio.faults.extraDelay = 0.5;
  rig.port.deliver({0.15, "A2\n"});
  EXPECT_TRUE(lists::tuneHandshake(rig.link, "F0715000", [] { return false; }));
  EXPECT_EQ(rig.radio.commandLog, (std::vector<std::string>{"F0715000"}));
  EXPECT_EQ(rig.link.gFreq, "F0715000");
}

/// The scanner opened at 0, which switches the PTT enable off; the writes list the keep-alives.
Scenario scanner(const std::string& script, std::vector<std::string> writes,
                 std::function<void(Rig&)> prepare = nullptr) {
  writes.insert(writes.begin(), "0 '0\n");
  return {inWindow("frmScanFreqs", "0 force mnuScanFreqs;" + script), writes, prepare, 2, true};
}

/// Steps at t that fill row k with its three texts and, when `checked`, tick it.
std::string row(const std::string& t, int k, const std::string& freq, const std::string& mode = "",
                const std::string& info = "", bool checked = true) {
  std::string at = t + " text @", i = "(" + std::to_string(k) + ") ";
  return at + "txtFreq" + i + freq + ";" + at + "txtMode" + i + mode + ";" + at + "txtInfo" + i +
         info + ";" + (checked ? t + " choose @Check1" + i + ";" : "");
}

TEST(ScanFreqs, TunesTheCheckedRowsInTurnEachForTheDwell) {
  const std::string ends =  // a pass that ends at once, a pass 2.2 s later, and the close
      "2 click @cmdScan;2.2 see @cmdScan.visible=1;2.2 see @Check1(1).back=grey;4.2 click "
      "@cmdScan;4.25 see @lblError.visible=0;4.5 close frmScanFreqs;2.2 see @Check1(0).back=";
  const std::vector<std::string> nothing = {"2 U", "4.2 U", "4.5 '1\n"};
  const Scenario scenarios[] = {
      // Each pass opens with the keep-alive; a row's mode goes before its frequency (0.3 s and
      // a read); the next row comes 2 s after the confirmation (0.1 s settle and its read). An
      // unchecked row is passed over; a close in the mode's wait ends before the frequency.
      scanner(row("2", 0, "7.15", "LSB", "forty meters") + row("2", 1, "10.1", "CW", "", false) +
                  row("2", 2, "14.250", "USB", "twenty") +
                  "2 text @txtDelay 2;2 click @cmdScan;3.7 see @txtDelay=1;3.7 see "
                  "@Check1(0).back=red;3.7 see lblInfo=forty meters;3.7 see cmdF=0715000;3.7 see "
                  "@cmdScan.visible=0;3.7 see @cmdStop.visible=1;5.5 see @Check1(0).back=grey;5.5 "
                  "see @Check1(2).back=red;5.5 see lblInfo=twenty;7.3 close frmScanFreqs",
              {"2 U", "2.1 M2\nF1425000\n", "2.46 F0715000\n", "4.1 U", "4.62 M1\nF0715000\n",
               "4.98 F1425000\n", "6.2 U", "7.140001 M2\nF1425000\n", "7.500001 '1\n"}),
      // A silent radio: 0.1 s settle and two silent reads pass the 1.5 s, then "?" with its
      // 0.4 s settle and one read, and the dwell; never confirmed, the digits are left alone.
      // A close in the next pass ends it after its first read, and the panel is back.
      scanner(row("2", 0, "7.15") +
                  "2 text @txtDelay 2;2 silent;2 click @cmdScan;6 see cmdF=1425000;7.05 close "
                  "frmScanFreqs;7.95 see form=1",
              {"2 U", "2.1 F0715000\n", "3.8 ?\n", "5 U", "7 F0715000\n", "7.9 '1\n", "8.9 U"}),
      // A radio on another frequency is sent the command again until Stop.
      scanner(row("2", 0, "7.15") +
                  "2 text @txtDelay 3;2 click @cmdScan;2.5 click @cmdStop;3 close frmScanFreqs",
              {"2 U", "2.1 F0715000\n", "2.26 F0715000\n", "2.42 F0715000\n", "3 '1\n"},
              [](Rig& r) { r.at(kReady + 2, [&r] { r.radio.faults.freqReportOffset = 1; }); }),
      // Mode words: "am" is AME, "FM" no mode (left alone). A delay below 1 s dwells 1 s, shown
      // once the keep-alive is out; Stop in the dwell shows the dwell again at once and leaves
      // the current row highlighted.
      scanner(row("2", 0, "7.15", "am") + row("2", 1, "7.16", "FM") +
                  "2 text @txtDelay 0.4;2 click @cmdScan;2.05 see @txtDelay=0.4;2.15 see "
                  "@txtDelay=1;4 see @txtDelay=0;4 click @cmdStop;4 see @txtDelay=1;4.01 see "
                  "@cmdScan.visible=1;4.01 see @cmdStop.visible=0;4.01 see @Check1(1).back=red;4.5 "
                  "close frmScanFreqs",
              {"2 U", "2.1 M3\nF1425000\n", "2.46 F0715000\n", "3.62 F0716000\n", "4.5 '1\n",
               "4.76 U"}),
      // A silent radio shows "No Com" 1.0 s after the keep-alive it leaves unanswered.
      scanner(row("2", 0, "7.15") + "2 text @txtDelay 20;2 click @cmdScan;3 silent;5.099 see "
                                    "lblComStat=Com OK;5.101 see lblComStat=No Com",
              {"2 U", "2.1 F0715000\n", "4.1 U"}),
      // Nothing to tune, the pass ends at once: no row checked, a checked empty row (silently,
      // the next row not reached), an invalid frequency ("Frequency Error", hidden by a pass).
      scanner(row("2", 0, "7.15", "", "", false) + ends + "grey", nothing),
      scanner(row("2", 0, "") + row("2", 1, "7.15") + ends + "red", nothing),
      scanner(row("2", 0, "35.000") + "2.2 see @lblError.visible=1;" + ends + "red", nothing),
      // Opened while XMT keys: the transmission ends first, by XMT's off click, so that no
      // "K" keys the radio again on the scan's last frequency, out of band here.
      {inWindow("frmScanFreqs",
                "-0.5 force cmdXmit;0 force mnuScanFreqs;" + row("1", 0, "10.0") +
                    "1 click @cmdScan;2 close frmScanFreqs;2.5 see cmdXmit=&XMT ON"),
       {"0.1 '0\n", "1.1 F1000000\n"}},
  };
  for (const Scenario& s : scenarios) run(s);
}

/// A scanner file: the given row lines, blank rows up to 13, then the dwell line if any.
std::string scanFile(const std::vector<std::string>& rows, const char* dwell) {
  std::string text;
  for (size_t k = 0; k < 13; ++k) text += (k < rows.size() ? rows[k] : "  ") + "\r\n";
  if (dwell != nullptr) text += std::string(dwell) + "\r\n";
  return text;
}

TEST(ScanFreqs, OpeningReadsTheRowsAndTheDwellOfTheFile) {
  std::vector<std::string> rows(13, "  ");  // an empty line, then the last row, too
  rows[0] = "7.15 LSB forty  meters ", rows[1] = "", rows[12] = "14.250 USB";
  const std::pair<const char*, const char*> dwells[] = {
      {"5.0", "5"},    // a whole number written with a point
      {"2.5", "2"},    // rounded, a half to the even number
      {"", "0"},       // an empty dwell line: only a scan pass makes it 1
      {nullptr, "3"},  // a file that ends before its dwell line keeps the default
  };
  for (auto [dwell, shown] : dwells) {
    run(scanner(std::string("0.5 see @txtDelay=") + shown +
                    ";0.5 see @txtFreq(0)=7.15;0.5 see @txtMode(0)=LSB;0.5 see @txtInfo(0)=forty  "
                    "meters ;0.5 see @txtFreq(1)=;0.5 see @txtFreq(12)=14.250;0.5 see "
                    "@txtMode(12)=USB;0.5 see @txtInfo(12)=;0.5 see txtInfo=",
                {}, [&rows, file = dwell](Rig& r) {
                  r.folder.write("ScanFreqs.txt", scanFile(rows, file));
                }));
  }
  // No file: empty rows, the default dwell and fileExists' message; the window lies over the
  // disabled panel's band frame, at its top.
  run(
      scanner("0.5 see @txtDelay=3;0.5 see @txtFreq(0)=;0.5 see txtInfo=fileExists(ScanFreqs.txt): "
              "Err 2. No such file or directory;0.5 see form=0",
              {}, [](Rig& r) {
                r.at(kReady + 0.5, [&r] {
                  ui::Form* w = r.ui.findForm("frmScanFreqs");
                  EXPECT_EQ(w->top, r.frm.form.top);
                  EXPECT_EQ(w->left, r.frm.form.left + r.frm.form.width - r.frm.fraBand.width);
                });
              }));
}

TEST(ScanFreqs, WriteFileWritesTheRowsAndTheDelayAsShownOrTheDwellInUse) {
  const std::string rows = row("2", 0, "7.15", "LSB", "forty meters") +
                           row("2", 2, "14.250", "", "no mode", false) + "2 text @txtDelay 2.5;";
  auto written = [](const char* dwell) {
    return [dwell](Rig& r) {
      EXPECT_EQ(r.folder.read("ScanFreqs.txt"),
                scanFile({"7.15 LSB forty meters", "  ", "14.250  no mode"}, dwell));
    };
  };
  run(scanner(rows + "2 click @cmdWriteFile", {}), written("2.5"));
  // In the scan the box counts the seconds of the 2 s dwell.
  run(scanner(rows + "2 click @cmdScan;3.7 see @txtDelay=1;3.7 click @cmdWriteFile",
              {"2 U", "2.1 M2\nF1425000\n", "2.46 F0715000\n", "4.1 U", "4.62 F0715000\n"}),
      written("2"));
  // A file that cannot be written: told, the window stays, the file kept.
  run(scanner(rows + "2 click @cmdWriteFile;3 see @txtDelay=2.5", {},
              [](Rig& r) {
                r.folder.write("ScanFreqs.txt", "kept");
                ::chmod(r.folder.file("ScanFreqs.txt").c_str(), 0444);
              }),
      [](Rig& r) {
        EXPECT_EQ(r.folder.read("ScanFreqs.txt"), "kept");
        EXPECT_EQ(r.ui.messageBoxes(),
                  std::vector<std::string>{"ScanFreqs.txt: Err 13. Permission denied"});
      });
}

}  // namespace

// The band list window in the whole program: opened by a band button once the panel is in
// REMOTE operation, driven through its controls on the virtual clock.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/lists/scan_script.h"

namespace {

using namespace scan_script;
using Row = std::vector<std::string>;

/// The band list opened with a band button.
struct BandListRig : WindowRig {
  explicit BandListRig(int firmware = 2, const std::string& button = "cmd40M")
      : WindowRig(
            "frmBandSelect", [button](ProgramRig& r) { r.click(button); }, firmware) {}
  void choose(int row) { EXPECT_TRUE(ui::userChooseOption(c("Option1", row))) << row; }
};

constexpr double kShown = kOpen + 0.5;  // the list is open and filled

const char kFortyList[] =
    "7.150 LSB Net control\r\n"
    "35.000 USB too high\r\n"
    "7.200 xyz unknown mode\r\n"
    "14.25 USB later equal\r\n";

TEST(BandList, OpensTheListOfItsBand) {
  struct Case {
    const char* button;
    const char* file;
    const char* content;  // nullptr: no file
    const char* frame;
    Row first;
  } cases[] = {
      {"cmd40M", "M40List.txt", kFortyList, "40 Meters", {"7.150", "LSB", "Net control"}},
      {"cmd40M", "M40List.txt", nullptr, "40 Meters", {"", "", ""}},  // empty rows
      {"cmdWWV", "WWVList.txt", "10.000 AME WWV\r\n", "WWV", {"10.000", "AME", "WWV"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.content ? k.file : "no file");
    BandListRig b(2, k.button);
    if (k.content) b.rig.folder.write(k.file, k.content);
    b.rig.at(kShown, [&] {
      ASSERT_NE(b.window(), nullptr);
      EXPECT_EQ(b.window()->caption,
                k.content ? b.rig.folder.path() + "/" + k.file : "Frequency Select");
      EXPECT_EQ(b.c("fraBand").caption, k.frame);
      EXPECT_EQ(b.row(0), k.first);
      EXPECT_EQ(b.row(13), (Row{"14.25000", "USB", ""}));  // the radio's frequency and mode
    });
    b.rig.runFor(kShown + 0.5);
  }
}

TEST(BandList, IsPulledBackOntoTheScreen) {
  BandListRig b;
  b.rig.at(kOpen - 1.0, [&] {
    b.rig.ui.setScreenSize(800 * 15, 600 * 15);
    b.rig.frm.form.left = 9000;
    b.rig.frm.form.top = 3000;
    b.rig.frm.fraBand.width = 1000;
  });
  b.rig.at(kShown, [&] {
    EXPECT_EQ(b.window()->left, 800 * 15 - 4860);  // right edge on the screen
    EXPECT_EQ(b.window()->top, 600 * 15 - 8196);   // bottom edge on the screen
  });
  b.rig.runFor(kShown + 0.5);
}

TEST(BandList, ChoosingARowTunesThenSetsTheMode) {
  struct Case {
    int firmware;
    int row;
    std::vector<std::string> commands;
    int freq, mode;  // the radio's afterwards
    const char* info;
  };
  const Case cases[] = {
      // 7.150 LSB from 14.25 USB: one step, and the PTT enable put back.
      {1, 0, {"F0715000", "M", "'"}, 715000, 2, "Net control"},
      {2, 0, {"F0715000", "M2", "F0715000"}, 715000, 2, "Net control"},  // absolute, with F
      {3, 0, {"F0715000", "m"}, 715000, 2, "Net control"},               // the lower-case step
      {2, 2, {"F0720000"}, 720000, 1, "unknown mode"},  // an unknown mode word: the frequency only
      {2, 5, {}, 1425000, 1, ""},                       // an empty row: nothing
  };
  for (const Case& c : cases) {
    BandListRig b(c.firmware);
    b.rig.folder.write("M40List.txt", kFortyList);
    std::size_t before = 0;
    b.rig.at(kShown, [&] {
      before = b.rig.commands().size();
      b.choose(c.row);
    });
    b.rig.at(kShown + 3.5, [&] {
      SCOPED_TRACE(c.row);
      EXPECT_EQ(commandsFrom(b.rig, before, false), c.commands);
      EXPECT_EQ(b.rig.radio.state.freq, c.freq);
      EXPECT_EQ(b.rig.radio.state.mode, c.mode);
      EXPECT_EQ(b.rig.control("lblInfo").caption, c.info);
      EXPECT_TRUE(b.c("SyncTimer").enabled);  // back on after the choice
    });
    b.rig.runFor(kShown + 4.0);
  }
}

TEST(BandList, ARefusedRowShowsTheErrorStateUntilAValidChoice) {
  BandListRig b;
  b.rig.folder.write("M40List.txt", kFortyList);
  std::size_t before = 0;
  b.rig.at(kShown, [&] {
    before = b.rig.commands().size();
    b.choose(1);  // 35.000
    EXPECT_TRUE(b.c("lblError").visible);
    EXPECT_EQ(b.c("txtFreq", 1).foreColor, ui::kRed);
    EXPECT_EQ(b.c("Option1", 1).value, 0);  // unselected
    EXPECT_FALSE(b.c("cmdWriteFile").enabled);
  });
  b.rig.at(kShown + 0.5, [&] {
    EXPECT_TRUE(commandsFrom(b.rig, before, false).empty());  // nothing was sent for it
    ui::userSetText(b.c("txtFreq", 1), "7.100");              // mended, and chosen again
    b.choose(1);
    EXPECT_FALSE(b.c("lblError").visible);
    EXPECT_TRUE(b.c("cmdWriteFile").enabled);
    EXPECT_EQ(b.c("txtFreq", 1).foreColor, ui::kSysWindowText);
  });
  b.rig.runFor(kShown + 3.5);
  EXPECT_EQ(b.rig.radio.state.freq, 710000);
}

TEST(BandList, GetFreqCopiesOnlyAValidFrequency) {
  struct Case {
    const char* freq;
    const char* mode;
    const char* text;  // row 13's frequency text afterwards
    const char* word;  // row 13's mode text afterwards
  };
  const Case cases[] = {
      {"F0180000", "M4", "1.80000", "CW"},    // one-digit MHz part
      {"F2999999", "M3", "29.99999", "AME"},  // the top of the range
      {"F14250: ", "M2", "29.99999", "AME"},  // garbled: row 13 keeps its texts
      {"F0715000", "M9", "7.15000", "AME"},   // unknown mode: mode text kept
  };
  BandListRig b;
  b.rig.at(kShown, [&] {
    for (const Case& c : cases) {
      b.rig.link.gFreq = c.freq;
      b.rig.link.gMode = c.mode;
      b.click("cmdGetFreq");
      EXPECT_EQ(b.c("txtFreq", 13).caption, c.text) << c.freq;
      EXPECT_EQ(b.c("txtMode", 13).caption, c.word) << c.freq;
    }
  });
  b.rig.runFor(kShown + 0.5);
}

TEST(BandList, SortThenExitLeavesTheFileAsItWas) {
  BandListRig b;
  b.rig.folder.write("M40List.txt", kFortyList);
  b.rig.at(kShown, [&] {
    b.click("cmdSort");
    // Row 3 and row 13 are equal: the later one comes first.
    EXPECT_EQ(b.freqs(5), (Row{"7.150", "7.200", "14.25000", "14.25", "35.000"}));
    EXPECT_EQ(b.c("txtFreq", 13).caption, "");
    b.click("cmdExit");
  });
  b.rig.at(kShown + 1.5, [&] { b.rig.click("cmd40M"); });
  b.rig.at(kShown + 2.0, [&] { EXPECT_EQ(b.freqs(2), (Row{"7.150", "35.000"})); });  // as before
  b.rig.runFor(kShown + 2.5);
  EXPECT_EQ(b.rig.folder.read("M40List.txt"), kFortyList);
}

TEST(BandList, WriteFileSavesTheFourteenRowsOrReportsWhyNot) {
  // Row 0 as typed, rows 1 to 3 as read, the empty rows, the radio's row.
  std::string written = "7.074 USB FT8 calling\r\n" + std::string(kFortyList).substr(23);
  for (int k = 4; k < 13; ++k) written += "  \r\n";
  written += "14.25000 USB \r\n";
  for (bool readOnly : {false, true}) {
    BandListRig b;
    b.rig.folder.write("M40List.txt", kFortyList);
    if (readOnly) ::chmod(b.rig.folder.file("M40List.txt").c_str(), 0444);
    b.rig.at(kShown, [&] {
      ui::userSetText(b.c("txtFreq", 0), "7.074");
      ui::userSetText(b.c("txtMode", 0), "USB");
      ui::userSetText(b.c("txtInfo", 0), "FT8 calling");
      b.click("cmdWriteFile");
    });
    b.rig.runFor(kShown + 0.5);
    // A failed write keeps the old file whole; either way no temporary file is left.
    EXPECT_EQ(b.rig.folder.read("M40List.txt"), readOnly ? kFortyList : written);
    EXPECT_EQ(b.rig.folder.list().size(), 2u);  // PortSetup.txt and the list
    EXPECT_EQ(b.rig.ui.messageBoxes(),
              readOnly ? std::vector<std::string>{"M40List.txt: Err 13. Permission denied"}
                       : std::vector<std::string>{});
  }
}

TEST(BandList, TimerKeepsTheLinkAliveAndShowsTheRadiosReports) {
  struct Case {
    bool remote;
    const char* keepAlive;
    double interval;  // 31 ticks of 0.1 s, and the read's 0.06 s quiet period of an answer
  } cases[] = {
      {true, "U", 3.16},  // REMOTE operation: the radio answers the keep-alive
      {false, " ", 3.1},  // LOCAL operation passes a blank, which it does not answer
  };
  for (const Case& c : cases) {
    BandListRig b;
    b.rig.radio.state.remote = c.remote;
    // The radio's own knob moves it to 7.1 MHz: its report reaches the panel on a tick.
    b.rig.at(kShown, [&] {
      b.rig.radio.state.freq = 710000;
      b.rig.port.deliver({0.0, "F0710000\n", false});
    });
    b.rig.at(kShown + 0.2, [&] { EXPECT_EQ(b.rig.control("cmdF", 1).caption, "7") << c.remote; });
    b.rig.at(kOpen + 19.9, [&] { EXPECT_NE(b.window(), nullptr); });  // still open
    b.rig.runFor(kOpen + 20.0);
    auto times = timesOf(b.rig, c.keepAlive, kOpen + 0.1, kOpen + 20.0);
    ASSERT_GE(times.size(), 5u) << c.remote;
    for (std::size_t i = 1; i < times.size(); ++i) {
      EXPECT_NEAR(times[i] - times[i - 1], c.interval, 1e-6) << c.remote << " " << i;
    }
  }
}

TEST(BandList, ClosingWhileAChoiceWaitsStopsItSafely) {
  BandListRig b;
  b.rig.folder.write("M40List.txt", kFortyList);
  std::size_t before = 0;
  b.rig.at(kShown, [&] {
    before = b.rig.commands().size();
    b.choose(0);
  });
  b.rig.at(kShown + 0.2, [&] {  // inside the frequency's settle time
    b.window()->close();
    EXPECT_FALSE(b.window()->visible);  // hidden at once
  });
  b.rig.runFor(kShown + 3.5);
  EXPECT_EQ(b.window(), nullptr);
  // The frequency went out before the close; the mode and the info text did not follow.
  EXPECT_EQ(commandsFrom(b.rig, before, false), std::vector<std::string>{"F0715000"});
  EXPECT_EQ(b.rig.control("lblInfo").caption, "");
}

}  // namespace

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
      {"cmdWWV",
       "WWVList.txt",
       "10.000 AME WWV\r\n",
       "WWV",
       {"10.000", "AME", "WWV"}},  // no "Meters"
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.content ? k.file : "no file");
    BandListRig b(2, k.button);
    if (k.content) b.rig.folder.write(k.file, k.content);
    b.rig.at(kShown, [&] {
      ASSERT_NE(b.window(), nullptr);
      EXPECT_TRUE(b.window()->visible);
      EXPECT_FALSE(b.rig.frm.form.enabled);  // the panel waits under the list
      EXPECT_EQ(b.window()->caption,
                k.content ? b.rig.folder.path() + "/" + k.file : "Frequency Select");
      if (!k.content) {
        EXPECT_NE(b.rig.control("txtInfo").caption->find(std::string("fileExists(") + k.file +
                                                         "): Err 2."),
                  std::string::npos);
      }
      EXPECT_EQ(b.c("fraBand").caption, k.frame);
      EXPECT_EQ(b.row(0), k.first);
      EXPECT_EQ(b.row(4), (Row{"", "", ""}));
      // Row 13 holds the radio's frequency and mode, in pale yellow.
      EXPECT_EQ(b.row(13), (Row{"14.25000", "USB", ""}));
      EXPECT_EQ(b.c("txtFreq", 13).backColor, 0xC0FFFFu);
      EXPECT_EQ(b.c("txtInfo", 13).backColor, 0x80FFFFu);
      EXPECT_EQ(b.c("txtInfo", 12).backColor, ui::kFrameGrey);
      EXPECT_TRUE(b.c("SyncTimer").enabled);
      EXPECT_EQ(b.c("SyncTimer").interval, 100);
      EXPECT_FALSE(b.c("lblError").visible);
      b.click("cmdExit");
    });
    b.rig.at(kShown + 0.5, [&] {
      EXPECT_EQ(b.window(), nullptr);  // destroyed after its modal show
      EXPECT_TRUE(b.rig.frm.form.enabled);
    });
    b.rig.runFor(kShown + 1.0);
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
      SCOPED_TRACE(c.commands.back());
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
    EXPECT_EQ(b.c("lblError").foreColor, ui::kRed);
    EXPECT_EQ(b.c("txtFreq", 1).foreColor, ui::kRed);
    EXPECT_EQ(b.c("Option1", 1).value, 0);  // unselected
    for (const char* button : {"cmdGetFreq", "cmdSort", "cmdWriteFile"}) {
      EXPECT_FALSE(b.c(button).enabled) << button;
    }
    EXPECT_TRUE(b.c("cmdExit").enabled);
    EXPECT_TRUE(b.c("SyncTimer").enabled);
  });
  b.rig.at(kShown + 0.5, [&] {
    EXPECT_TRUE(commandsFrom(b.rig, before, false).empty());  // nothing was sent for it
    b.choose(0);
    EXPECT_FALSE(b.c("lblError").visible);
    for (const char* button : {"cmdGetFreq", "cmdSort", "cmdWriteFile"}) {
      EXPECT_TRUE(b.c(button).enabled) << button;
    }
    EXPECT_EQ(b.c("txtFreq", 0).foreColor, ui::kSysWindowText);
  });
  b.rig.runFor(kShown + 3.5);
  EXPECT_EQ(b.rig.radio.state.freq, 715000);
}

TEST(BandList, AnEmptyRowDoesNothing) {
  BandListRig b;
  std::size_t before = 0;
  b.rig.at(kShown, [&] {
    before = b.rig.commands().size();
    b.choose(5);
    EXPECT_EQ(b.c("Option1", 5).value, 1);  // stays chosen
  });
  b.rig.runFor(kShown + 1.5);
  EXPECT_TRUE(commandsFrom(b.rig, before, false).empty());
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

TEST(BandList, WriteFileSavesTheFourteenRows) {
  BandListRig b;
  b.rig.at(kShown, [&] {
    ui::userSetText(b.c("txtFreq", 0), "7.074");
    ui::userSetText(b.c("txtMode", 0), "USB");
    ui::userSetText(b.c("txtInfo", 0), "FT8 calling");
    b.click("cmdWriteFile");
  });
  b.rig.runFor(kShown + 0.5);
  std::string expected = "7.074 USB FT8 calling\r\n";
  for (int k = 1; k < 13; ++k) expected += "  \r\n";
  expected += "14.25000 USB \r\n";
  EXPECT_EQ(b.rig.folder.read("M40List.txt"), expected);
  EXPECT_EQ(b.rig.folder.list().size(), 2u);  // PortSetup.txt and the list, no leftovers
  EXPECT_TRUE(b.rig.ui.messageBoxes().empty());
}

TEST(BandList, AFailedWriteShowsTheMessageAndKeepsTheFile) {
  BandListRig b;
  b.rig.folder.write("M40List.txt", kFortyList);
  ::chmod(b.rig.folder.file("M40List.txt").c_str(), 0444);
  b.rig.at(kShown, [&] {
    ui::userSetText(b.c("txtFreq", 0), "7.000");
    b.click("cmdWriteFile");
    EXPECT_TRUE(b.window()->visible);  // the window stays open
    EXPECT_EQ(b.c("txtFreq", 0).caption, "7.000");
  });
  b.rig.runFor(kShown + 0.5);
  EXPECT_EQ(b.rig.ui.messageBoxes(),
            std::vector<std::string>{"M40List.txt: Err 13. Permission denied"});
  EXPECT_EQ(b.rig.folder.read("M40List.txt"), kFortyList);
  EXPECT_EQ(b.rig.folder.list().size(), 2u);  // PortSetup.txt and the list, no leftovers
}

TEST(BandList, KeepsTheLinkAliveEveryThirtyFirstTick) {
  struct Case {
    bool remote;
    const char* keepAlive;
  } cases[] = {
      {true, "U"},   // REMOTE operation; a healthy link stays "Com OK" throughout
      {false, " "},  // LOCAL operation passes a blank
  };
  for (const Case& c : cases) {
    BandListRig b;
    b.rig.radio.state.remote = c.remote;
    b.rig.at(kOpen + 19.9, [&] {
      EXPECT_NE(b.window(), nullptr);  // still open
      EXPECT_EQ(b.rig.frm.panelMode, c.remote ? "REMOTE" : "LOCAL");
      EXPECT_EQ(b.rig.control("lblComStat").caption, "Com OK");
    });
    b.rig.runFor(kOpen + 20.0);
    auto times = timesOf(b.rig, c.keepAlive, kOpen + 0.1, kOpen + 20.0);
    ASSERT_GE(times.size(), 5u) << c.remote;
    for (std::size_t i = 1; i < times.size(); ++i) {
      EXPECT_NEAR(times[i] - times[i - 1], 3.1, 0.15) << c.remote << " " << i;
    }
  }
}

TEST(BandList, ClosingWhileAChoiceWaitsStopsItSafely) {
  struct Case {
    const char* how;
    double closeAfter;  // seconds after the choice: inside the frequency's settle time
  };
  const Case cases[] = {{"close box", 0.2}, {"Exit", 0.3}};
  for (const Case& c : cases) {
    BandListRig b;
    b.rig.folder.write("M40List.txt", kFortyList);
    std::size_t before = 0;
    b.rig.at(kShown, [&] {
      before = b.rig.commands().size();
      b.choose(0);
    });
    b.rig.at(kShown + c.closeAfter, [&] {
      if (std::string(c.how) == "Exit") {
        b.click("cmdExit");
      } else {
        b.window()->close();
      }
      EXPECT_FALSE(b.window()->visible);  // hidden at once
      EXPECT_TRUE(b.rig.frm.form.enabled);
    });
    b.rig.runFor(kShown + 3.5);
    EXPECT_EQ(b.window(), nullptr) << c.how;
    // The frequency went out before the close; the mode and the info text did not follow.
    EXPECT_EQ(commandsFrom(b.rig, before, false), std::vector<std::string>{"F0715000"}) << c.how;
    EXPECT_EQ(b.rig.control("lblInfo").caption, "") << c.how;
  }
}

}  // namespace

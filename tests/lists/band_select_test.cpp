// The band list window in the whole program: opened by a band button once the panel is in
// REMOTE operation, driven through its controls on the virtual clock.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/ui/user_actions.h"
#include "tests/support/program_rig.h"

namespace {

constexpr double kOpen = 8.0;  // REMOTE is reached at about 6 s

/// A program whose band list is opened with a band button at kOpen.
struct BandListRig {
  explicit BandListRig(int firmware = 2, const char* button = "cmd40M") : rig(firmware) {
    rig.writePortSetup();
    rig.at(kOpen, [this, button] { rig.click(button); });
  }
  ui::Control& c(const std::string& name, int index = -1) {
    return rig.ui.control("frmBandSelect", name, index);
  }
  ui::Form* window() { return rig.ui.findForm("frmBandSelect"); }
  bool choose(int row) { return ui::userChooseOption(c("Option1", row)); }
  bool click(const std::string& name) { return ui::userClick(c(name)); }
  /// The commands the radio received since `from`, keep-alives left out.
  std::vector<std::string> commandsSince(std::size_t from) const {
    std::vector<std::string> result;
    const auto& log = rig.commands();
    for (std::size_t i = from; i < log.size(); ++i) {
      if (log[i] != "U" && log[i] != "K" && log[i] != " ") result.push_back(log[i]);
    }
    return result;
  }

  ProgramRig rig;
};

const char kFortyList[] =
    "7.150 LSB Net control\r\n"
    "35.000 USB too high\r\n"
    "7.200 xyz unknown mode\r\n"
    "14.25 USB later equal\r\n";

TEST(BandList, OpensTheFortyMetreListFromItsFile) {
  BandListRig b;
  b.rig.folder.write("M40List.txt", kFortyList);
  b.rig.at(kOpen + 0.5, [&] {
    ASSERT_NE(b.window(), nullptr);
    EXPECT_TRUE(b.window()->visible);
    EXPECT_FALSE(b.rig.frm.form.enabled);  // the panel waits under the list
    EXPECT_EQ(b.window()->caption, b.rig.folder.path() + "/M40List.txt");
    EXPECT_EQ(b.c("fraBand").caption, "40 Meters");
    EXPECT_EQ(b.c("txtFreq", 0).caption, "7.150");
    EXPECT_EQ(b.c("txtMode", 0).caption, "LSB");
    EXPECT_EQ(b.c("txtInfo", 0).caption, "Net control");
    EXPECT_EQ(b.c("txtFreq", 4).caption, "");
    // Row 13 holds the radio's frequency and mode, in pale yellow.
    EXPECT_EQ(b.c("txtFreq", 13).caption, "14.25000");
    EXPECT_EQ(b.c("txtMode", 13).caption, "USB");
    EXPECT_EQ(b.c("txtFreq", 13).backColor, 0xC0FFFFu);
    EXPECT_EQ(b.c("txtInfo", 13).backColor, 0x80FFFFu);
    EXPECT_EQ(b.c("txtInfo", 12).backColor, ui::kFrameGrey);
    EXPECT_TRUE(b.c("SyncTimer").enabled);
    EXPECT_EQ(b.c("SyncTimer").interval, 100);
    EXPECT_FALSE(b.c("lblError").visible);
    b.click("cmdExit");
  });
  b.rig.at(kOpen + 1.0, [&] {
    EXPECT_EQ(b.window(), nullptr);  // destroyed after its modal show
    EXPECT_TRUE(b.rig.frm.form.enabled);
  });
  b.rig.runFor(kOpen + 2.0);
}

TEST(BandList, WithoutItsFileShowsEmptyRowsAndTheRadiosFrequency) {
  BandListRig b;
  b.rig.at(kOpen + 0.5, [&] {
    EXPECT_EQ(b.window()->caption, "Frequency Select");
    for (int k = 0; k < 13; ++k) EXPECT_EQ(b.c("txtFreq", k).caption, "") << k;
    EXPECT_EQ(b.c("txtFreq", 13).caption, "14.25000");
    EXPECT_NE(b.rig.control("txtInfo").caption.find("fileExists(M40List.txt): Err 2."),
              std::string::npos);
  });
  b.rig.runFor(kOpen + 1.0);
}

TEST(BandList, WwvListIsNamedByItsKeyAlone) {
  BandListRig b(2, "cmdWWV");
  b.rig.folder.write("WWVList.txt", "10.000 AME WWV\r\n");
  b.rig.at(kOpen + 0.5, [&] {
    EXPECT_EQ(b.c("fraBand").caption, "WWV");
    EXPECT_EQ(b.c("txtInfo", 0).caption, "WWV");
  });
  b.rig.runFor(kOpen + 1.0);
}

TEST(BandList, IsPulledBackOntoTheScreen) {
  BandListRig b;
  b.rig.at(kOpen - 1.0, [&] {
    b.rig.ui.setScreenSize(800 * 15, 600 * 15);
    b.rig.frm.form.left = 9000;
    b.rig.frm.form.top = 3000;
    b.rig.frm.form.width = 10692;
    b.rig.frm.fraBand.width = 1000;
  });
  b.rig.at(kOpen + 0.5, [&] {
    EXPECT_EQ(b.window()->left, 800 * 15 - 4860);  // right edge on the screen
    EXPECT_EQ(b.window()->top, 600 * 15 - 8196);   // bottom edge on the screen
  });
  b.rig.runFor(kOpen + 1.0);
}

TEST(BandList, ChoosingARowTunesThenSetsTheModeForEachFirmware) {
  struct Case {
    int firmware;
    std::vector<std::string> commands;
  };
  const Case cases[] = {
      {1, {"F0715000", "M", "'"}},          // one step from USB to LSB, PTT enable put back
      {2, {"F0715000", "M2", "F0715000"}},  // absolute code with the frequency
      {3, {"F0715000", "m"}},               // the non-adaptive step
  };
  for (const Case& c : cases) {
    BandListRig b(c.firmware);
    b.rig.folder.write("M40List.txt", kFortyList);
    std::size_t before = 0;
    b.rig.at(kOpen + 0.5, [&] {
      before = b.rig.commands().size();
      b.choose(0);
    });
    b.rig.at(kOpen + 4.0, [&] {
      EXPECT_EQ(b.commandsSince(before), c.commands) << "firmware " << c.firmware;
      EXPECT_EQ(b.rig.radio.state.freq, 715000);
      EXPECT_EQ(b.rig.radio.state.mode, 2);
      EXPECT_EQ(b.rig.control("lblInfo").caption, "Net control");
      EXPECT_TRUE(b.c("SyncTimer").enabled);  // back on after the choice
    });
    b.rig.runFor(kOpen + 5.0);
  }
}

TEST(BandList, AnUnknownModeWordTunesTheFrequencyOnly) {
  BandListRig b;
  b.rig.folder.write("M40List.txt", kFortyList);
  std::size_t before = 0;
  b.rig.at(kOpen + 0.5, [&] {
    before = b.rig.commands().size();
    b.choose(2);
  });
  b.rig.at(kOpen + 3.0, [&] {
    EXPECT_EQ(b.commandsSince(before), std::vector<std::string>{"F0720000"});
    EXPECT_EQ(b.rig.radio.state.mode, 1);
  });
  b.rig.runFor(kOpen + 4.0);
}

TEST(BandList, ARefusedRowShowsTheErrorStateUntilAValidChoice) {
  BandListRig b;
  b.rig.folder.write("M40List.txt", kFortyList);
  std::size_t before = 0;
  b.rig.at(kOpen + 0.5, [&] {
    before = b.rig.commands().size();
    b.choose(1);  // 35.000
    EXPECT_TRUE(b.c("lblError").visible);
    EXPECT_EQ(b.c("lblError").foreColor, ui::kRed);
    EXPECT_EQ(b.c("txtFreq", 1).foreColor, ui::kRed);
    EXPECT_EQ(b.c("Option1", 1).value, 0);  // unselected
    EXPECT_FALSE(b.c("cmdGetFreq").enabled);
    EXPECT_FALSE(b.c("cmdSort").enabled);
    EXPECT_FALSE(b.c("cmdWriteFile").enabled);
    EXPECT_TRUE(b.c("cmdExit").enabled);
    EXPECT_TRUE(b.c("SyncTimer").enabled);
  });
  b.rig.at(kOpen + 1.0, [&] {
    EXPECT_TRUE(b.commandsSince(before).empty());  // nothing was sent for it
    b.choose(0);
    EXPECT_FALSE(b.c("lblError").visible);
    EXPECT_TRUE(b.c("cmdGetFreq").enabled);
    EXPECT_TRUE(b.c("cmdSort").enabled);
    EXPECT_TRUE(b.c("cmdWriteFile").enabled);
    EXPECT_EQ(b.c("txtFreq", 0).foreColor, ui::kSysWindowText);
  });
  b.rig.runFor(kOpen + 4.0);
  EXPECT_EQ(b.rig.radio.state.freq, 715000);
}

TEST(BandList, AnEmptyRowDoesNothing) {
  BandListRig b;
  std::size_t before = 0;
  b.rig.at(kOpen + 0.5, [&] {
    before = b.rig.commands().size();
    b.choose(5);
    EXPECT_EQ(b.c("Option1", 5).value, 1);  // stays chosen
  });
  b.rig.runFor(kOpen + 2.0);
  EXPECT_TRUE(b.commandsSince(before).empty());
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
  b.rig.at(kOpen + 0.5, [&] {
    for (const Case& c : cases) {
      b.rig.link.gFreq = c.freq;
      b.rig.link.gMode = c.mode;
      b.click("cmdGetFreq");
      EXPECT_EQ(b.c("txtFreq", 13).caption, c.text) << c.freq;
      EXPECT_EQ(b.c("txtMode", 13).caption, c.word) << c.freq;
    }
  });
  b.rig.runFor(kOpen + 1.0);
}

TEST(BandList, SortThenExitLeavesTheFileAsItWas) {
  BandListRig b;
  b.rig.folder.write("M40List.txt", kFortyList);
  b.rig.at(kOpen + 0.5, [&] {
    b.click("cmdSort");
    EXPECT_EQ(b.c("txtFreq", 0).caption, "7.150");
    EXPECT_EQ(b.c("txtFreq", 1).caption, "7.200");
    EXPECT_EQ(b.c("txtFreq", 2).caption, "14.25000");  // row 3 and row 13 are equal:
    EXPECT_EQ(b.c("txtFreq", 3).caption, "14.25");     // the later one comes first
    EXPECT_EQ(b.c("txtFreq", 4).caption, "35.000");
    EXPECT_EQ(b.c("txtFreq", 13).caption, "");
    b.click("cmdExit");
  });
  b.rig.at(kOpen + 2.0, [&] { b.rig.click("cmd40M"); });
  b.rig.at(kOpen + 2.5, [&] {
    EXPECT_EQ(b.c("txtFreq", 0).caption, "7.150");
    EXPECT_EQ(b.c("txtFreq", 1).caption, "35.000");  // the old order again
  });
  b.rig.runFor(kOpen + 3.0);
  EXPECT_EQ(b.rig.folder.read("M40List.txt"), kFortyList);
}

TEST(BandList, WriteFileSavesTheFourteenRows) {
  BandListRig b;
  b.rig.at(kOpen + 0.5, [&] {
    ui::userSetText(b.c("txtFreq", 0), "7.074");
    ui::userSetText(b.c("txtMode", 0), "USB");
    ui::userSetText(b.c("txtInfo", 0), "FT8 calling");
    b.click("cmdWriteFile");
  });
  b.rig.runFor(kOpen + 1.0);
  std::string expected = "7.074 USB FT8 calling\r\n";
  for (int k = 1; k < 13; ++k) expected += "  \r\n";
  expected += "14.25000 USB \r\n";
  EXPECT_EQ(b.rig.folder.read("M40List.txt"), expected);
  EXPECT_TRUE(b.rig.ui.messageBoxes().empty());
}

TEST(BandList, AFailedWriteShowsTheMessageAndKeepsTheFile) {
  BandListRig b;
  b.rig.folder.write("M40List.txt", kFortyList);
  ::chmod(b.rig.folder.file("M40List.txt").c_str(), 0444);
  b.rig.at(kOpen + 0.5, [&] {
    ui::userSetText(b.c("txtFreq", 0), "7.000");
    b.click("cmdWriteFile");
    EXPECT_TRUE(b.window()->visible);  // the window stays open
    EXPECT_EQ(b.c("txtFreq", 0).caption, "7.000");
  });
  b.rig.runFor(kOpen + 1.0);
  EXPECT_EQ(b.rig.ui.messageBoxes(),
            std::vector<std::string>{"M40List.txt: Err 13. Permission denied"});
  EXPECT_EQ(b.rig.folder.read("M40List.txt"), kFortyList);
  EXPECT_EQ(b.rig.folder.list().size(), 2u);  // PortSetup.txt and the list, no leftovers
}

/// Times at which the program wrote exactly `bytes` between from and to.
std::vector<double> writeTimes(const ProgramRig& rig, const std::string& bytes, double from,
                               double to) {
  std::vector<double> times;
  for (const auto& w : rig.port.writes()) {
    if (w.bytes == bytes && w.time >= rig.start + from && w.time < rig.start + to) {
      times.push_back(w.time);
    }
  }
  return times;
}

TEST(BandList, KeepsTheLinkAliveEveryThirtyFirstTick) {
  BandListRig b;
  b.rig.at(kOpen + 19.9, [&] {
    EXPECT_NE(b.window(), nullptr);  // still open
    // Reading only what has arrived keeps a healthy link "Com OK" throughout.
    EXPECT_EQ(b.rig.control("lblComStat").caption, "Com OK");
  });
  b.rig.runFor(kOpen + 20.0);
  auto times = writeTimes(b.rig, "U", kOpen + 0.1, kOpen + 20.0);
  ASSERT_GE(times.size(), 5u);
  for (std::size_t i = 1; i < times.size(); ++i) {
    EXPECT_NEAR(times[i] - times[i - 1], 3.1, 0.15) << i;
  }
}

TEST(BandList, InLocalOperationPassesABlankToTheKeepAlive) {
  BandListRig b;
  b.rig.radio.state.remote = false;
  b.rig.at(kOpen + 0.1, [&] {
    EXPECT_EQ(b.rig.frm.panelMode, "LOCAL");
    EXPECT_NE(b.window(), nullptr);
  });
  b.rig.runFor(kOpen + 10.0);
  auto blanks = writeTimes(b.rig, " ", kOpen + 0.1, kOpen + 10.0);
  ASSERT_GE(blanks.size(), 2u);
  EXPECT_NEAR(blanks[1] - blanks[0], 3.1, 0.15);
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
    b.rig.at(kOpen + 0.5, [&] {
      before = b.rig.commands().size();
      b.choose(0);
    });
    b.rig.at(kOpen + 0.5 + c.closeAfter, [&] {
      if (std::string(c.how) == "Exit") {
        b.click("cmdExit");
      } else {
        b.window()->close();
      }
      EXPECT_FALSE(b.window()->visible);  // hidden at once
      EXPECT_TRUE(b.rig.frm.form.enabled);
    });
    b.rig.runFor(kOpen + 4.0);
    EXPECT_EQ(b.window(), nullptr) << c.how;
    // The frequency went out before the close; the mode and the info text did not follow.
    EXPECT_EQ(b.commandsSince(before), std::vector<std::string>{"F0715000"}) << c.how;
    EXPECT_EQ(b.rig.control("lblInfo").caption, "") << c.how;
  }
}

}  // namespace

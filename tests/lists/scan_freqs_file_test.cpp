#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/lists/scan_script.h"

namespace {

using namespace scan_script;
using Row = std::vector<std::string>;

class ScanFreqsFile : public ::testing::Test, public ScannerRig {};

/// A scanner file: the given row lines, blank rows up to 13, then the dwell line if any.
std::string scanFile(const std::vector<std::string>& rows, const char* dwell) {
  std::string text;
  for (size_t k = 0; k < 13; ++k) text += (k < rows.size() ? rows[k] : "  ") + "\r\n";
  if (dwell != nullptr) text += std::string(dwell) + "\r\n";
  return text;
}

TEST(ScanFreqsOpening, OpeningReadsTheRowsAndTheDwell) {
  struct Case {
    const char* dwell;  // the file's last line, or none
    const char* shown;  // what the delay box then shows
  } cases[] = {
      {"5.0", "5"},        // a whole number written with a point
      {"7", "7"},          // as the window writes it
      {"5s", "5"},         // its leading number
      {"99999", "32767"},  // kept within range
      {"", "0"},           // an empty dwell line: only a scan pass makes it 1
      {nullptr, "3"},      // a file that ends before its dwell line keeps the default
  };
  for (const Case& k : cases) {
    ScannerRig t;
    t.rig.folder.write("ScanFreqs.txt",
                       scanFile({"7.15 LSB forty  meters ", "", "14.250 USB"}, k.dwell));
    t.rig.at(kReady, [&] {
      EXPECT_EQ(t.c("txtDelay").caption, k.shown) << (k.dwell ? k.dwell : "none");
      EXPECT_EQ(t.row(0), (Row{"7.15", "LSB", "forty  meters "}));
      EXPECT_EQ(t.row(1), (Row{"", "", ""}));
      EXPECT_EQ(t.row(2), (Row{"14.250", "USB", ""}));
      EXPECT_EQ(t.c("Check1", 0).value, 0);  // nothing is checked at opening
      EXPECT_EQ(t.c("txtFreq", 0).backColor, ui::kFrameGrey);
    });
    t.closeAt(kReady + 0.5);
    t.rig.runFor(kReady + 1.0);
  }
}

TEST_F(ScanFreqsFile, MissingFileLeavesTheRowsEmpty) {
  rig.at(kReady, [&] {
    EXPECT_EQ(c("txtDelay").caption, "3");
    EXPECT_EQ(c("txtFreq", 0).caption, "");
    EXPECT_EQ(window()->caption, "Scan Freq");
    EXPECT_NE(rig.control("txtInfo").caption->find("fileExists(ScanFreqs.txt): Err 2."),
              std::string::npos);
  });
  closeAt(kReady + 0.5);
  rig.runFor(kReady + 1.0);
}

TEST_F(ScanFreqsFile, WriteFileWhenIdleWritesTheDelayTextAsShown) {
  rig.at(kReady, [&] {
    setRow(0, "7.15", "LSB", "forty meters", false);
    setRow(2, "14.250", "", "no mode", false);
    ui::userSetText(c("txtDelay"), "0.5");
    EXPECT_TRUE(ui::userClick(c("cmdWriteFile")));
    EXPECT_EQ(c("txtDelay").caption, "0.5");
  });
  closeAt(kReady + 0.5);
  rig.runFor(kReady + 1.0);
  EXPECT_EQ(rig.folder.read("ScanFreqs.txt"),
            scanFile({"7.15 LSB forty meters", "  ", "14.250  no mode"}, "0.5"));
  EXPECT_TRUE(rig.ui.messageBoxes().empty());
}

TEST_F(ScanFreqsFile, WriteFileDuringTheDwellWritesTheDwellNotTheSecondsElapsed) {
  rig.at(kReady, [&] {
    setRow(0, "7.15", "", "");
    ui::userSetText(c("txtDelay"), "5");
    scan();
  });
  rig.at(10.5, [&] {
    ASSERT_EQ(c("txtDelay").caption, "2");  // counting
    EXPECT_TRUE(ui::userClick(c("cmdWriteFile")));
    EXPECT_EQ(c("txtDelay").caption, "2");  // still counting
  });
  closeAt(11.0);
  rig.runFor(11.5);
  EXPECT_EQ(rig.folder.read("ScanFreqs.txt"), scanFile({"7.15  "}, "5"));
}

TEST_F(ScanFreqsFile, FailedWriteShowsTheMessageAndKeepsTheFile) {
  std::string old = scanFile({"7.15 LSB"}, "4");
  rig.folder.write("ScanFreqs.txt", old);
  ::chmod(rig.folder.file("ScanFreqs.txt").c_str(), 0444);
  rig.at(kReady, [&] {
    ui::userSetText(c("txtFreq", 0), "7.20");
    EXPECT_TRUE(ui::userClick(c("cmdWriteFile")));
    EXPECT_TRUE(window()->visible);  // the window stays open
  });
  closeAt(kReady + 0.5);
  rig.runFor(kReady + 1.0);
  EXPECT_EQ(rig.ui.messageBoxes(),
            std::vector<std::string>{"ScanFreqs.txt: Err 13. Permission denied"});
  EXPECT_EQ(rig.folder.read("ScanFreqs.txt"), old);
}

TEST_F(ScanFreqsFile, WindowStandsBesideThePanelsBandFrame) {
  rig.at(kReady, [&] {
    ui::Form* w = window();
    EXPECT_EQ(w->top, rig.frm.form.top);
    EXPECT_EQ(w->left, rig.frm.form.left + rig.frm.form.width - rig.frm.fraBand.width);
    EXPECT_FALSE(rig.frm.form.enabled);
    EXPECT_TRUE(rig.link.gScanning);
  });
  closeAt(kReady + 0.5);
  rig.runFor(kReady + 1.0);
  EXPECT_TRUE(rig.frm.form.enabled);
}

}  // namespace

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/lists/scan_script.h"

namespace {

using namespace scan_script;
using Row = std::vector<std::string>;

/// A scanner file: the given row lines, blank rows up to 13, then the dwell line if any.
std::string scanFile(const std::vector<std::string>& rows, const char* dwell) {
  std::string text;
  for (size_t k = 0; k < 13; ++k) text += (k < rows.size() ? rows[k] : "  ") + "\r\n";
  if (dwell != nullptr) text += std::string(dwell) + "\r\n";
  return text;
}

TEST(ScanFreqsFile, OpeningPlacesTheWindowAndReadsTheRowsAndTheDwell) {
  struct Case {
    bool file;          // false: no ScanFreqs.txt
    const char* dwell;  // the file's last line, or none
    const char* shown;  // what the delay box then shows
  } cases[] = {
      {true, "5.0", "5"},     // a whole number written with a point
      {true, "2.5", "2"},     // rounded, a half to the even number
      {true, "", "0"},        // an empty dwell line: only a scan pass makes it 1
      {true, nullptr, "3"},   // a file that ends before its dwell line keeps the default
      {false, nullptr, "3"},  // no file: empty rows, the default, and fileExists' message
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.dwell ? k.dwell : "none");
    ScannerRig t;
    std::vector<std::string> rows(13, "  ");  // an empty line, then the last row, too
    rows[0] = "7.15 LSB forty  meters ", rows[1] = "", rows[12] = "14.250 USB";
    if (k.file) t.rig.folder.write("ScanFreqs.txt", scanFile(rows, k.dwell));
    t.rig.at(kReady, [&] {
      // Over the disabled panel's band frame, at its top.
      EXPECT_FALSE(t.rig.frm.form.enabled);
      EXPECT_EQ(t.window()->top, t.rig.frm.form.top);
      EXPECT_EQ(t.window()->left,
                t.rig.frm.form.left + t.rig.frm.form.width - t.rig.frm.fraBand.width);
      EXPECT_EQ(t.c("txtDelay").caption, k.shown);
      Row none{"", "", ""}, first{"7.15", "LSB", "forty  meters "}, last{"14.250", "USB", ""};
      EXPECT_EQ(t.row(0), k.file ? first : none);
      EXPECT_EQ(t.row(1), none);
      EXPECT_EQ(t.row(12), k.file ? last : none);
      bool told = t.rig.control("txtInfo").caption ==
                  "fileExists(ScanFreqs.txt): Err 2. " + std::string("No such file or directory");
      EXPECT_EQ(told, !k.file);
    });
    t.closeAt(kReady + 0.5);
    t.rig.runFor(kReady + 1.0);
  }
}

TEST(ScanFreqsFile, WriteFileWritesTheRowsAndTheDelayAsShownOrTheDwellInUse) {
  ScannerRig t;
  t.rig.at(kReady, [&] {
    t.setRow(0, "7.15", "LSB", "forty meters");
    t.setRow(2, "14.250", "", "no mode", false);
    ui::userSetText(t.c("txtDelay"), "2.5");
    t.click("cmdWriteFile");
    EXPECT_EQ(t.rig.folder.read("ScanFreqs.txt"),
              scanFile({"7.15 LSB forty meters", "  ", "14.250  no mode"}, "2.5"));
    t.scan();
  });
  t.rig.at(9.7, [&] {
    ASSERT_EQ(t.c("txtDelay").caption, "1");  // the seconds elapsed of the 2 s dwell
    t.click("cmdWriteFile");
  });
  t.rig.at(9.8, [&] {  // a file that cannot be written: told, the window stays, the file kept
    ::chmod(t.rig.folder.file("ScanFreqs.txt").c_str(), 0444);
    ui::userSetText(t.c("txtFreq", 0), "7.20");
    t.click("cmdWriteFile");
    EXPECT_TRUE(t.window()->visible);
  });
  t.closeAt(10.0);
  t.rig.runFor(10.5);
  EXPECT_EQ(t.rig.folder.read("ScanFreqs.txt"),
            scanFile({"7.15 LSB forty meters", "  ", "14.250  no mode"}, "2"));
  EXPECT_EQ(t.rig.ui.messageBoxes(),
            std::vector<std::string>{"ScanFreqs.txt: Err 13. Permission denied"});
}

}  // namespace

// The port setup dialog and PortSetup.txt: probe, load event, Save, Load, Apply, Cancel and
// the close box.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/ui/user_actions.h"
#include "setup/dialog_layout.h"
#include "setup/frmPortSetup.h"
#include "tests/support/program_rig.h"

namespace {

const char kSavedFor3[] =
    "3\r\n"
    "9600 ,O,7,1\r\n"
    "comRTSXonXoff\r\n"
    "Line 1: Port Number, COM1 = 1, COM2 = 2, etc..\r\n"
    "Line 2: Baud,Parity,Bits,Stop\r\n"
    "Line 3: comNone, comXonXoff, comRTS, comRTSXonXoff\r\n";

class PortSetupDialog : public ::testing::Test {
 protected:
  std::unique_ptr<frmPortSetup> open() { return rig.openDialog<frmPortSetup>(); }
  /// The port box, the baud box and the selected handshake, joined by "|".
  static std::string shown(const frmPortSetup& d) {
    return d.cmbSelectPort.caption + "|" + d.cmbSelectBaudRate.caption + "|" +
           std::to_string(dialog::selectedOption(d.optHandShake));
  }

  ProgramRig rig;
};

// The probe lists ports 1 to 16 that are present and selects the first; the load event then
// shows the port in use, its baud and its handshake instead.
TEST_F(PortSetupDialog, ProbeListsThePortsPresentAndLoadShowsThoseInUse) {
  const struct {
    std::set<int> present;
    std::vector<std::string> items;
    const char* found;
    const char* selected;
  } kRows[] = {
      {{2, 5, 16, 17}, {"2", "5", "16"}, "Found:  2 5 16", "2"},
      {{}, {}, "No Ports", ""},
  };
  rig.port.setCommPort(4);
  rig.port.setSettings("4800 ,O,7,1");
  rig.port.setHandshaking(1);
  for (const auto& row : kRows) {
    rig.port.setPresentPorts(row.present);
    auto d = open();
    EXPECT_EQ(d->cmbSelectPort.items, row.items);
    EXPECT_EQ(d->txtFound.caption, row.found);
    EXPECT_EQ(shown(*d), "4|4800 |1");
    d->listCommPorts();
    EXPECT_EQ(d->cmbSelectPort.caption, row.selected);
    EXPECT_EQ(d->cmbSelectBaudRate.items,
              (std::vector<std::string>{"19200 ", "9600 ", "4800 ", "2400", "600", "300"}));
  }
}

// Save writes the six lines and keeps the dialog open, handing nothing over; Load reads them
// back. A failed Save shows its error and keeps the old file.
TEST_F(PortSetupDialog, SaveWritesTheSixLinesAndLoadReadsThemBack) {
  auto d = open();
  ui::userSetText(d->cmbSelectPort, "3");
  ui::userSetText(d->cmbSelectBaudRate, "9600 ");
  ui::userChooseOption(*d->optHandShake[3]);
  ASSERT_TRUE(ui::userClick(d->cmdSavePortSettings));
  EXPECT_EQ(rig.folder.read("PortSetup.txt"), kSavedFor3);
  EXPECT_FALSE(d->form.unloaded());
  EXPECT_FALSE(rig.link.gPortSetupChanged);
  auto again = open();
  ui::userClick(again->cmdLoadPortSettings);
  EXPECT_EQ(shown(*again), "3 |9600 |3");  // the port is a field of two characters
  ASSERT_EQ(chmod(rig.folder.file("PortSetup.txt").c_str(), 0444), 0);
  ui::userSetText(again->cmbSelectPort, "8");
  again->cmdSavePortSettings_Click();
  EXPECT_EQ(rig.ui.messageBoxes(),
            std::vector<std::string>{"PortSetup.txt: Err 13. Permission denied"});
  EXPECT_EQ(rig.folder.read("PortSetup.txt"), kSavedFor3);
}

// The dialog starts from port 1 at "9600,O,7,1" with RTS selected; Load takes each line as a
// field of fixed width (2, 11 and 13) and leaves what a short file lacks as it was.
TEST_F(PortSetupDialog, LoadReadsEachLineAsItsField) {
  const struct {
    const char* file;
    const char* shown;
  } kRows[] = {
      {"1\r\n9600,O,7,1\r\ncomXonXoff\r\n", "1 |9600|1"},
      {"1\r\n9600,O,7,1\r\ncomRTSXOnXOff\r\n", "1 |9600|3"},   // the start-up's other spelling
      {"1\r\n9600,O,7,1\r\ncomRTS   \r\n", "1 |9600|2"},       // trailing blanks do not count
      {"1\r\n9600,O,7,1\r\ncomrts\r\n", "1 |9600|0"},          // other letter case
      {"1\r\n9600,O,7,1\r\n comRTS\r\n", "1 |9600|0"},         // a leading blank counts
      {"1\r\n9600,O,7,1\r\ncomRTSXonXoffX\r\n", "1 |9600|3"},  // the field keeps 13
      {"12\r\n19200 ,O,7,1\r\ncomNone\r\n", "12|19200 |0"},    // 12 characters: 11 kept
      {"1\r\n300\r\ncomNone\r\n", "1 |300        |0"},         // no comma: the whole field
      {"7\n", "7 |9600|2"},                                    // a short file
  };
  for (const auto& row : kRows) {
    rig.port.setHandshaking(2);
    rig.folder.write("PortSetup.txt", row.file);
    auto d = open();
    d->cmdLoadPortSettings_Click();
    EXPECT_EQ(shown(*d), row.shown) << row.file;
  }
  EXPECT_TRUE(rig.ui.messageBoxes().empty());
}

// Apply hands the choice over and closes; Cancel and the close box hand nothing over. None
// writes a file.
TEST_F(PortSetupDialog, OnlyApplyHandsTheSettingsOver) {
  for (const char* way : {"Cancel", "close box", "Apply"}) {
    auto d = open();
    ui::userSetText(d->cmbSelectPort, "2");
    ui::userSetText(d->cmbSelectBaudRate, "4800 ");
    ui::userChooseOption(*d->optHandShake[1]);
    if (way[0] == 'c') {
      d->form.close();
    } else {
      ui::userClick(way[0] == 'A' ? d->cmdApply : d->cmdCancel);
    }
    EXPECT_TRUE(d->form.unloaded()) << way;
    EXPECT_TRUE(rig.frm.form.enabled) << way;
    EXPECT_EQ(rig.link.gPortNumber + "|" + rig.link.gPortSettings + "|" + rig.link.gHandshake,
              way[0] == 'A' ? "2|4800 ,O,7,1|comXonXoff" : "||")
        << way;
    EXPECT_EQ(rig.link.gPortSetupChanged, way[0] == 'A') << way;
  }
  EXPECT_FALSE(rig.folder.exists("PortSetup.txt"));
}

}  // namespace

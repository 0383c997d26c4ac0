// The port setup dialog and PortSetup.txt: probe, load event, Save, Load, Apply, Cancel, and
// the running program reopening its link after Apply.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <set>

#include "platform/ui/user_actions.h"
#include "setup/frmPortSetup.h"
#include "setup/port_setup_file.h"
#include "tests/setup/dialog_rig.h"

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
  std::unique_ptr<frmPortSetup> open() { return openDialog<frmPortSetup>(rig); }
  int selected(const frmPortSetup& d) const {
    for (int i = 0; i < 4; ++i) {
      if (d.optHandShake[i]->value != 0) return i;
    }
    return -1;
  }

  ProgramRig rig;
};

TEST_F(PortSetupDialog, ProbeListsThePortsPresent) {
  const struct {
    std::set<int> present;
    std::vector<std::string> items;
    const char* found;
    const char* afterProbe;  // the probe selects the first port found
  } kRows[] = {
      {{2, 5}, {"2", "5"}, "Found:  2 5", "2"},
      {{}, {}, "No Ports", ""},
  };
  for (const auto& row : kRows) {
    rig.port.setPresentPorts(row.present);
    auto d = open();
    EXPECT_EQ(d->cmbSelectPort.items, row.items);
    EXPECT_EQ(d->txtFound.caption, row.found);
    EXPECT_EQ(d->cmbSelectPort.caption, "1");  // the load event shows the port in use
    d->listCommPorts();
    EXPECT_EQ(d->cmbSelectPort.caption, row.afterProbe);
  }
}

TEST_F(PortSetupDialog, StartsFromThePortsCurrentSettings) {
  rig.port.setCommPort(4);
  rig.port.setSettings("4800 ,O,7,1");
  rig.port.setHandshaking(1);
  auto d = open();
  EXPECT_EQ(d->form.caption, "Port Setup");
  EXPECT_EQ(d->cmbSelectPort.caption, "4");
  EXPECT_EQ(d->cmbSelectBaudRate.caption, "4800 ");
  EXPECT_EQ(selected(*d), 1);
  EXPECT_EQ(d->cmbSelectBaudRate.items,
            (std::vector<std::string>{"19200 ", "9600 ", "4800 ", "2400", "600", "300"}));
}

TEST_F(PortSetupDialog, SaveWritesTheSixLinesAndLoadReadsThemBack) {
  auto d = open();
  ui::userSetText(d->cmbSelectPort, "3");
  ui::userSetText(d->cmbSelectBaudRate, "9600 ");
  ui::userChooseOption(*d->optHandShake[3]);
  ASSERT_TRUE(ui::userClick(d->cmdSavePortSettings));
  EXPECT_EQ(rig.folder.read("PortSetup.txt"), kSavedFor3);
  EXPECT_FALSE(d->form.unloaded());          // Save keeps the dialog open
  EXPECT_FALSE(rig.link.gPortSetupChanged);  // and hands nothing over

  rig.port.setHandshaking(0);
  auto again = open();
  ui::userClick(again->cmdLoadPortSettings);
  EXPECT_EQ(again->cmbSelectPort.caption, "3 ");  // a two-character field
  EXPECT_EQ(again->cmbSelectBaudRate.caption, "9600 ");
  EXPECT_EQ(selected(*again), 3);
}

// The dialog starts from port 1 at "9600,O,7,1" with RTS selected; Load takes what the file
// has, each line as a field of fixed width, and leaves the rest as it was.
TEST_F(PortSetupDialog, LoadReadsEachLineAsItsField) {
  const struct {
    const char* file;
    const char* port;
    const char* baud;
    int option;
  } kRows[] = {
      // The handshake names are matched whole and with their case.
      {"1\r\n9600,O,7,1\r\ncomNone\r\n", "1 ", "9600", 0},
      {"1\r\n9600,O,7,1\r\ncomXonXoff\r\n", "1 ", "9600", 1},
      {"1\r\n9600,O,7,1\r\ncomXOnXOff\r\n", "1 ", "9600", 1},  // the start-up's other spelling
      {"1\r\n9600,O,7,1\r\ncomRTS\r\n", "1 ", "9600", 2},
      {"1\r\n9600,O,7,1\r\ncomRTSXonXoff\r\n", "1 ", "9600", 3},
      {"1\r\n9600,O,7,1\r\ncomRTSXOnXOff\r\n", "1 ", "9600", 3},   // the other spelling
      {"1\r\n9600,O,7,1\r\ncomRTS   \r\n", "1 ", "9600", 2},       // trailing blanks do not count
      {"1\r\n9600,O,7,1\r\ncomrtsxonxoff\r\n", "1 ", "9600", 0},   // other letter case
      {"1\r\n9600,O,7,1\r\nCOMRTS\r\n", "1 ", "9600", 0},          // other letter case
      {"1\r\n9600,O,7,1\r\nRTS\r\n", "1 ", "9600", 0},             // the caption is not a name
      {"1\r\n9600,O,7,1\r\n comRTS\r\n", "1 ", "9600", 0},         // a leading blank does count
      {"1\r\n9600,O,7,1\r\n\r\n", "1 ", "9600", 0},                // empty line
      {"1\r\n9600,O,7,1\r\ncomRTSXonXoffX\r\n", "1 ", "9600", 3},  // the field keeps 13
      // The baud is the field before the first comma.
      {"1\r\n19200 ,O,7,1\r\ncomNone\r\n", "1 ", "19200 ", 0},  // 12 characters: 11 kept
      {"1\r\n300\r\ncomNone\r\n", "1 ", "300        ", 0},      // no comma: the whole field
      {"1\r\n115200,N,8,1\r\ncomNone\r\n", "1 ", "115200", 0},  // a typed baud as it is
      {"1\r\n\r\ncomNone\r\n", "1 ", "           ", 0},         // empty: a field of blanks
      // A short file: the port alone, the baud from the port's settings.
      {"7\n", "7 ", "9600", 2},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.file);
    rig.port.setHandshaking(2);
    rig.folder.write("PortSetup.txt", row.file);
    auto d = open();
    d->cmdLoadPortSettings_Click();
    EXPECT_EQ(d->cmbSelectPort.caption, row.port);
    EXPECT_EQ(d->cmbSelectBaudRate.caption, row.baud);
    EXPECT_EQ(selected(*d), row.option);
  }
  EXPECT_TRUE(rig.ui.messageBoxes().empty());
}

TEST_F(PortSetupDialog, LoadWithoutFileChangesNothing) {
  auto d = open();
  ui::userSetText(d->cmbSelectPort, "9");
  d->cmdLoadPortSettings_Click();
  EXPECT_EQ(d->cmbSelectPort.caption, "9");
  EXPECT_NE(rig.control("txtInfo").caption->find("fileExists(PortSetup.txt): Err 2."),
            std::string::npos);
}

TEST_F(PortSetupDialog, FailedSaveShowsTheErrorAndKeepsTheOldFile) {
  rig.folder.write("PortSetup.txt", kSavedFor3);
  ASSERT_EQ(chmod(rig.folder.file("PortSetup.txt").c_str(), 0444), 0);
  auto d = open();
  ui::userSetText(d->cmbSelectPort, "8");
  d->cmdSavePortSettings_Click();
  ASSERT_EQ(rig.ui.messageBoxes().size(), 1u);
  EXPECT_EQ(rig.ui.messageBoxes()[0], "PortSetup.txt: Err 13. Permission denied");
  EXPECT_EQ(rig.folder.read("PortSetup.txt"), kSavedFor3);
  EXPECT_FALSE(d->form.unloaded());
}

TEST_F(PortSetupDialog, PortTextIsSavedAsTyped) {
  auto d = open();
  ui::userSetText(d->cmbSelectPort, "COM3");
  d->cmdSavePortSettings_Click();
  EXPECT_EQ(rig.folder.read("PortSetup.txt").substr(0, 6), "COM3\r\n");
}

TEST_F(PortSetupDialog, ApplyHandsTheSettingsToTheMainLoop) {
  auto d = open();
  ui::userSetText(d->cmbSelectPort, "2");
  ui::userSetText(d->cmbSelectBaudRate, "4800 ");
  ui::userChooseOption(*d->optHandShake[1]);
  ASSERT_TRUE(ui::userClick(d->cmdApply));
  EXPECT_EQ(rig.link.gPortNumber, "2");
  EXPECT_EQ(rig.link.gPortSettings, "4800 ,O,7,1");
  EXPECT_EQ(rig.link.gHandshake, "comXonXoff");
  EXPECT_TRUE(rig.link.gPortSetupChanged);
  EXPECT_TRUE(d->form.unloaded());
  EXPECT_TRUE(rig.frm.form.enabled);
  EXPECT_FALSE(rig.folder.exists("PortSetup.txt"));  // Apply writes no file
}

TEST_F(PortSetupDialog, CancelAndCloseBoxHandNothingOver) {
  rig.link.gPortNumber = "1";
  rig.link.gPortSettings = "9600,O,7,1";
  rig.link.gHandshake = "comNone";
  for (bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "Cancel");
    auto d = open();
    ui::userSetText(d->cmbSelectPort, "5");
    ui::userChooseOption(*d->optHandShake[2]);
    if (closeBox) {
      d->form.close();
    } else {
      ui::userClick(d->cmdCancel);
    }
    EXPECT_TRUE(d->form.unloaded());
    EXPECT_TRUE(rig.frm.form.enabled);
    EXPECT_EQ(rig.link.gPortNumber, "1");
    EXPECT_EQ(rig.link.gHandshake, "comNone");
    EXPECT_FALSE(rig.link.gPortSetupChanged);
  }
}

TEST(PortSetupFile, HandshakeNamesByValue) {
  EXPECT_EQ(handshakeName(0), "comNone");
  EXPECT_EQ(handshakeName(1), "comXonXoff");
  EXPECT_EQ(handshakeName(2), "comRTS");
  EXPECT_EQ(handshakeName(3), "comRTSXonXoff");
  EXPECT_EQ(handshakeName(7), "comNone");  // out of range
}

// The running program: the menu opens the dialog, Apply of another port reopens the link.
// The running program: the menu opens the dialog; Apply of another port reopens the link
// through the main loop, and a port text that names no port is handed over as typed and
// reported as a port that cannot be opened.
TEST(PortSetupInProgram, ApplyReopensTheLink) {
  const struct {
    const char* typed;
    bool open;
    const char* comStat;
  } kRows[] = {
      {"2", true, "Com OK"},
      {"17", false, "Com Error"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.typed);
    ProgramRig rig;
    rig.writePortSetup();
    rig.port.setPresentPorts({1, 2});
    int opensBefore = 0;
    rig.at(6.0, [&] {
      ASSERT_EQ(rig.frm.panelMode, "REMOTE");
      opensBefore = rig.port.opens();
      rig.click("mnuPortSetup");  // returns when the dialog has closed
    });
    rig.at(6.5, [&] {
      EXPECT_EQ(rig.ui.control("frmPortSetup", "txtFound").caption, "Found:  1 2");
      EXPECT_EQ(rig.ui.control("frmPortSetup", "cmbSelectPort").caption, "1");
      ui::userSetText(rig.ui.control("frmPortSetup", "cmbSelectPort"), row.typed);
      ui::userClick(rig.ui.control("frmPortSetup", "cmdApply"));
    });
    rig.runFor(15.0);
    EXPECT_EQ(rig.ui.findForm("frmPortSetup"), nullptr);
    EXPECT_TRUE(rig.frm.form.enabled);
    EXPECT_EQ(rig.link.gPortNumber, row.typed);
    EXPECT_FALSE(rig.link.gPortSetupChanged);
    EXPECT_EQ(rig.port.portOpen(), row.open);
    EXPECT_EQ(rig.control("lblComStat").caption, row.comStat);
    if (row.open) {
      EXPECT_EQ(rig.port.commPort(), 2);
      EXPECT_EQ(rig.port.opens(), opensBefore + 1);
      EXPECT_EQ(rig.frm.panelMode, "REMOTE");
    } else {
      EXPECT_NE(rig.control("txtInfo").caption->find("17"), std::string::npos);
    }
  }
}

}  // namespace

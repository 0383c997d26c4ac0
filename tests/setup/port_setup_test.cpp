// The port setup dialog and PortSetup.txt: probe, load event, Save, Load, Apply, Cancel, and
// the running program reopening its link after Apply.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "platform/ui/user_actions.h"
#include "setup/frmPortSetup.h"
#include "setup/port_setup_file.h"
#include "tests/support/program_rig.h"

namespace {

const char kSavedFor3[] =
    "3\r\n"
    "9600 ,O,7,1\r\n"
    "comRTSXonXoff\r\n"
    "Line 1: Port Number, COM1 = 1, COM2 = 2, etc..\r\n"
    "Line 2: Baud,Parity,Bits,Stop\r\n"
    "Line 3: comNone, comXonXoff, comRTS, comRTSXonXoff\r\n";

// The program on the headless platform, its load event not run: the dialog is opened over a
// disabled panel as the menu does it.
class PortSetupDialog : public ::testing::Test {
 protected:
  std::unique_ptr<frmPortSetup> open() {
    rig.frm.form.enabled = false;
    auto dialog = std::make_unique<frmPortSetup>(rig.platform, rig.link, rig.frm);
    dialog->Form_Load();
    dialog->form.show();
    return dialog;
  }
  int selected(const frmPortSetup& d) const {
    for (int i = 0; i < 4; ++i) {
      if (d.optHandShake[i]->value != 0) return i;
    }
    return -1;
  }

  ProgramRig rig;
};

TEST_F(PortSetupDialog, ProbeListsThePortsPresent) {
  rig.port.setPresentPorts({2, 5});
  auto d = open();
  EXPECT_EQ(d->cmbSelectPort.items, (std::vector<std::string>{"2", "5"}));
  EXPECT_EQ(d->txtFound.caption, "Found:  2 5");
  // The probe selects the first port found; the load event then shows the port in use.
  d->listCommPorts();
  EXPECT_EQ(d->cmbSelectPort.caption, "2");
}

TEST_F(PortSetupDialog, ProbeWithoutPortsSaysNoPorts) {
  rig.port.setPresentPorts({});
  auto d = open();
  EXPECT_TRUE(d->cmbSelectPort.items.empty());
  EXPECT_EQ(d->txtFound.caption, "No Ports");
  EXPECT_EQ(d->cmbSelectPort.caption, "1");  // the port in use, though absent
  d->listCommPorts();
  EXPECT_EQ(d->cmbSelectPort.caption, "");
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

TEST_F(PortSetupDialog, LoadMatchesHandshakeNamesWholeAndWithTheirCase) {
  const struct {
    const char* line3;
    int option;
  } kRows[] = {
      {"comNone", 0},
      {"comXonXoff", 1},
      {"comXOnXOff", 1},  // the start-up's other spelling
      {"comRTS", 2},
      {"comRTSXonXoff", 3},
      {"comRTSXOnXOff", 3},   // the start-up's other spelling
      {"comRTS   ", 2},       // trailing blanks do not count
      {"comrtsxonxoff", 0},   // other letter case
      {"COMRTS", 0},          // other letter case
      {"RTS", 0},             // the option's caption is not a name
      {" comRTS", 0},         // a leading blank does
      {"", 0},                // empty line
      {"comRTSXonXoffX", 3},  // the field keeps 13 characters
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.line3);
    rig.port.setHandshaking(2);  // the dialog starts with RTS selected
    rig.folder.write("PortSetup.txt", std::string("1\r\n9600,O,7,1\r\n") + row.line3 + "\r\n");
    auto d = open();
    d->cmdLoadPortSettings_Click();
    EXPECT_EQ(selected(*d), row.option);
  }
}

TEST_F(PortSetupDialog, LoadTakesTheBaudBeforeTheFirstComma) {
  const struct {
    const char* line2;
    const char* baud;
  } kRows[] = {
      {"19200 ,O,7,1", "19200 "},  // 12 characters: the field keeps 11
      {"9600,O,7,1", "9600"},
      {"300", "300        "},      // no comma: the whole field, blanks and all
      {"115200,N,8,1", "115200"},  // a typed baud is shown as it is
      {"", "           "},         // an empty line is a field of blanks
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.line2);
    rig.folder.write("PortSetup.txt", std::string("1\r\n") + row.line2 + "\r\ncomNone\r\n");
    auto d = open();
    d->cmdLoadPortSettings_Click();
    EXPECT_EQ(d->cmbSelectBaudRate.caption, row.baud);
  }
}

TEST_F(PortSetupDialog, ShortFileLoadsWhatItHasAndLeavesTheRest) {
  rig.port.setHandshaking(2);
  rig.folder.write("PortSetup.txt", "7\n");
  auto d = open();
  d->cmdLoadPortSettings_Click();
  EXPECT_EQ(d->cmbSelectPort.caption, "7 ");
  EXPECT_EQ(d->cmbSelectBaudRate.caption, "9600");  // from the port's settings
  EXPECT_EQ(selected(*d), 2);
  EXPECT_TRUE(rig.ui.messageBoxes().empty());
}

TEST_F(PortSetupDialog, LoadWithoutFileChangesNothing) {
  auto d = open();
  ui::userSetText(d->cmbSelectPort, "9");
  d->cmdLoadPortSettings_Click();
  EXPECT_EQ(d->cmbSelectPort.caption, "9");
  EXPECT_NE(rig.control("txtInfo").caption.find("fileExists(PortSetup.txt): Err 2."),
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
TEST(PortSetupInProgram, ApplyOfAnotherPortReopensTheLink) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.port.setPresentPorts({1, 2});
  int opensBefore = 0;
  rig.at(6.0, [&] {
    ASSERT_EQ(rig.frm.panelMode, "REMOTE");
    EXPECT_EQ(rig.port.commPort(), 1);
    opensBefore = rig.port.opens();
    rig.click("mnuPortSetup");  // returns when the dialog has closed
  });
  rig.at(6.5, [&] {
    EXPECT_FALSE(rig.frm.form.enabled);
    EXPECT_EQ(rig.ui.control("frmPortSetup", "txtFound").caption, "Found:  1 2");
    EXPECT_EQ(rig.ui.control("frmPortSetup", "cmbSelectPort").caption, "1");
    ui::userSetText(rig.ui.control("frmPortSetup", "cmbSelectPort"), "2");
    ui::userClick(rig.ui.control("frmPortSetup", "cmdApply"));
  });
  rig.runFor(15.0);
  EXPECT_EQ(rig.ui.findForm("frmPortSetup"), nullptr);
  EXPECT_TRUE(rig.frm.form.enabled);
  EXPECT_EQ(rig.port.commPort(), 2);
  EXPECT_EQ(rig.port.opens(), opensBefore + 1);
  EXPECT_TRUE(rig.port.portOpen());
  EXPECT_FALSE(rig.link.gPortSetupChanged);
  EXPECT_EQ(rig.frm.panelMode, "REMOTE");
  EXPECT_EQ(rig.control("lblComStat").caption, "Com OK");
}

// A port text that names no port is handed over as typed; the port set-up says it cannot
// open it, and Port Setup can correct it.
TEST(PortSetupInProgram, PortTextThatNamesNoPortIsReported) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(6.0, [&] { rig.click("mnuPortSetup"); });
  rig.at(6.5, [&] {
    ui::userSetText(rig.ui.control("frmPortSetup", "cmbSelectPort"), "17");
    ui::userClick(rig.ui.control("frmPortSetup", "cmdApply"));
  });
  rig.runFor(9.0);
  EXPECT_EQ(rig.link.gPortNumber, "17");
  EXPECT_FALSE(rig.port.portOpen());
  EXPECT_EQ(rig.control("lblComStat").caption, "Com Error");
  EXPECT_NE(rig.control("txtInfo").caption.find("17"), std::string::npos);
}

}  // namespace

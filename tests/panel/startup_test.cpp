#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ui/user_actions.h"
#include "tests/support/program_rig.h"

namespace {

int count(const std::vector<std::string>& commands, const std::string& c) {
  return static_cast<int>(std::count(commands.begin(), commands.end(), c));
}

/// Times (seconds since midnight) at which the program wrote exactly `bytes`.
std::vector<double> writeTimes(const ProgramRig& rig, const std::string& bytes) {
  std::vector<double> times;
  for (const auto& w : rig.port.writes()) {
    if (w.bytes == bytes) times.push_back(w.time);
  }
  return times;
}

TEST(StartUp, WithPortSetupReachesRemoteOperation) {
  ProgramRig rig;
  rig.writePortSetup();
  EXPECT_FALSE(rig.runFor(15.0));
  EXPECT_EQ(rig.frm.form.caption, "Zarvin 0.930 : 4-29-15:1618");
  EXPECT_EQ(rig.frm.panelMode, "REMOTE");
  EXPECT_EQ(rig.control("lblREMOTE").caption, "REMOTE");
  EXPECT_EQ(rig.link.gFWType, 2);
  EXPECT_EQ(rig.control("lblFWType").caption, "F/W: v604M Adapt");
  EXPECT_EQ(rig.control("lblComStat").caption, "Com OK");
  EXPECT_EQ(rig.port.settings(), "9600,O,7,1");
}

TEST(StartUp, HandshakeNamesAreMatchedExactly) {
  struct Case {
    const char* name;
    int value;
  } cases[] = {{"comNone", 0},
               {"comXonXoff", 1},
               {"comXOnXOff", 1},
               {"comRTS", 2},
               {"comRTSXonXoff", 3},
               {"comRTSXOnXOff", 3},
               {"comrtsxonxoff", 0},  // differs only in case
               {"", 0}};
  for (const Case& c : cases) {
    ProgramRig rig;
    rig.writePortSetup(c.name);
    rig.runFor(2.0);
    EXPECT_EQ(rig.port.handshaking(), c.value) << c.name;
  }
}

TEST(StartUp, MissingPortSetupOpensTheDialogAndAppliesItsSettings) {
  ProgramRig rig;
  rig.at(1.0, [&] {
    // The dialog (whatever window it is) is open over a disabled panel.
    EXPECT_FALSE(rig.frm.form.enabled);
    EXPECT_NE(rig.control("txtInfo").caption.find("fileExists(PortSetup.txt): Err 2."),
              std::string::npos);
    rig.link.gPortNumber = "1";
    rig.link.gPortSettings = "9600,O,7,1";
    rig.link.gHandshake = "comRTS";
    rig.link.gPortSetupChanged = true;
    for (ui::Form* f : rig.ui.forms()) {
      if (f != &rig.frm.form) f->close();
    }
  });
  rig.runFor(10.0);
  EXPECT_EQ(rig.port.handshaking(), 2);
  EXPECT_EQ(rig.frm.panelMode, "REMOTE");
}

TEST(StartUp, WithoutSettingsWaitsQuietlyForThem) {
  ProgramRig rig;
  rig.at(0.6, [&] {
    for (ui::Form* f : rig.ui.forms()) {
      if (f != &rig.frm.form) f->close();
    }
  });
  rig.at(30.0, [&] {
    EXPECT_EQ(rig.port.opens(), 0);
    EXPECT_EQ(rig.frm.panelMode, "");
    rig.link.gPortNumber = "1";
    rig.link.gPortSettings = "9600,O,7,1";
    rig.link.gPortSetupChanged = true;
  });
  rig.runFor(40.0);
  EXPECT_EQ(rig.frm.panelMode, "REMOTE");
}

TEST(StartUp, FirstAnswerWithOnlyLocalStartsTheLocalSetUp) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.radio.state.remote = false;
  rig.radio.faults.nextQueryROnly = true;
  rig.runFor(6.0);
  EXPECT_EQ(rig.frm.panelMode, "LOCAL");
  EXPECT_EQ(rig.link.gSyncChar, " ");
}

TEST(StartUp, SilentRadioIsPolledEverySixTenths) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.radio.faults.silent = true;
  rig.runFor(10.0);
  std::vector<double> polls = writeTimes(rig, "?\n");
  ASSERT_GE(polls.size(), 10u);
  for (size_t i = 2; i < polls.size(); ++i) EXPECT_NEAR(polls[i] - polls[i - 1], 0.6, 0.02);
  EXPECT_EQ(rig.frm.panelMode, "");
  EXPECT_EQ(rig.control("lblComStat").caption, "No Com");
}

TEST(StartUp, FirmwareGenerationsAreToldApart) {
  struct Case {
    int firmware;
    const char* caption;
  } cases[] = {{1, "F/W: v601C"}, {2, "F/W: v604M Adapt"}, {3, "F/W: v604M NonAdapt"}};
  for (const Case& c : cases) {
    ProgramRig rig(c.firmware);
    rig.writePortSetup();
    rig.runFor(8.0);
    EXPECT_EQ(rig.link.gFWType, c.firmware);
    EXPECT_EQ(rig.control("lblFWType").caption, c.caption);
  }
}

TEST(MainLoop, KeepAliveEveryTwoSecondsInRemote) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.runFor(20.0);
  std::vector<double> syncs = writeTimes(rig, "U");
  ASSERT_GE(syncs.size(), 5u);
  for (size_t i = 1; i < syncs.size(); ++i) {
    EXPECT_GT(syncs[i] - syncs[i - 1], 2.0);
    EXPECT_LT(syncs[i] - syncs[i - 1], 2.2);
  }
  EXPECT_EQ(rig.link.gSyncCount, 0);  // each one answered
}

TEST(MainLoop, RestartsTheLinkAfterTheSixthUnansweredKeepAlive) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(8.0, [&] { rig.radio.faults.dropKeyAnswers = true; });
  rig.runFor(30.0);
  ASSERT_FALSE(rig.ui.messageBoxes().empty());
  EXPECT_EQ(rig.ui.messageBoxes()[0], "No Sync Response. OK to Restart.");
  EXPECT_GE(rig.port.opens(), 2);  // the port was closed and opened again
}

TEST(MainLoop, SwitchesBetweenRemoteAndLocalAsTheRadioReports) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(6.0, [&] {
    EXPECT_EQ(rig.frm.panelMode, "REMOTE");
    for (const RadioReply& r : rig.radio.switchRemote(false)) rig.port.deliver(r);
  });
  rig.at(12.0, [&] {
    EXPECT_EQ(rig.frm.panelMode, "LOCAL");
    EXPECT_EQ(rig.link.gSyncChar, " ");
    rig.port.clearWrites();
  });
  rig.at(18.0, [&] {
    // No keep-alive in LOCAL operation.
    EXPECT_EQ(rig.port.written().find('U'), std::string::npos);
    for (const RadioReply& r : rig.radio.switchRemote(true)) rig.port.deliver(r);
  });
  rig.runFor(24.0);
  EXPECT_EQ(rig.frm.panelMode, "REMOTE");
}

TEST(MainLoop, TransmitIndicatorFollowsTheRadio) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(6.0, [&] {
    rig.radio.faults.dropKeyAnswers = true;  // the keep-alive's "U" goes unanswered
    rig.port.deliver({0, "K\n"});
  });
  rig.at(6.5, [&] {
    EXPECT_EQ(rig.control("lblXMTRCV").caption, "Transmit");
    EXPECT_EQ(rig.control("lblXMTRCV").backColor, ui::kRed);
    EXPECT_FALSE(rig.control("cmdFreq").enabled);
    EXPECT_FALSE(rig.control("cmdF", 3).enabled);
    rig.port.deliver({0, "U\n"});
  });
  rig.runFor(7.0);
  EXPECT_EQ(rig.control("lblXMTRCV").caption, "Receive");
  EXPECT_EQ(rig.control("lblXMTRCV").backColor, ui::kGreen);
  EXPECT_TRUE(rig.control("cmdEnter").enabled);
  EXPECT_TRUE(rig.control("cmdF", 0).enabled);
}

TEST(MainLoop, ReopensAfterTheDeviceDisappearsAndComesBack) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(6.0, [&] { rig.port.unplug(); });
  rig.at(10.0, [&] {
    EXPECT_EQ(rig.control("lblComStat").caption, "Com Error");
    EXPECT_FALSE(rig.port.portOpen());
  });
  rig.at(16.0, [&] {
    rig.port.plug();
    rig.port.clearWrites();
  });
  rig.runFor(30.0);
  EXPECT_TRUE(rig.port.portOpen());
  EXPECT_EQ(rig.frm.panelMode, "REMOTE");
  EXPECT_NE(rig.port.written().find("U"), std::string::npos);
  EXPECT_EQ(rig.control("lblComStat").caption, "Com OK");
}

TEST(MainLoop, TwoClicksBeforeThePassRunTheActionOnce) {
  ProgramRig rig;
  rig.writePortSetup();
  int runs = 0;
  rig.at(6.0, [&] {
    rig.frm.getStatusFlag = false;
    rig.click("cmdGetStatus");
    rig.click("cmdGetStatus");
    runs = count(rig.commands(), "?");
  });
  rig.runFor(8.0);
  EXPECT_FALSE(rig.frm.getStatusFlag);
  (void)runs;
}

TEST(Shutdown, ClosingTheWindowSendsG00AndEnds) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(6.0, [&] {
    rig.port.clearWrites();
    rig.frm.form.close();
  });
  EXPECT_TRUE(rig.runFor(10.0));
  EXPECT_EQ(rig.exitCode, 0);
  EXPECT_EQ(rig.sent(), "G00\n");
  EXPECT_FALSE(rig.port.portOpen());
  EXPECT_NEAR(rig.elapsed(), 6.3, 0.05);
}

TEST(Shutdown, KeyedTransmitterIsReleasedFirst) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(6.0, [&] {
    rig.link.gSyncChar = "K";
    rig.port.clearWrites();
    rig.click("mnuFileExit");
  });
  EXPECT_TRUE(rig.runFor(10.0));
  EXPECT_EQ(rig.sent(), "UG00\n");
}

}  // namespace

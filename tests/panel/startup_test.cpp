#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "platform/ui/user_actions.h"
#include "tests/support/program_rig.h"

namespace {

int count(const std::vector<std::string>& commands, const std::string& c) {
  return static_cast<int>(std::count(commands.begin(), commands.end(), c));
}

/// The AGC and mode codes ("A1".."A4", "M1".."M4") the radio received from command `from` on.
std::vector<std::string> agcAndModeCodes(const ProgramRig& rig, size_t from) {
  std::vector<std::string> codes;
  for (size_t i = from; i < rig.commands().size(); ++i) {
    const std::string& c = rig.commands()[i];
    if (c.size() == 2 && (c[0] == 'A' || c[0] == 'M') && c[1] >= '1' && c[1] <= '4') {
      codes.push_back(c);
    }
  }
  return codes;
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
  rig.at(0.7, [&] {
    // Synchronising: the settings file was read and the information box left empty.
    EXPECT_TRUE(rig.control("txtInfo").visible);
    EXPECT_EQ(rig.control("txtInfo").caption, "");
    EXPECT_TRUE(rig.port.portOpen());
  });
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

TEST(StartUp, RefusedPropertiesArePassedOverButAPortNamedWronglyStaysClosed) {
  struct Case {
    std::string file;  // empty: PortSetup.txt is a folder
    bool opens;
    int handshaking;
    const char* comStat;
    const char* info;
  } cases[] = {
      // Settings refused: opened with the port's own.
      {"1\r\nfast\r\ncomRTS\r\n", true, 2, "No Com", ""},
      {"1\r\n", true, 0, "No Com", ""},  // fewer than three lines: the same
      // No port 17: not port 1 instead.
      {"17\r\n9600,O,7,1\r\ncomRTS\r\n", false, 2, "Com Error",
       "Port COM17: Err 8002. No such port: \"17\""},
      // A NUL is shown, not the end of the text; a long value is cut.
      {std::string("\0\r\n", 3), false, 0, "Com Error",
       "Port COM^@: Err 8002. No such port: \"^@\""},
      {std::string(40, '9') + "\r\n", false, 0, "Com Error",
       "Port COM9999999999999999...: Err 8002. No such port: \"9999999999999999...\""},
      // There but unreadable: said so, not taken for a bad port number.
      {"", false, 0, "No Com", "PortSetup.txt: Err 21. Is a directory"},
  };
  for (const Case& c : cases) {
    ProgramRig rig;
    if (c.file.empty()) std::filesystem::create_directory(rig.folder.file("PortSetup.txt"));
    rig.folder.write("PortSetup.txt", c.file);
    rig.runFor(1.0);  // the port set-up is done, the radio not yet asked
    EXPECT_EQ(rig.port.portOpen(), c.opens) << c.info;
    EXPECT_EQ(rig.port.handshaking(), c.handshaking) << c.info;
    EXPECT_EQ(rig.control("lblComStat").caption, c.comStat) << c.info;
    EXPECT_EQ(rig.control("txtInfo").caption, c.info);
  }
}

TEST(StartUp, MissingPortSetupOpensTheDialogAndAppliesItsSettings) {
  ProgramRig rig;
  rig.at(1.0, [&] {
    // The dialog (whatever window it is) is open over a disabled panel.
    EXPECT_FALSE(rig.frm.form.enabled);
    EXPECT_NE(rig.control("txtInfo").caption->find("fileExists(PortSetup.txt): Err 2."),
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

TEST(StartUp, SilentRadioIsPolledEverySixTenthsAndClicksMeanwhileAreDropped) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.radio.faults.silent = true;
  rig.at(5.0, [&] {
    // The idle panel's buttons still take clicks; no set-up has run to serve them.
    EXPECT_TRUE(rig.click("cmd20M"));
    EXPECT_TRUE(rig.click("cmdMode"));
  });
  std::vector<double> polls;
  rig.at(10.0, [&] {
    polls = writeTimes(rig, "?\n");
    EXPECT_EQ(rig.frm.panelMode, "");
    EXPECT_EQ(rig.control("lblComStat").caption, "No Com");
    rig.radio.faults.silent = false;
  });
  rig.at(19.9, [&] {
    // Back in REMOTE operation without the stale clicks: no band list, no mode command.
    EXPECT_EQ(rig.frm.panelMode, "REMOTE");
    EXPECT_EQ(rig.ui.findForm("frmBandSelect"), nullptr);
    EXPECT_TRUE(agcAndModeCodes(rig, 0).empty());
  });
  rig.runFor(20.0);
  ASSERT_GE(polls.size(), 10u);
  for (size_t i = 2; i < polls.size(); ++i) EXPECT_NEAR(polls[i] - polls[i - 1], 0.6, 0.02);
}

TEST(StartUp, SilentRadioIsPolledFiveSecondsLaterAfterABreak) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.radio.faults.silent = true;
  rig.at(3.0, [&] { rig.port.deliver({0, "", true}); });
  rig.runFor(20.0);
  std::vector<double> polls = writeTimes(rig, "?\n");
  ASSERT_GE(polls.size(), 6u);
  double breakAt = rig.start + 3.0;
  for (size_t i = 2; i < polls.size(); ++i) {
    double gap = polls[i] - polls[i - 1];
    // Before the break a silent poll takes its 0.6 s; after it, 5.0 s more.
    double expected = polls[i] < breakAt ? 0.6 : polls[i - 1] > breakAt ? 5.6 : gap;
    EXPECT_NEAR(gap, expected, 0.02) << i;
  }
  EXPECT_EQ(rig.frm.panelMode, "");
}

TEST(StartUp, FullAnswerWithoutRemoteStateKeepsPolling) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.radio.faults.garbleTags = "R";  // every R line is dropped as garbled
  rig.at(10.0, [&] {
    EXPECT_EQ(rig.frm.panelMode, "");
    // Each garbled answer's parity error outlasts that read's "Com OK" until the next read.
    EXPECT_EQ(rig.control("lblComStat").caption, "Com Error");
    EXPECT_GE(count(rig.commands(), "?"), 8);  // still asking, at the pace of its waits
    rig.radio.faults.garbleTags = "";
  });
  rig.runFor(20.0);
  EXPECT_EQ(rig.frm.panelMode, "REMOTE");
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
  rig.runFor(19.5);  // between a keep-alive's answer and the next keep-alive
  std::vector<double> syncs = writeTimes(rig, "U");
  for (double s : syncs) fprintf(stderr, "U %.6f\n", s - rig.start);
  ASSERT_GE(syncs.size(), 5u);
  for (size_t i = 1; i < syncs.size(); ++i) {
    EXPECT_GT(syncs[i] - syncs[i - 1], 2.0);
    EXPECT_LT(syncs[i] - syncs[i - 1], 2.2);
  }
  EXPECT_EQ(rig.link.gSyncCount, 0);  // each one answered
}

TEST(MainLoop, IdlePassSleepsUntilSomethingIsDue) {
  ProgramRig rig;
  rig.writePortSetup();
  std::vector<double> wakes;  // the latest end of each yield
  rig.at(10.0,
         [&] { rig.ui.onDoEvents = [&](double max) { wakes.push_back(rig.elapsed() + max); }; });
  rig.runFor(11.6);
  // From 10 s to the next keep-alive the pass wakes only to blank lblU, 1.0 s after the last
  // keep-alive settled, and to send the next one, 2.0 s after; each wake tests again at once
  // whether the time has passed.
  double settled = writeTimes(rig, "U")[2] - rig.start + 0.1;
  std::vector<double> expected = {settled + 1.0, settled + 1.0, settled + 2.0, settled + 2.0};
  ASSERT_GE(wakes.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(wakes[i], expected[i], 1e-6) << i;
}

TEST(MainLoop, RestartsTheLinkAfterTheSixthUnansweredKeepAlive) {
  ProgramRig rig;
  rig.writePortSetup();
  double messageAt = 0;
  rig.ui.onMessageBox = [&](const std::string&) { messageAt = rig.clock.now(); };
  rig.at(8.0, [&] { rig.radio.faults.dropKeyAnswers = true; });
  rig.runFor(30.0);
  ASSERT_FALSE(rig.ui.messageBoxes().empty());
  EXPECT_EQ(rig.ui.messageBoxes()[0], "No Sync Response. OK to Restart.");
  int unanswered = 0;
  bool askedAgain = false;
  for (const auto& w : rig.port.writes()) {
    if (w.bytes == "U" && w.time > rig.start + 8.0 && w.time < messageAt) ++unanswered;
    if (w.bytes == "?\n" && w.time > messageAt) askedAgain = true;
  }
  EXPECT_EQ(unanswered, 6);
  EXPECT_GE(rig.port.opens(), 2);  // after OK the port was closed and opened again
  EXPECT_TRUE(askedAgain);
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

TEST(MainLoop, TransmitEndingInLocalOperationKeepsFrequencyEntryLocked) {
  ProgramRig rig(1);  // the LOCAL set-up of generation 1 locks frequency entry
  rig.writePortSetup();
  rig.radio.state.remote = false;
  rig.at(6.0, [&] {
    ASSERT_EQ(rig.frm.panelMode, "LOCAL");
    rig.port.deliver({0, "K\n"});
  });
  rig.at(6.5, [&] {
    EXPECT_EQ(rig.control("lblXMTRCV").caption, "Transmit");
    rig.port.deliver({0, "U\n"});
  });
  rig.runFor(7.0);
  EXPECT_EQ(rig.control("lblXMTRCV").caption, "Receive");
  EXPECT_FALSE(rig.control("cmdFreq").enabled);
  EXPECT_FALSE(rig.control("cmdF", 0).enabled);
}

TEST(MainLoop, ReopensAfterTheDeviceDisappearsAndComesBack) {
  const struct {
    const char* lostDuring;
    std::function<void(ProgramRig&)> fault;  // keeps the program where the row says
    double reopenedBy;  // at once; after the synchronisation's 5 s that follow a break
  } kRows[] = {
      {"the main loop", [](ProgramRig&) {}, 7.0},
      {"the synchronisation", [](ProgramRig& r) { r.radio.faults.silent = true; }, 12.0},
      {"the REMOTE set-up's wait", [](ProgramRig& r) { r.radio.faults.garbleTags = "#"; }, 8.0},
      // An audio source the radio ignores keeps the set-up stepping it until about 7 s.
      {"the REMOTE set-up's steps",
       [](ProgramRig& r) {
         r.folder.write("AudioSetup.txt", "H2\r\n'1\r\nE0\r\n");
         r.radio.faults.ignoredLetter = 'H';
       },
       10.0},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.lostDuring);
    ProgramRig rig;
    rig.writePortSetup();
    row.fault(rig);
    rig.at(6.0, [&] { rig.port.unplug(); });
    rig.at(row.reopenedBy, [&] {
      EXPECT_EQ(rig.control("lblComStat").caption, "Com Error");
      EXPECT_EQ(rig.control("txtInfo").caption, "Port COM1: Err 2. No such file or directory");
      EXPECT_FALSE(rig.port.portOpen());
    });
    rig.at(16.0, [&] {
      rig.radio.faults = RadioFaults();
      rig.port.plug();
      rig.port.clearWrites();
    });
    rig.runFor(30.0);
    // The keep-alive of REMOTE operation goes out again within 10 s of the device's return.
    std::vector<double> keepAlives = writeTimes(rig, "U");
    ASSERT_FALSE(keepAlives.empty());
    EXPECT_LE(keepAlives.front() - (rig.start + 16.0), 10.0);
    EXPECT_EQ(rig.control("lblComStat").caption, "Com OK");
  }
}

TEST(MainLoop, ClicksBeforeAndDuringTheActionRunItOnce) {
  ProgramRig rig;  // generation 2: one mode click sends one absolute mode code
  rig.writePortSetup();
  size_t from = 0;
  rig.at(6.0, [&] {
    from = rig.commands().size();
    rig.click("cmdMode");
    rig.click("cmdMode");  // before the pass serves it: the flag is already up
  });
  // Once the radio has the mode code, modeCmd is waiting for its answer: click once more.
  bool clicked = false;
  bool clickedDuring = false;
  for (double t = 6.05; t < 7.0; t += 0.05) {
    rig.at(t, [&] {
      if (clicked || agcAndModeCodes(rig, from).empty()) return;
      clickedDuring = rig.frm.modeFlag;  // still up: modeCmd has not finished
      clicked = rig.click("cmdMode");
    });
  }
  rig.runFor(8.0);
  EXPECT_TRUE(clickedDuring);
  EXPECT_EQ(agcAndModeCodes(rig, from), std::vector<std::string>{"M2"});
  EXPECT_FALSE(rig.frm.modeFlag);
}

TEST(MainLoop, FlagsAreServedInTableOrderNotClickOrder) {
  ProgramRig rig;
  rig.writePortSetup();
  size_t from = 0;
  rig.at(6.0, [&] {
    from = rig.commands().size();
    rig.click("cmdMode");
    rig.click("cmdAGC");  // clicked second, but comes first in the table
  });
  rig.runFor(8.0);
  EXPECT_EQ(agcAndModeCodes(rig, from), (std::vector<std::string>{"A3", "M2"}));
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

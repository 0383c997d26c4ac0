// The program's start-up, main loop and shutdown on the simulated radio: what reaches the line
// and when, in virtual seconds since the start.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "tests/panel/panel_table.h"

namespace {

using namespace panel_table;
using Script = std::function<void(Rig&)>;
using Strings = std::vector<std::string>;

/// The writes from `from` seconds on, as "seconds bytes" with each line feed shown as "|".
std::string writesFrom(const ProgramRig& rig, double from) {
  std::string all;
  for (const auto& w : rig.port.writes()) {
    char time[16];
    std::snprintf(time, sizeof time, "%s%.2f ", all.empty() ? "" : ", ", w.time - rig.start);
    if (w.time - rig.start >= from) all += time + w.bytes;
  }
  std::replace(all.begin(), all.end(), '\n', '|');
  return all;
}

void closeChildWindows(ProgramRig& rig) {
  for (ui::Form* f : rig.ui.forms()) {
    if (f != &rig.frm.form) f->close();
  }
}

TEST(StartUp, PortSetupLinesOpenThePortOrSayWhyNot) {
  auto lines = [](const std::string& handshake) { return "1\r\n9600,O,7,1\r\n" + handshake; };
  // Cut after 16 characters whatever the bytes: a control character, a UTF-8 character and a
  // byte that begins none (cut short, overlong, a surrogate, past U+10FFFF) count one each.
  std::string junk = "\x01\u00e9\u20ac\U0001F4FB\xE2\x82\xE0\x80\xAF\xED\xA0\x80\xF4\x90\x80\x80" +
                     std::string(1 << 20, '\xBF');
  std::string cut = "^A\u00e9\u20ac\U0001F4FB";
  for (int i = 4; i < 16; ++i) cut += "\ufffd";
  const std::string junkInfo = "Port COM" + cut + "...: Err 8002. No such port: \"" + cut + "...\"";
  const struct {
    std::string file;  // empty: PortSetup.txt is a folder
    int handshaking;
    const char* info;  // the port opens when there is nothing to say
  } kRows[] = {
      {lines("comNone"), 0, ""},
      {lines("comXonXoff"), 1, ""},
      {lines("comXOnXOff"), 1, ""},
      {lines("comRTS"), 2, ""},
      {lines("comRTSXonXoff"), 3, ""},
      {lines("comRTSXOnXOff"), 3, ""},
      {lines("comrtsxonxoff"), 0, ""},  // differs only in case
      // Settings refused, or missing lines: opened with the port's own.
      {"1\r\nfast\r\ncomRTS\r\n", 2, ""},
      {"1\r\n", 0, ""},
      // No port 17: not port 1 instead.
      {"17\r\n9600,O,7,1\r\ncomRTS\r\n", 2, "Port COM17: Err 8002. No such port: \"17\""},
      // A NUL is shown, not the end of the text; a long value is cut.
      {std::string("\0\r\n", 3), 0, "Port COM^@: Err 8002. No such port: \"^@\""},
      {std::string(40, '9') + "\r\n", 0,
       "Port COM9999999999999999...: Err 8002. No such port: \"9999999999999999...\""},
      {junk + "\r\n", 0, junkInfo.c_str()},  // a megabyte of junk: cut all the same
      // There but unreadable: said so, not taken for a bad port number.
      {"", 0, "fileExists(PortSetup.txt): Err 21. Is a directory"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.file.substr(0, 40));
    ProgramRig rig;
    if (row.file.empty()) std::filesystem::create_directory(rig.folder.file("PortSetup.txt"));
    rig.folder.write("PortSetup.txt", row.file);
    bool asked = false;  // Port Setup opened, as without settings
    rig.at(0.9, [&] { asked = rig.ui.findForm("frmPortSetup") != nullptr; });
    rig.runFor(1.0);  // the port set-up is done, the radio not yet asked
    EXPECT_EQ(asked, row.file.empty());
    EXPECT_EQ(rig.port.portOpen(), *row.info == '\0');
    EXPECT_EQ(rig.port.handshaking(), row.handshaking);
    bool given = row.file.find(",O,7,") != std::string::npos;  // else the port's own
    EXPECT_EQ(rig.port.settings(), given ? "9600,O,7,1" : "9600,N,8,1");
    bool failed = *row.info != '\0' && !row.file.empty();
    EXPECT_EQ(rig.control("lblComStat").caption, failed ? "Com Error" : "No Com");
    EXPECT_TRUE(rig.control("txtInfo").visible);
    EXPECT_EQ(rig.control("txtInfo").caption, row.info);
  }
}

TEST(StartUpAndMainLoop, WriteAtTheirTimes) {
  auto at = [](double t, Script action) {
    return [t, action](Rig& r) { r.at(t, [&r, action] { action(r); }); };
  };
  Script silent = [](Rig& r) { r.radio.faults.silent = true; };
  Script breakAt3 = [&](Rig& r) {
    silent(r);
    at(3.0, [](Rig& r) { r.port.deliver({0, "", true}); })(r);
    // A break on the line is waited out; only a device that went away is opened again.
    at(8.9, [](Rig& r) { EXPECT_EQ(r.port.opens(), 1); })(r);
  };
  Script rOnlyLocal = [](Rig& r) {
    r.radio.state.remote = false;
    r.radio.faults.nextQueryROnly = true;
  };
  // XMT, TUNE and TUN clicks: lowered when each would key, kept when each would unkey (keyed).
  auto noState = [&](bool keyed) -> Script {
    return [=](Rig& r) {
      r.radio.faults.garbleTags = "R";
      at(2.5, [=](Rig& r) {
        EXPECT_TRUE(r.click("cmdGetStatus") && r.click("cmdMode"));
        r.frm.xmitFlag = r.frm.tuneFlag = r.frm.tuneAmpFlag = true;
        if (keyed) r.frm.cmdXmit.caption = "&XMT OFF";
        if (keyed) r.frm.cmdTune.caption = "T&UNE OFF";
        r.link.gAmpTuning = keyed;
      })(r);
      at(10.0, [](Rig& r) { r.radio.faults.garbleTags = ""; })(r);
      at(12.45, [=](Rig& r) {
        EXPECT_EQ(r.frm.xmitFlag + r.frm.tuneFlag + r.frm.tuneAmpFlag, 3 * keyed);
      })(r);
    };
  };
  Script unanswered = at(8.0, [](Rig& r) { r.radio.faults.dropKeyAnswers = true; });
  // The same with XMT keyed: the radio may still hear what it no longer answers, so it goes
  // back to receive before the message, which the user is slow to close. The radio answers
  // again by then, and the restart shows XMT ended. Its last word was "K" (the "U" went
  // unanswered), so the REMOTE set-up says "U" once more before anything else.
  Script unansweredKeyed = [&](Rig& r) {
    at(7.0, [](Rig& r) { r.click("cmdXmit"); })(r);
    unanswered(r);
    r.ui.holdMessageBoxes(5.0);
    r.ui.onMessageBox = [&r](const std::string&) {
      EXPECT_FALSE(r.radio.state.transmitting);
      r.radio.faults.dropKeyAnswers = false;
    };
    at(29.0, [](Rig& r) { EXPECT_EQ(r.frm.cmdXmit.caption, "&XMT ON"); })(r);
  };
  Script tuning = at(6.0, [](Rig& r) {
    r.link.gSyncChar = "K";  // as tuneAmpCmd leaves it
    r.link.gAmpTuning = true;
    r.link.gAmpTuneStart = r.clock.now();
  });
  Script switching = [&](Rig& r) {
    at(4.0, radioGoesLocal)(r);
    at(9.0, [](Rig& r) { r.port.deliver(r.radio.switchRemote(true).at(0)); })(r);
  };
  // Without PortSetup.txt the dialog asks for the settings, over a disabled panel; they are
  // applied in it, or later while the program waits quietly.
  auto askedFor = [&](bool applyInDialog) -> Script {
    return [=](Rig& r) {
      std::filesystem::remove(r.folder.file("PortSetup.txt"));
      auto apply = [](Rig& r) {
        r.link.gPortNumber = "1";
        r.link.gPortSettings = "9600,O,7,1";
        r.link.gPortSetupChanged = true;
      };
      at(1.0, [=](Rig& r) {
        EXPECT_FALSE(r.frm.form.enabled);
        EXPECT_NE(r.control("txtInfo").caption->find("fileExists(PortSetup.txt): Err 2."),
                  std::string::npos);
        if (applyInDialog) apply(r);
        closeChildWindows(r);
      })(r);
      if (!applyInDialog) at(30.0, apply)(r);
    };
  };
  Script closeBox = at(6.0, [](Rig& r) { r.frm.form.close(); });
  Script exitKeyed = at(6.0, [](Rig& r) {
    r.link.gSyncChar = "K";
    r.click("mnuFileExit");
  });
  // XMT's off click answered "K" by a radio that had just gone LOCAL, which keeps the carrier;
  // it is handed back just as the close box is clicked, which still says "U" first.
  Script keptLocal = [&](Rig& r) {
    at(6.0, [](Rig& r) { r.click("cmdXmit"); })(r);
    at(7.0, [](Rig& r) {
      r.radio.switchRemote(false);
      r.click("cmdXmit");
    })(r);
    at(8.0, [](Rig& r) { r.port.deliver({0, "R0\n"}); })(r);
  };
  Script closeBoxKeptLocal = [&](Rig& r) {
    keptLocal(r);
    at(10.0, [](Rig& r) {
      r.radio.switchRemote(true);
      r.frm.form.close();
    })(r);
  };
  // The same, the device gone meanwhile and back, handed back, just as a signal comes, the
  // port still closed: the radio's last word was "K", so the shutdown opens it to say "U".
  Script signalKeptLocalPortClosed = [&](Rig& r) {
    keptLocal(r);
    at(8.5, [](Rig& r) { r.port.unplug(); })(r);
    at(12.0, [](Rig& r) {
      EXPECT_FALSE(r.port.portOpen());
      r.port.plug();
      r.radio.switchRemote(true);
      r.ui.requestEnd();
    })(r);
  };
  // A signal, wherever it arrives: in the main loop keyed, inside a click's own wait, over a
  // band list, while a message box is open.
  auto signalAt = [&](double t) { return at(t, [](Rig& r) { r.ui.requestEnd(); }); };
  Script signalKeyed = at(6.0, [](Rig& r) {
    r.link.gSyncChar = "K";
    r.ui.requestEnd();
  });
  Script signalInAWait = [&](Rig& r) {
    at(6.0, [](Rig& r) { r.click("cmdAGC"); })(r);
    signalAt(6.05)(r);
  };
  Script signalInXmtsWait = [&](Rig& r) {
    at(6.0, [](Rig& r) { r.click("cmdXmit"); })(r);
    signalAt(6.05)(r);
  };
  Script signalOverABandList = [&](Rig& r) {
    at(5.0, [](Rig& r) { r.click("cmd40M"); })(r);
    at(5.9, [](Rig& r) { EXPECT_NE(r.ui.findForm("frmBandSelect"), nullptr); })(r);
    signalAt(6.0)(r);
  };
  Script signalInAMessageBox = [&](Rig& r) {
    r.ui.holdMessageBoxes(10.0);
    r.ui.onMessageBox = [&r](const std::string&) { r.ui.requestEnd(); };
    at(6.0, [](Rig& r) { r.radio.faults.silent = true; })(r);
  };
  // Keyed from the panel, the device gone at the signal: the shutdown tries it afresh, which it
  // refuses, and ends without waiting on a line that reaches nothing.
  Script signalDeviceGone = [&](Rig& r) {
    at(6.0, [](Rig& r) { r.click("cmdXmit"); })(r);
    at(6.5, [](Rig& r) { r.port.unplug(); })(r);
    signalAt(6.5)(r);
  };
  // The same with the device back just as the signal comes, before the panel has reopened it.
  Script signalDeviceBack = [&](Rig& r) {
    at(6.0, [](Rig& r) { r.click("cmdXmit"); })(r);
    at(6.5, [](Rig& r) {
      r.port.unplug();
      r.port.plug();
      r.ui.requestEnd();
    })(r);
  };
  // Or back once the panel has closed the port, failing to reopen it: the "U" it owes still
  // goes out.
  Script signalPortClosedDeviceBack = [&](Rig& r) {
    at(6.0, [](Rig& r) { r.click("cmdXmit"); })(r);
    at(6.5, [](Rig& r) { r.port.unplug(); })(r);
    at(8.0, [](Rig& r) {
      EXPECT_FALSE(r.port.portOpen());
      r.port.plug();
      r.ui.requestEnd();
    })(r);
  };
  // Port Setup applies another port (here one that is missing) while XMT keys the radio on
  // this one: nothing would reach that radio again to end its transmission. Port 1 again
  // finds it in receive, with XMT ended.
  auto applyPort = [&](double t, const char* number) {
    return at(t, [number](Rig& r) {
      r.link.gPortNumber = number;
      r.link.gPortSetupChanged = true;
    });
  };
  // XMT keyed, then another port applied and the first one again: the "U" goes out as the first
  // port closes, its answer unread, so the REMOTE set-up on it says "U" again first.
  Script otherPortKeyed = [&](Rig& r) {
    at(6.0, [](Rig& r) { r.click("cmdXmit"); })(r);
    applyPort(7.0, "2")(r);
    at(9.0, [](Rig& r) { EXPECT_FALSE(r.radio.state.transmitting); })(r);
    applyPort(9.0, "1")(r);
    at(13.0, [](Rig& r) { EXPECT_EQ(r.frm.cmdXmit.caption, "&XMT ON"); })(r);
  };
  Script missingPort = [&](Rig& r) {
    r.port.setPresentPorts({});
    at(7.0, [](Rig& r) { r.port.plug(); })(r);
  };
  const Strings noSync = {"No Sync Response. OK to Restart."};
  const struct {
    Script script;
    double from, until;
    const char* writes;  // and ", end" when the program ended
    Strings messages = {};
  } kRows[] = {
      // A silent radio: the first poll after the start-up's and the synchronisation's 0.5 s,
      // then one per 0.6 s settle time; 5.0 s more after a break.
      {silent, 0, 5, "1.00 ?|, 1.60 ?|, 2.20 ?|, 2.80 ?|, 3.40 ?|, 4.00 ?|, 4.60 ?|"},
      {breakAt3, 0, 9, "1.00 ?|, 1.60 ?|, 2.20 ?|, 2.80 ?|, 8.40 ?|"},
      // A port missing at the start is tried again every 5 s.
      {missingPort, 0, 12, "11.20 ?|, 11.80 ?|"},
      // The first answer counts with its R line alone: the LOCAL set-up asks at once.
      {rOnlyLocal, 0, 4, "1.00 ?|, 1.66 ?|"},
      // Full answers without a usable R line: polled on. Once the radio is back at 10 s, the
      // clicks made meanwhile are served in table order after the set-up, but no keying one;
      // a transmission still keyed ends before the set-up's first request.
      {noState(true), 10, 12.5, "10.48 ?|, 11.08 ?|, 11.74 U, 11.84 ?|"},
      {noState(false), 10, 16,
       "10.48 ?|, 11.08 ?|, 11.74 ?|, 12.40 G00|, 12.50 B100|, 12.61 ?|, 13.27 M2|F1425000|, "
       "13.63 ?|, 15.27 U"},
      // A keep-alive 2.0 s after the last one's 0.1 s settle, answered or not; the sixth
      // unanswered since 8 s (an answer resets the count) restarts the link.
      {unanswered, 9, 21, "9.39 U, 11.49 U, 13.59 U, 15.69 U, 17.79 U, 19.89 U, 20.49 ?|", noSync},
      {unansweredKeyed, 9, 30,
       "9.26 K, 11.36 K, 13.46 K, 15.56 K, 17.66 K, 19.76 K, 19.86 U, 25.46 ?|, 26.12 U, 26.22 ?|, "
       "26.88 G00|, 26.98 B100|, 27.09 ?|, 27.75 U, 29.85 U",
       noSync},
      // An amplifier tune cycle more than 20 s old: unkeyed, then the status asked after OK.
      {tuning, 20, 27, "20.70 K, 22.80 K, 24.90 K, 26.00 U, 26.10 ?|, 26.70 U", {"Tune Cancelled"}},
      // No keep-alive in LOCAL operation; the REMOTE set-up once the radio is REMOTE again.
      {switching, 3, 14, "4.06 ?|, 9.06 ?|, 9.72 G00|, 9.82 B100|, 9.93 ?|, 10.59 U, 12.69 U"},
      {askedFor(true), 0, 3, "1.50 ?|, 2.16 ?|, 2.82 G00|, 2.92 B100|"},
      {askedFor(false), 0, 32, "30.80 ?|, 31.46 ?|"},
      // Shutdown by the close box, and by File > Exit with the transmitter keyed from the panel.
      {closeBox, 6, 10, "6.00 G00|, end 6.30"},
      {closeBoxKeptLocal, 9.5, 12, "10.00 U, 10.10 G00|, end 10.40"},
      {signalKeptLocalPortClosed, 11.5, 14, "12.00 U, 12.10 G00|, end 12.40"},
      {exitKeyed, 6, 10, "6.00 U, 6.10 G00|, end 6.40"},
      {signalKeyed, 6, 10, "6.00 U, 6.10 G00|, end 6.40"},
      {signalInAWait, 6, 10, "6.00 A3|F1425000||, 6.05 G00|, end 6.35"},
      {signalInXmtsWait, 6, 10, "6.00 K, 6.05 U, 6.15 G00|, end 6.45"},
      {signalOverABandList, 6, 10, "6.00 G00|, end 6.30"},
      {signalDeviceGone, 6.4, 10, ", end 6.50"},
      {signalDeviceBack, 6.4, 10, "6.50 U, 6.60 G00|, end 6.90"},
      {signalPortClosedDeviceBack, 6.4, 10, "8.00 U, 8.10 G00|, end 8.40"},
      {otherPortKeyed, 6, 13,
       "6.00 K, 6.16 K, 7.00 U, 9.90 ?|, 10.56 U, 10.66 ?|, 11.32 G00|, 11.42 B100|, 11.53 ?|, "
       "12.19 U"},
      {signalInAMessageBox, 17, 30, "17.79 U, 17.89 G00|, end 18.19", noSync},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.writes);
    Rig rig;
    row.script(rig);
    bool ended = rig.runFor(row.until);
    char end[16];
    std::snprintf(end, sizeof end, ", end %.2f", rig.elapsed());
    EXPECT_EQ(writesFrom(rig, row.from) + (ended ? end : ""), row.writes);
    EXPECT_EQ(rig.port.portOpen(), !ended);
    EXPECT_EQ(rig.ui.messageBoxes(), row.messages);
  }
}

TEST(MainLoop, IdlePassSleepsUntilSomethingIsDue) {
  Rig rig;
  std::vector<double> wakes;  // the latest end of each yield
  rig.at(10.0,
         [&] { rig.ui.onDoEvents = [&](double max) { wakes.push_back(rig.elapsed() + max); }; });
  rig.runFor(11.6);
  // From 10 s to the next keep-alive the pass wakes only to blank lblU, 1.0 s after the
  // keep-alive of 9.39 s settled, and to send the next one, 2.0 s after; each wake tests again
  // at once whether the time has passed.
  wakes.resize(4);
  for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(wakes[i], i < 2 ? 10.49 : 11.49, 1e-5) << i;
}

TEST(MainLoop, ReopensAfterTheDeviceDisappearsAndComesBack) {
  const struct {
    const char* lostDuring;
    Script fault;       // keeps the program where the row says
    double reopenedBy;  // at once; after the synchronisation's 5 s that follow a break
    const char* asked;  // back at 16 s: the first write, "?" at the next try, 5 s after the last
  } kRows[] = {
      {"the main loop", [](Rig&) {}, 7.0, "18.300001 ?\n"},
      {"the synchronisation", [](Rig& r) { r.radio.faults.silent = true; }, 12.0, "17.000002 ?\n"},
      {"the REMOTE set-up's wait", [](Rig& r) { r.radio.faults.garbleTags = "#"; }, 8.0,
       "18.580003 ?\n"},
      // An audio source the radio ignores keeps the set-up stepping it until about 7 s.
      {"the REMOTE set-up's steps",
       [](Rig& r) {
         r.folder.write("AudioSetup.txt", "H2\r\n'1\r\nE0\r\n");
         r.radio.faults.ignoredLetter = 'H';
       },
       10.0, "16.170002 ?\n"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.lostDuring);
    Rig rig;
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
      rig.radio.commandLog.clear();
    });
    rig.runFor(30.0);
    EXPECT_EQ(timedWrites(rig.port, rig.start).at(0), row.asked);
    EXPECT_GT(count(rig.commands(), "U"), 0);  // REMOTE operation again
    EXPECT_EQ(rig.control("lblComStat").caption, "Com OK");
  }
}

TEST(MainLoop, EveryActionWithThePortClosedLeavesTheWayBackToIt) {
  // The device goes at 1 s (or Port Setup applies port 2, which is missing), and at 10 s it is
  // back (or port 1 is applied again); the rows act before and after it goes.
  const struct {
    const char* action;
    std::string script;  // steps at seconds after kReady, as in the panel's tables
    const char* asked;   // the first write after the return, seconds after it
    bool byPortSetup = false;
    const char* state = "REMOTE";
  } kRows[] = {
      // Acted on while the port is closed: the digits read the radio's answer from it, and a
      // click stays raised until the link is back.
      {"a digit stepped down", "2 hold cmdF(6) R 0.3", "4.350001 ?\n"},
      {"a digit held up", "2 hold cmdF(0) L 2", "4.350001 ?\n"},
      {"a click, then a digit", "2 click cmdM2V;2.5 hold cmdF(6) R 0.3", "4.850001 ?\n"},
      {"a digit, port 2 applied", "2 hold cmdF(6) R 0.3", "0.850003 ?\n", true},
      {"a digit in LOCAL", "0 local;2 hold cmdF(6) R 0.3", "4.350001 ?\n", false, "LOCAL"},
      {"the RF gain", "2 set sliRFGain 40", "3.300001 ?\n"},
      {"a channel digit", "2 hold cmdChanF(3) L 1", "4.200001 ?\n"},
      // The scan menus meet the closed port in their band check, before their window opens.
      {"the scan menu", "2 force mnuScanFreqs", "4.500001 ?\n"},
      {"the sweep menu", "2 force mnuScanBands", "4.500001 ?\n"},
      // Under way when the device went: the entry's Enter, the windows' loops and ticks use a
      // device that has gone, and the port is reopened once they have ended.
      {"a keypad entry", "0.5 click cmdFreq;2 keys 0;3 click cmdEnter", "0.700001 ?\n"},
      {"a scan",
       inWindow("frmScanFreqs",
                "0.5 force mnuScanFreqs;2 text @txtFreq(0) 7.15;2 choose @Check1(0);2 click "
                "@cmdScan;5 close frmScanFreqs"),
       "2.700001 ?\n"},
      {"a sweep",
       inWindow("frmScanBands",
                "0.5 force mnuScanBands;2 click @cmd20M;2 click @cmdScanUp;5 close frmScanBands"),
       "3.000001 ?\n"},
      {"a band list row",
       inWindow(
           "frmBandSelect",
           "0.5 click cmd40M;2 text @txtFreq(0) 7.150;2 choose @Option1(0);5 close frmBandSelect"),
       "1.700001 ?\n"},
  };
  // An idle program yields a few times a second; a loop that fails at once on every pass
  // yields as fast as it can.
  constexpr int kIdleYields = 1000;
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.action);
    Rig rig;
    auto usePort = [&](bool present) {
      if (!row.byPortSetup) return present ? rig.port.plug() : rig.port.unplug();
      rig.link.gPortNumber = present ? "1" : "2";
      rig.link.gPortSetupChanged = true;
    };
    int yields = 0;
    rig.at(kReady + 1, [&] {
      usePort(false);
      rig.ui.onDoEvents = [&](double) {
        if (++yields > kIdleYields) throw StopRun();
      };
    });
    rig.at(kReady + 10, [&] {
      EXPECT_FALSE(rig.port.portOpen());
      usePort(true);
      rig.port.clearWrites();
    });
    std::string port = row.byPortSetup ? "2" : "1";
    schedule(rig, row.script + ";9.9 see lblComStat=Com Error;9.9 see txtInfo=Port COM" + port +
                      ": Err 2. No such file or directory;9.9 see form=1;20 see lblComStat=Com "
                      "OK;20 see txtInfo=;20 see lblInBand=In Band;20 see lblREMOTE=" +
                      row.state);
    rig.runFor(kReady + 20.5);
    EXPECT_LE(yields, kIdleYields);
    auto asked = timedWrites(rig.port, rig.start + kReady + 10);
    EXPECT_EQ(asked.empty() ? "nothing" : asked[0], row.asked);
  }
}

#define FLAG(name) \
  { #name, &frmZarvin::name##Flag }
TEST(MainLoop, ServesEveryRaisedFlagOnceInTableOrder) {
  const std::pair<const char*, bool frmZarvin::*> kOrder[] = {
      FLAG(audioSource), FLAG(agc),      FLAG(audio),    FLAG(bfo),      FLAG(bfo100),
      FLAG(clipping),    FLAG(band160M), FLAG(band75M),  FLAG(band60M),  FLAG(band40M),
      FLAG(band30M),     FLAG(band20M),  FLAG(band17M),  FLAG(band15M),  FLAG(band12M),
      FLAG(band10M),     FLAG(bandWWV),  FLAG(bandMARS), FLAG(meter),    FLAG(freq),
      FLAG(mode),        FLAG(mute),     FLAG(ptt),      FLAG(sideTone), FLAG(tune),
      FLAG(viewInData),  FLAG(vox),      FLAG(xmit),     FLAG(ampPwr),   FLAG(ampOpr),
      FLAG(tuneAmp),     FLAG(m2v),      FLAG(v2m),      FLAG(m2c),      FLAG(c2m),
      FLAG(getStatus)};
  Rig rig;
  Strings lowered, expected;
  std::vector<bool> raised(std::size(kOrder), true);
  rig.at(6.0, [&] {
    for (const auto& [name, flag] : kOrder) rig.frm.*flag = true;
    // At each yield: note the flags lowered since the last, end the keypad entry and close
    // the band lists (as a user does, by a window event).
    rig.ui.onDoEvents = [&](double) {
      for (size_t i = 0; i < raised.size(); ++i) {
        if (raised[i] && !(rig.frm.*kOrder[i].second)) lowered.push_back(kOrder[i].first);
        raised[i] = rig.frm.*kOrder[i].second;
      }
      rig.frm.keypadDone = true;
      if (rig.ui.forms().size() > 1)
        rig.ui.at(rig.scheduler.time(), [&] { closeChildWindows(rig); });
    };
  });
  rig.at(7.5, [&] { EXPECT_TRUE(rig.click("cmdMode")); });  // during modeCmd: absorbed
  rig.runFor(12.0);
  for (const auto& [name, flag] : kOrder) expected.push_back(name);
  // M->V, to a channel whose frequency is unknown, ends the tune begun by TUNE's flag: its off
  // click is served on the next pass.
  expected.push_back("tune");
  EXPECT_EQ(lowered, expected);
}
#undef FLAG

}  // namespace

// XMT, TUNE with its restore and the watchdog on the amplifier's tune cycle, on the whole
// program against the simulated radio.
#include <gtest/gtest.h>

#include "tests/panel/panel_table.h"

namespace {

using namespace panel_table;
using Strings = std::vector<std::string>;

// While XMT keys, TUNE is disabled, also after a band check in band, and a TUNE click raised
// before it was disabled does nothing. "K" goes out at once, once more before the radio's
// answer turned the indicator, then the keep-alive repeats it; the second press sends "U".
TEST(Transmit, XmtTwiceKeysThenUnkeysLockingTuneOut) {
  run({"0 force cmdXmit;1 see cmdXmit=&XMT OFF;7 force cmdXmit;7.5 see cmdXmit=&XMT ON;7.5 see "
       "cmdTune=T&UNE ON;7.5 see cmdTune.enabled=1",
       {"0 K", "0.16 K", "2.26 K", "4.360001 K", "6.460001 K", "7 U", "7.16 U"},
       [](Rig& r) {
         r.at(kReady + 1.0, [&r] {
           bool inBand = true;
           r.link.gShowInBand(inBand);
           EXPECT_FALSE(r.click("cmdTune"));
           r.frm.tuneFlag = true;
         });
       },
       2,
       true},
      [](Rig& r) { EXPECT_EQ(r.link.gSyncChar, "U"); });
}

// Retuned out of band, XMT and TUNE end and leave both buttons locked, so that nothing keys
// there, at once after their off click and after clicks raised then. A set-up's "U" (here after
// Audio Setup's Save) ends them as their own off clicks do, leaving both enabled in band. So
// does a retune that a band list's timer tick shows during a keying click's own waits, TUN's
// too.
TEST(Transmit, EndedOutOfBandLocksBothButtons) {
  for (std::string end : {"cmdXmit", "cmdTune", "set-up cmdXmit", "set-up cmdTune", "tick cmdXmit",
                          "tick cmdTune", "tick cmdTuneAmp"}) {
    SCOPED_TRACE(end);
    bool setUp = end.find("set-up") == 0, tick = end.find("tick") == 0;
    std::string button = end.substr(end.find(' ') + 1);
    Rig rig;
    rig.radio.behaviour.ampTuneSeconds = -1;  // TUN's cycle runs until it is ended
    if (button == "cmdTuneAmp") rig.radio.state.amp = 4, rig.radio.state.ampTune = 2;
    rig.at(kReady, [&] { press(rig, button); });
    rig.at(kReady + (tick ? 0.05 : 1.0), [&] {  // a tick within the click's own waits
      if (setUp) return void(rig.link.gAudioSetupChanged = true);
      rig.radio.state.freq = 500000;  // 5 MHz, tuned on the radio's own panel
      rig.port.deliver({0, "F0500000\n"});
      if (tick) rig.link.readWaitingResponse(), rig.link.gUpdateDisplay();
    });
    // Once the off click has been served (the set-up's later), and out of band again after
    // clicks raised then, before any later band check: nothing keyed, both buttons enabled only
    // in band.
    double off = setUp ? 4.0 : 2.5;
    for (double t : {off, off + 0.6}) {
      if (setUp && t > off) break;
      rig.at(kReady + t, [&rig, setUp, t] {
        EXPECT_EQ(rig.control("cmdXmit").caption + " " + rig.control("cmdTune").caption,
                  "&XMT ON T&UNE ON")
            << t;
        EXPECT_EQ(rig.control("cmdXmit").enabled + rig.control("cmdTune").enabled, setUp ? 2 : 0)
            << t;
        EXPECT_FALSE(rig.radio.state.transmitting || rig.link.gAmpTuning) << t;
      });
    }
    if (!setUp) rig.at(kReady + off + 0.1, [&] { rig.frm.xmitFlag = rig.frm.tuneFlag = true; });
    rig.runFor(kReady + 6.0);
    EXPECT_EQ(rig.radio.state.mode, 1);  // USB
  }
}

/// The amplifier operating, its tuner ready and never finishing.
void endlessTune(Rig& rig) {
  rig.radio.state.amp = 4;
  rig.radio.state.ampTune = 2;
  rig.radio.behaviour.ampTuneSeconds = -1;
}

// Freq clicked as the transmitter keys is not served: once the panel shows "Transmit" the
// entry could end only by Enter, locked then, and it would hold the main loop, with the off
// click, for good; before that (the radio's answer to "K" late) it would hold the off click
// until Enter. The digits stay the radio's, and the off click unkeys.
TEST(Transmit, FreqClickedAsTheTransmitterKeysNeverHoldsItKeyed) {
  for (std::string keyer : {"cmdXmit", "cmdTune", "cmdTuneAmp", "cmdXmit late"}) {
    SCOPED_TRACE(keyer);
    Rig rig;
    endlessTune(rig);
    if (keyer.find(" late") != std::string::npos) rig.radio.faults.extraDelay = 0.5;
    keyer = keyer.substr(0, keyer.find(' '));
    rig.at(kReady, [&] { press(rig, keyer); });
    rig.at(kReady + 0.05, [&] { rig.click("cmdFreq"); });  // inside the keying's own wait
    for (double t : {1.0, 1.3}) {                          // a blink's two halves
      rig.at(kReady + t, [&, t] {
        for (const char* look :
             {"lblXMTRCV=Transmit", "cmdFreq.enabled=0", "cmdEnter.enabled=0", "cmdF=1425000"})
          EXPECT_EQ(look::of(rig.frm.form, look), look) << t;
        EXPECT_FALSE(rig.frm.freqFlag || rig.frm.keypadActive) << t;
      });
    }
    rig.at(kReady + 2.0, [&] { press(rig, keyer); });
    rig.at(kReady + 3.0, [&] {
      EXPECT_FALSE(rig.radio.state.transmitting);
      EXPECT_EQ(look::of(rig.frm.form, "lblXMTRCV=Receive"), "lblXMTRCV=Receive");
      EXPECT_TRUE(rig.frm.cmdFreq.enabled);
    });
    rig.runFor(kReady + 4.0);
  }
}

// The off click made inside the keying click's own waits (TUNE's mode change, the settle of
// its "K") is the user's next click, not lost with the one being served: it unkeys once that
// click is done, also when a band button clicked just before it opens its list, which holds
// the main loop until the user closes it.
TEST(Transmit, OffClickInsideTheKeyingWaitUnkeys) {
  for (std::string keyer :
       {"cmdXmit", "cmdTune", "cmdTuneAmp", "cmdXmit 160M", "cmdTune 160M", "cmdTuneAmp 160M"}) {
    SCOPED_TRACE(keyer);
    Rig rig;
    endlessTune(rig);
    bool band = keyer.find(" 160M") != std::string::npos;
    keyer = keyer.substr(0, keyer.find(' '));
    rig.at(kReady, [&] { press(rig, keyer); });
    if (band) rig.at(kReady + 0.04, [&] { press(rig, "cmd160M"); });
    rig.at(kReady + 0.05, [&] { press(rig, keyer); });
    rig.at(kReady + 1.5, [&] {
      EXPECT_FALSE(rig.radio.state.transmitting || rig.link.gAmpTuning);
      EXPECT_EQ(rig.frm.cmdXmit.caption + " " + rig.frm.cmdTune.caption, "&XMT ON T&UNE ON");
    });
    rig.runFor(kReady + 2.0);
    EXPECT_EQ(rig.link.gSyncChar, "U");
  }
}

// A scan menu or the close box inside a keying click's own wait (menus act at once): the
// transmission that click began ends first, its "U" on the line before the scan's first command
// (or the shutdown's "G00"), and the click keys nothing after its wait. Nor after a LOCAL report
// shown there (by a tick): the radio, no longer ours to key, is unkeyed once back in REMOTE.
TEST(Transmit, ScanOrCloseInsideAKeyingWaitRunsUnkeyed) {
  for (std::string keyer : {"cmdXmit", "cmdTune", "cmdTuneAmp"}) {
    for (std::string menu : {"mnuScanBands", "mnuScanFreqs", "close", "LOCAL"}) {
      SCOPED_TRACE(keyer + " " + menu);
      Rig rig;
      endlessTune(rig);
      rig.at(kReady, [&] { press(rig, keyer); });
      std::string scan = menu == "mnuScanBands"
                             ? "0.5 text @txtScanLow 7.400;0.5 text @txtScanHi 7.407;0.5 click "
                               "@cmdScanUp;2 close frmScanBands"
                             : "0.5 text @txtFreq(0) 7.40;0.5 choose @Check1(0);0.5 click "
                               "@cmdScan;2 close frmScanFreqs";
      if (menu[0] == 'm') schedule(rig, inWindow(menu.substr(3).insert(0, "frm"), scan));
      rig.at(kReady + 0.05, [&] {
        if (menu[0] == 'm') return press(rig, menu);
        if (menu == "close") return rig.frm.form.close();
        radioGoesLocal(rig);
        rig.link.readWaitingResponse(), rig.link.gUpdateDisplay();
        rig.at(kReady + 2.0, [&] { rig.port.deliver(rig.radio.switchRemote(true).at(0)); });
      });
      // In LOCAL operation the radio's carrier is its own business: the panel shows nothing
      // keyed once the click is done, and unkeys the radio once it is back.
      for (double t : {0.5, 1.0, 1.5, 1.8, 2.5, 5.0}) {
        bool local = menu == "LOCAL" && t < 5.0;
        if (local && t != 1.8) continue;
        rig.at(kReady + t, [&rig, t, local] {
          if (local) {
            EXPECT_EQ(rig.control("cmdXmit").caption + " " + rig.control("cmdTune").caption,
                      "&XMT ON T&UNE ON");
          } else {
            EXPECT_FALSE(rig.radio.state.transmitting) << t;
          }
        });
      }
      EXPECT_EQ(rig.runFor(kReady + 6.0), menu == "close");
      EXPECT_FALSE(rig.radio.state.transmitting);
      if (menu == "close") continue;
      EXPECT_EQ(rig.control("cmdXmit").caption + " " + rig.control("cmdTune").caption,
                "&XMT ON T&UNE ON");
      EXPECT_FALSE(rig.link.gAmpTuning);
      EXPECT_EQ(rig.link.gSyncChar, "U");
      EXPECT_EQ(rig.radio.state.mode, 1);  // USB
    }
  }
}

// Retuned out of band while XMT keys, the transmitter's "U" goes out before anything else: before
// the band check switches the PTT enable off (the radio's own dial), before the band list's
// row tunes the radio there.
TEST(Transmit, RetunedOutOfBandUnkeysFirst) {
  const Scenario scenarios[] = {
      {"0 force cmdXmit;1 line F0500000",
       {"0 K", "0.16 K", "1.069375 U", "1.169375 '0\n"},
       nullptr,
       2,
       true},
      {inWindow("frmBandSelect", "0 force cmdXmit;0.5 force cmd40M;1 choose @Option1(0)"),
       {"0 K", "0.16 K", "1 U", "1.1 F0740000\n"},
       [](Rig& r) { r.folder.write("M40List.txt", "7.400 USB out of band\r\n"); },
       2,
       true},
      // XMT clicked during a keypad entry is served once Enter has sent a frequency out of band:
      // it keys nothing there, although the radio has not yet answered.
      {"0 click cmdFreq;0.2 force cmdXmit;0.5 keys 0740000;4.5 click cmdEnter;5 see cmdXmit=&XMT "
       "ON;5 see cmdXmit.enabled=0",
       {"4.5 F0740000\n", "4.76 '0\n", "5.02 U"},
       nullptr,
       2,
       true},
      // Nor when the radio, silent, never confirms it: where the panel last sent the radio
      // counts until the radio reports a frequency again. The click's "U" ends what it began.
      {"0 click cmdFreq;0.2 force cmdXmit;0.5 keys 0740000;4.4 silent;4.5 click cmdEnter;6 see "
       "cmdXmit=&XMT ON;6 see cmdXmit.enabled=0",
       {"4.5 F0740000\n", "5.5 U"},
       nullptr,
       2,
       true},
      // Nor when an entry that sent nothing held the main loop while the radio's own dial went
      // out of band: what the radio reported meanwhile is read before the click is served.
      {"0 click cmdFreq;0.2 force cmdXmit;0.5 line F0500000;2 click cmdEnter;3 see cmdXmit=&XMT "
       "ON;3 see cmdXmit.enabled=0",
       {"2.06 U", "2.16 '0\n"},
       nullptr,
       2,
       true},
      // Nor to a memory channel, whose frequency the panel does not know: it may be out of band,
      // and the radio's report of it may be lost.
      {"0 force cmdXmit;1 force cmdM2V;2 see cmdXmit=&XMT ON",
       {"0 K", "0.16 K", "1 U", "1.1 C00\n", "1.26 U"},
       nullptr,
       2,
       true},
      // Nor when a channel digit held down kept the report unread, and a click made meanwhile
      // is served in the pass that reads it: the report is shown before that click's command.
      {"0 force cmdXmit;0.5 hold cmdChanF(0) R 1.5;1 line F0500000;1.2 click cmdMute;3 see "
       "cmdXmit=&XMT ON",
       {"0 K", "0.16 K", "2.060001 U", "2.160001 '0\n", "2.420001 (0\n"},
       nullptr,
       2,
       true},
  };
  for (const Scenario& s : scenarios) run(s);
}

// The link lost while XMT or TUNE keys (the radio silent but still hearing, or the device gone
// and back): the synchronisation ends the transmission, and its "U" reaches the radio before
// anything else of the set-up once the port is back, rather than leaving the carrier on while
// no radio answers, where no off click is served; the "U" owed since the device went goes out
// as the port opens again, also while the radio does not answer yet. The radio has not said it
// receives since the "K" (it said "K", or nothing at all, taken LOCAL as the "K" came), so the
// REMOTE set-up says "U" first once more. Afterwards the panel shows nothing keyed.
TEST(Transmit, LostLinkEndsTheTransmissionFirst) {
  for (std::string keyer : {"cmdXmit", "cmdTune"}) {
    for (std::string loss : {"silent", "unplug", "unplug, back silent", "silent first, LOCAL"}) {
      SCOPED_TRACE(keyer + " " + loss);
      bool backSilent = loss == "unplug, back silent";
      bool local = loss == "silent first, LOCAL";
      Rig rig;
      rig.at(kReady, [&] {
        rig.radio.faults.silent = local;
        press(rig, keyer);
      });
      rig.at(kReady + 1.0, [&] {
        if (loss == "silent") rig.radio.faults.silent = true;
        if (loss == "unplug" || backSilent) rig.port.unplug();
      });
      // Its own panel taken just as the "K" arrives, unheard: "U" is ignored from then on.
      for (double t = 0; local && t < 3; t += 0.02)
        rig.at(kReady + t, [&] {
          if (rig.radio.state.transmitting) rig.radio.switchRemote(false);
        });
      // Past "No Sync Response" (six keep-alives unanswered): the radio hears the "U".
      rig.at(kReady + 20.0, [&] {
        EXPECT_FALSE(loss == "silent" && rig.radio.state.transmitting);
        EXPECT_TRUE(!local || rig.radio.state.transmitting);  // LOCAL ignored the "U"
        rig.radio.faults = RadioFaults();
        rig.radio.faults.silent = backSilent;
        rig.port.plug();
        rig.radio.switchRemote(true);
        rig.radio.commandLog.clear();
      });
      rig.at(kReady + 26.0, [&] { EXPECT_FALSE(rig.radio.state.transmitting); });
      rig.at(kReady + 28.0, [&] { rig.radio.faults.silent = false; });
      rig.runFor(kReady + 40.0);
      Strings log = rig.commands();
      auto first =
          std::find_if(log.begin(), log.end(), [](const std::string& c) { return c != "?"; });
      EXPECT_EQ(first == log.end() ? "nothing" : *first, "U");
      EXPECT_EQ(rig.control("cmdXmit").caption + " " + rig.control("cmdTune").caption,
                "&XMT ON T&UNE ON");
      EXPECT_TRUE(rig.control("cmdXmit").enabled && rig.control("cmdTune").enabled);
      EXPECT_EQ(rig.link.gSyncChar, "U");
      EXPECT_FALSE(rig.radio.state.transmitting);
      EXPECT_EQ(rig.radio.state.mode, 1);  // USB
    }
  }
}

// The keyer keys; two seconds on, the radio's own panel takes over just as the keyer's off click
// sends "U", which the radio, LOCAL, answers "K", keeping its carrier. Its R line comes later,
// unless it is lost.
void keyThenGoLocalAtTheOffClick(Rig& rig, const std::string& keyer, bool reported = true) {
  rig.at(kReady, [&rig, keyer] { press(rig, keyer); });
  rig.at(kReady + 2.0, [&rig, keyer] {
    rig.radio.switchRemote(false);
    press(rig, keyer);
  });
  if (reported) rig.at(kReady + 3.0, [&rig] { rig.port.deliver({0, "R0\n"}); });
}

// The radio's own panel takes over just as the off click's "U" goes out: the radio, LOCAL, answers
// it "K" and keeps its carrier. Handed back, it is unkeyed before anything else, also when a band
// list's window holds the panel then (its loop reads the report), and only once; also when its
// LOCAL report was lost and the panel still shows REMOTE: the report of the hand-back, while the
// radio's last word is "K" and the panel keys nothing, is one.
TEST(Transmit, BackFromLocalUnkeysWhatTheRadioStillHolds) {
  for (std::string keyer : {"cmdXmit", "cmdTune"}) {
    for (std::string window : {"", "cmd40M", "R0 lost", "R0 lost, cmd40M"}) {
      SCOPED_TRACE(keyer + " " + window);
      bool lost = window.find("R0 lost") == 0;
      if (lost) window = window.substr(std::min(window.size(), size_t{9}));
      Rig rig;
      keyThenGoLocalAtTheOffClick(rig, keyer, !lost);
      if (!window.empty()) rig.at(kReady + 5.0, [&] { press(rig, window); });
      rig.at(kReady + 6.0, [&] {
        EXPECT_TRUE(rig.radio.state.transmitting);
        rig.radio.commandLog.clear();
        rig.port.deliver(rig.radio.switchRemote(true).at(0));
      });
      rig.at(kReady + 6.4, [&] { EXPECT_FALSE(rig.radio.state.transmitting); });
      rig.runFor(kReady + 7.0);
      Strings log = rig.commands();
      auto first =
          std::find_if(log.begin(), log.end(), [](const std::string& c) { return c != "?"; });
      EXPECT_EQ(first == log.end() ? "nothing" : *first, "U");
      EXPECT_EQ(std::count(log.begin(), log.end(), "U"), 1);
    }
  }
}

// The radio's own panel took over as the off click's "U" went out, and its hand-back was never
// reported (the radio silent then): a scan menu chosen later still finds the radio's last word
// "K" and unkeys it before the scan window opens.
TEST(Transmit, ScanMenuUnkeysWhatTheRadioLastSaidItHolds) {
  for (std::string keyer : {"cmdXmit", "cmdTune"}) {
    for (std::string menu : {"mnuScanBands", "mnuScanFreqs"}) {
      SCOPED_TRACE(keyer + " " + menu);
      Rig rig;
      keyThenGoLocalAtTheOffClick(rig, keyer);
      rig.at(kReady + 5.0, [&] { rig.radio.switchRemote(true); });  // its report lost
      rig.at(kReady + 6.0, [&] {
        EXPECT_TRUE(rig.radio.state.transmitting);
        press(rig, menu);
      });
      rig.at(kReady + 6.4, [&] { EXPECT_FALSE(rig.radio.state.transmitting); });
      schedule(rig, "7 close " + menu.substr(3).insert(0, "frm"));
      rig.runFor(kReady + 8.0);
      EXPECT_FALSE(rig.radio.state.transmitting);
    }
  }
}

// TUNE from USB keys the radio in AME and locks XMT out; its stop unkeys and puts back what
// the tune or the radio's own panel changed meanwhile, each restore bounded.
TEST(Tune, StopPutsBackWhatChanged) {
  const struct {
    int firmware;
    const char* during;  // status lines the radio reports while the carrier is on
    char ignored;        // a command the radio ignores from then on
    Strings stop;        // what the stop sends, and when
    int modeErrors;
    double goneAt = 0;  // the device goes this long after the stop's click (0: never)
  } kRows[] = {
      {2, "", 0, {"0.16 M1\nF1425000\n"}, 0},  // the absolute mode code with the frequency
      // AME, CW, USB; then the PTT enable back; generation 3 never toggles it, even when it
      // differs.
      {1, "", 0, {"0.300001 M\n", "0.460002 M\n", "0.620002 '"}, 0},
      {3, "", 0, {"0.16 m\n", "0.32 m\n"}, 0},
      // The radio's own panel changed the source and the side tone: 0.5 s settle each; a
      // source never back is tried three times.
      {2, "H2\nS1\n", 0, {"0.16 M1\nF1425000\n", "0.52 H\n", "1.08 H\n", "1.64 S\n"}, 0},
      {3, "H2\n", 'H', {"0.16 m\n", "0.32 m\n", "0.480001 H\n", "1.780001 H\n", "3.080001 H\n"}, 0},
      // A mode never back: four steps, each with its message; the radio's PTT enable, which the
      // tune's mode steps had cleared, then comes back by the band check.
      {3,
       "",
       'm',
       {"0.16 m\n", "2.66 ?\n", "3.72 m\n", "6.220001 ?\n", "7.280001 m\n", "9.780001 ?\n",
        "10.840001 m\n", "13.340001 ?\n", "14.400001 '1\n"},
       4},
      // A stop served after the radio went LOCAL (raised by the end of an amplifier tune
      // cycle) only unkeys: the radio would ignore each step back, and Mode stays locked.
      {3, "R0\n", 0, {}, 0},
      {2, "R0\n", 0, {"0.16 M1\nF1425000\n"}, 0},  // but the absolute mode code is taken
      // The device gone during the unkey's settle: no step back is tried on it, each with its
      // message, while the port waits to be opened afresh.
      {1, "", 0, {}, 0, 0.1},
      {3, "H2\n", 0, {}, 0, 0.1},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.firmware);
    Rig rig(row.firmware);
    rig.radio.behaviour.modeChangeClearsPtt = row.firmware != 2;
    rig.at(kReady, [&] { press(rig, "cmdTune"); });
    rig.at(kReady + 3.0, [&] {
      EXPECT_EQ(rig.radio.state.mode, 3);  // AME
      EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE OFF");
      EXPECT_FALSE(rig.control("cmdMode").enabled);
      EXPECT_FALSE(rig.control("cmdXmit").enabled);
      rig.frm.xmitFlag = true;  // an XMT click raised before TUNE keyed: it does nothing
      EXPECT_EQ(rig.link.gSyncChar, "K");
      rig.radio.faults.ignoredLetter = row.ignored;
      if (*row.during == '\0') return;
      rig.radio.state.audioSource = 2;
      rig.radio.state.remote = std::string(row.during).find("R0") == std::string::npos;
      rig.radio.state.sidetone = std::string(row.during).find("S1") != std::string::npos;
      rig.port.deliver({0, row.during});
    });
    rig.at(kReady + 5.0, [&] { press(rig, "cmdTune"); });
    if (row.goneAt > 0) rig.at(kReady + 5.0 + row.goneAt, [&] { rig.port.unplug(); });
    // Back to "U" from the stop's first step: an error in a later one must not re-key.
    rig.at(kReady + 8.0, [&] { EXPECT_EQ(rig.link.gSyncChar, "U"); });
    rig.runFor(kReady + 20.0);
    EXPECT_EQ(timedWrites(rig.port, rig.start + kReady + 5.0, false), row.stop);
    EXPECT_EQ(count(rig.ui.messageBoxes(), "MODE Change Error"), row.modeErrors);
    EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE ON");
    EXPECT_EQ(rig.control("cmdXmit").caption, "&XMT ON");
    EXPECT_EQ(rig.control("cmdMode").enabled, rig.radio.state.remote);
    EXPECT_EQ(rig.link.gSyncChar, "U");
    EXPECT_FALSE(rig.radio.state.transmitting && rig.radio.state.remote);
  }
}

// The three ends of an amplifier tune cycle agree: the watchdog 20 s after the start (here
// across midnight, unkeying before its message), the "Tuned" report and a second TUN click
// each unkey, as does the REMOTE set-up after LOCAL operation, and XMT or TUNE, when one had keyed
// before, ends as its own off click ends it: TUNE puts the mode back, so that its next start saves
// the user's mode, not AME.
TEST(AmpTuneCycle, EveryEndUnkeysAndEndsXmtOrTune) {
  for (std::string end : {"watchdog", "T4", "TUN", "LOCAL"}) {
    for (const char* button : {"", "cmdXmit", "cmdTune"}) {
      SCOPED_TRACE(end + " " + button);
      ProgramRig rig(2, 86400.0 - 20.0);
      rig.writePortSetup();
      rig.radio.behaviour.ampTuneSeconds = end == "T4" ? 3.0 : -1;
      Strings shown;  // the writes from 30.5 s to the message, and the message
      rig.ui.onMessageBox = [&](const std::string& text) {
        shown = timedWrites(rig.port, rig.start + 30.5);
        shown.push_back(seconds(rig.elapsed()) + " " + text);
      };
      if (*button) rig.at(kReady, [&] { press(rig, button); });
      rig.at(kReady + 2.9, [&] {  // between two keep-alives, whose "K" would start a cycle
        rig.radio.state.amp = 4;  // operating, ready to tune
        rig.radio.state.ampTune = 2;
        rig.port.deliver({0, "O4\nT2\n"});
      });
      rig.at(kReady + 3.0, [&] { press(rig, "cmdTuneAmp"); });
      if (end == "TUN") rig.at(kReady + 8.0, [&] { press(rig, "cmdTuneAmp"); });
      // The radio's own panel takes over and hands back: the REMOTE set-up unkeys.
      if (end == "LOCAL") rig.at(kReady + 5.0, [&] { radioGoesLocal(rig); });
      if (end == "LOCAL")
        rig.at(kReady + 9.0, [&] { rig.port.deliver(rig.radio.switchRemote(true).at(0)); });
      if (end == "LOCAL")
        rig.at(kReady + 14.0, [&] {
          EXPECT_EQ(rig.frm.cmdXmit.caption + " " + rig.frm.cmdTune.caption, "&XMT ON T&UNE ON");
        });
      // An off click while the report is read is the same click as the end's: it keys nothing.
      if (end == "T4" && *button) rig.at(kReady + 6.04, [&] { rig.click(button); });
      rig.runFor(kReady + 26.0);
      EXPECT_EQ(shown, (end == "watchdog" ? Strings{"0.5 U", "31.1 Tune Cancelled"} : Strings{}));
      EXPECT_EQ(rig.control("cmdXmit").caption + " " + rig.control("cmdTune").caption,
                "&XMT ON T&UNE ON");
      EXPECT_TRUE(rig.control("cmdXmit").enabled && rig.control("cmdTune").enabled);
      EXPECT_FALSE(rig.link.gAmpTuning);
      EXPECT_EQ(rig.link.gSyncChar, "U");
      EXPECT_FALSE(rig.radio.state.transmitting);
      EXPECT_EQ(rig.radio.state.mode, 1);  // USB
    }
  }
}

}  // namespace

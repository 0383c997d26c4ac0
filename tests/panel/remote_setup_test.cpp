// The REMOTE set-up on the simulated radio: the audio settings it steps the radio to, its
// bounded attempts and waits, the files it reads afresh and the frequency check.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "tests/panel/panel_table.h"

namespace {

using namespace panel_table;
using Strings = std::vector<std::string>;

/// A radio whose audio input, source, clipping, PTT enable and VOX all differ from what the
/// set-up wants when AudioSetup.txt is missing.
void setEverythingOtherwise(RadioState& radio) {
  radio.audioSource = 2;
  radio.audioInput = 0;
  radio.clipping = true;
  radio.pttEnable = false;
  radio.vox = 1;
}

TEST(RemoteSetup, StepsTheRadioToTheDefaultsAtTheirPace) {
  Rig rig;
  setEverythingOtherwise(rig.radio.state);
  rig.runFor(12.0);
  // The synchronisation's "?" and the set-up's own, each 0.6 s and a read apart; each "H"
  // 0.46 s after the last (its 0.2 s settle, the read, the set-up's 0.2 s); every other step
  // 0.26 s; then the gain, the BFO and a fresh "?".
  EXPECT_EQ(timedWrites(rig.port, rig.start, false),
            (Strings{"1 ?\n", "1.66 ?\n", "2.32 \"1\n", "2.580001 H\n", "3.040001 H\n",
                     "3.500001 I\n", "3.760001 '1\n", "4.020002 V\n", "4.280002 V\n",
                     "4.540002 G00\n", "4.640002 B100\n", "4.750002 ?\n"}));
  EXPECT_EQ(rig.link.gPTTSetting, "'1");
}

// Rows without a file: a radio set otherwise that ignores one command gets a bounded number
// of attempts, and the set-up goes on without a message. Rows with a file: a radio at the
// defaults (H1, PTT enable on, local audio) is stepped only where the file asks for something
// else; a line without a code it may hold takes its default. A radio that reports no valid
// frequency is set to 12345.67 after a message, at most three times, and the set-up goes on.
TEST(RemoteSetup, StepsOnlyWhatDiffersAndCountsItsAttempts) {
  const struct {
    const char* file;
    char ignored;
    const char* sent;
    int garbledF = 0;  // every F line arrives spoilt: 1 until the first message, 2 always
  } kRows[] = {
      {nullptr, '"', "? ? \"1 H H I '1 V V G00 B100 ?"},               // the input: once
      {nullptr, 'H', "? ? \"1 H H H H I '1 V V G00 B100 ?"},           // the source: four
      {nullptr, 'I', "? ? \"1 H H I I I '1 V V G00 B100 ?"},           // clipping: three
      {nullptr, '\'', "? ? \"1 H H I '1 '1 '1 V V '1 G00 B100 ? '1"},  // PTT: 3, 1 per band check
      {nullptr, 'V', "? ? \"1 H H I '1 V V V V G00 B100 ?"},           // VOX: four
      {"", 0, "? ? G00 B100 ?"},                                       // empty file: every default
      {"H2\r\n", 0, "? ? H G00 B100 ?"},                 // one line: the others default
      {"h2\r\n'2\r\n\"\r\n", 0, "? ? G00 B100 ?"},       // no code a line may hold
      {" H2\r\n '0\r\n \"0\r\n", 0, "? ? G00 B100 ?"},   // a code, but not at the start
      {"H3\n'0\n\"1\n", 0, "? ? H H '0 '1 G00 B100 ?"},  // LF ends; out of band PTT on
      {"H3 PATCH\r\n'1 PTT ON\r\n\"0 REMOTE\r\n", 0, "? ? \"0 H H G00 B100 ?"},
      {"", 0, "? ? F1234567 '0 G00 B100 ?", 1},  // set once; out of band, PTT enable off
      {"", 0, "? ? F1234567 F1234567 F1234567 '0 G00 B100 ?", 2},  // three times at most
  };
  for (const auto& row : kRows) {
    Rig rig;
    if (row.file) {
      rig.folder.write("AudioSetup.txt", row.file);
    } else {
      setEverythingOtherwise(rig.radio.state);
    }
    rig.radio.faults.ignoredLetter = row.ignored;
    rig.radio.faults.garbleTags = row.garbledF ? "F" : "";
    if (row.garbledF == 1) {
      rig.ui.onMessageBox = [&](const std::string&) { rig.radio.faults.garbleTags = ""; };
    }
    rig.runFor(15.0);
    EXPECT_EQ(commandsFrom(rig, 0), row.sent) << (row.file ? row.file : "");
    EXPECT_EQ(rig.ui.messageBoxes(),
              Strings(count(rig.commands(), "F1234567"), "Setting frequency to 12345.67"));
  }
}

// A radio back from LOCAL gets the whole set-up again, which reads both files afresh: the
// audio setup saved meanwhile (it waits, since the radio is not ours to set in LOCAL) and the
// permissions taken away meanwhile.
TEST(RemoteSetup, BackFromLocalReadsBothFilesAfresh) {
  Rig rig(3);  // its LOCAL set-up locks frequency entry too
  rig.folder.write("Permissions.txt", "");
  size_t sentInLocal = 0;
  rig.at(kReady, [&] {
    radioGoesLocal(rig);
    sentInLocal = rig.commands().size();
  });
  rig.at(kReady + 1.0, [&] {
    rig.folder.write("AudioSetup.txt", "H2 Audio 2\r\n'1 PTT On\r\n\"1 Local Audio\r\n");
    rig.link.gAudioSetupChanged = true;  // as the dialog's Save does
    std::remove(rig.folder.file("Permissions.txt").c_str());
  });
  rig.at(kReady + 4.0, [&] {
    EXPECT_EQ(commandsFrom(rig, sentInLocal), "?");
    EXPECT_TRUE(rig.link.gAllBands);
    for (const RadioReply& r : rig.radio.switchRemote(true)) rig.port.deliver(r);
  });
  rig.runFor(kReady + 10.0);
  EXPECT_EQ(rig.radio.state.audioSource, 2);
  EXPECT_FALSE(rig.link.gAudioSetupChanged);
  EXPECT_FALSE(rig.link.gAllBands);
  EXPECT_EQ(rig.link.gSyncChar, "U");
  for (const char* name :
       {"cmdMute", "cmdBFO", "cmdAudioSource", "cmdAGC", "cmdMode", "cmdSideTone", "cmdAudio",
        "cmdVOX", "cmdClipping", "cmdPTT", "cmdTune", "cmdXmit", "sliRFGain", "cmdFreq", "cmdEnter",
        "mnuScanFreqs", "mnuScanBands"})
    EXPECT_TRUE(rig.control(name).enabled) << name;
  for (int i = 0; i < 7; ++i) EXPECT_TRUE(rig.control("cmdF", i).enabled) << i;
  EXPECT_TRUE(rig.control("lblU").visible);
  EXPECT_TRUE(rig.control("txtInData").visible);
}

/// Every control of the main window, by name and index, as `enabled, visible, "caption"`.
std::map<std::string, std::string> panelStates(const ProgramRig& rig) {
  std::map<std::string, std::string> states;
  for (const auto& c : rig.frm.form.controls()) {
    states[c->fullName()] = std::string(c->enabled ? "enabled" : "disabled") +
                            (c->visible ? ", visible, \"" : ", hidden, \"") + c->caption.get() +
                            "\"";
  }
  return states;
}

// However the radio came to REMOTE operation, the panel ends as a REMOTE start leaves it: back
// from LOCAL operation, or after a start with the radio in LOCAL. Each panel is looked at as
// long after its REMOTE set-up's first "?" as the start's, so that the keep-alive shows alike.
TEST(RemoteSetup, BackFromLocalThePanelIsAsAfterARemoteStart) {
  constexpr double kAskedAtStart = 1.66;   // the set-up's "?", after the synchronisation's
  constexpr double kAskedAfterR1 = 0.063;  // the R line's 3 bytes, then its read's quiet time
  constexpr double kBack = kReady + 3.0;   // the radio hands control back
  for (int firmware : {1, 2, 3}) {
    Rig remoteStart(firmware);
    remoteStart.runFor(kReady);
    const auto expected = panelStates(remoteStart);
    for (bool startsLocal : {false, true}) {
      SCOPED_TRACE("firmware " + std::to_string(firmware) +
                   (startsLocal ? ", started in LOCAL" : ", back from LOCAL"));
      Rig rig(firmware);
      rig.radio.state.remote = !startsLocal;
      if (!startsLocal) {
        // The BFO on with an offset, which the LOCAL set-up shows off and zeroed.
        rig.at(kReady - 1.0, [&] { EXPECT_TRUE(rig.click("cmdBFO")); });
        rig.at(kReady - 0.5, [&] {
          ui::userSetValue(rig.control("sliBFO"), 150);
          EXPECT_EQ(rig.control("lblBFOslider").caption, "+500");
          EXPECT_EQ(rig.control("lblBFOState").caption, "ON");
        });
        rig.at(kReady, [&] { radioGoesLocal(rig); });
      }
      rig.at(kBack, [&] { rig.port.deliver(rig.radio.switchRemote(true).at(0)); });
      rig.runFor(kBack + kAskedAfterR1 + kReady - kAskedAtStart);
      for (const auto& [name, state] : panelStates(rig)) {
        const std::string& atRemoteStart = expected.at(name);
        EXPECT_EQ(state, atRemoteStart) << name;
      }
    }
  }
}

// The "#" line arrives spoilt: the synchronisation's first answer counts with its R line
// alone, but the set-up never gets the full answer it waits for. After ten polls it goes back
// to the synchronisation, until the radio is mended.
TEST(RemoteSetup, WithoutAFullAnswerGoesBackToTheSynchronisation) {
  Rig rig;
  rig.radio.faults.garbleTags = "#";
  rig.at(20.0, [&] { rig.radio.faults.garbleTags = ""; });
  rig.runFor(30.0);
  // Rounds of eleven polls 0.66 s apart (the synchronisation's one, the set-up's ten), with
  // 0.5 s more between the rounds.
  std::vector<double> polls;
  for (const auto& w : rig.port.writes()) {
    if (w.bytes == "?\n") polls.push_back(w.time);
  }
  ASSERT_GE(polls.size(), 23u);
  for (size_t i = 1; i < 23; ++i) {
    EXPECT_NEAR(polls[i] - polls[i - 1], i % 11 == 0 ? 1.16 : 0.66, 1e-6) << i;
  }
  EXPECT_EQ(count(rig.commands(), "G00"), 1);
}

}  // namespace

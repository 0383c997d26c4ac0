// The REMOTE set-up on the simulated radio: the audio settings it steps the radio to, its
// bounded attempts, the settings files it reads afresh, the frequency check and the waits.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/panel/panel_script.h"

namespace {

using namespace panel_script;
using Commands = std::vector<std::string>;

class RemoteSetup : public ::testing::Test {
 protected:
  Commands sentWithoutKeepAlive() const { return commandsFrom(rig, 0, false); }
  Rig rig;
};

TEST_F(RemoteSetup, StepsTheRadioToTheDefaultsWhenAudioSetupIsMissing) {
  RadioState& radio = rig.radio.state;
  radio.audioSource = 2;    // "H2"
  radio.audioInput = 0;     // a double quote and "0"
  radio.clipping = true;    // "I1"
  radio.pttEnable = false;  // "'0"
  radio.vox = 1;            // "V1"
  rig.runFor(12.0);
  // After the synchronisation's "?" and the set-up's own: the audio-input toggle once, "H"
  // until H1, "I" once, the PTT toggle once, "V" until V0, the gain, the BFO, a fresh "?".
  Commands expected = {"?", "?", "\"1", "H", "H", "I", "'1", "V", "V", "G00", "B100", "?"};
  Commands sent = sentWithoutKeepAlive();
  ASSERT_GE(sent.size(), expected.size());
  EXPECT_EQ(Commands(sent.begin(), sent.begin() + expected.size()), expected);
  EXPECT_EQ(sent.size(), expected.size());  // nothing else, apart from keep-alives
  // Each "H" waits its 0.2 s settle, the read of the answer and 0.2 s more.
  std::vector<double> h = writeTimes(rig, "H\n");
  ASSERT_EQ(h.size(), 2u);
  EXPECT_GE(h[1] - h[0], 0.4);
  EXPECT_LT(h[1] - h[0], 0.5);
  EXPECT_EQ(radio.audioSource, 1);
  EXPECT_EQ(radio.audioInput, 1);
  EXPECT_FALSE(radio.clipping);
  EXPECT_TRUE(radio.pttEnable);
  EXPECT_EQ(radio.vox, 0);
  EXPECT_EQ(rig.link.gPTTSetting, "'1");
  EXPECT_EQ(rig.control("lblVox").caption, "OFF");
  EXPECT_EQ(rig.control("lblPTT").caption, "ON");
}

TEST_F(RemoteSetup, RadioThatIgnoresTheSourceCommandGetsExactlyFour) {
  rig.radio.state.audioSource = 2;
  rig.radio.faults.ignoredLetter = 'H';
  rig.runFor(12.0);
  EXPECT_EQ(count(rig.commands(), "H"), 4);
  // The set-up went on without a message.
  EXPECT_TRUE(rig.ui.messageBoxes().empty());
  EXPECT_EQ(rig.link.gSyncChar, "U");
  EXPECT_TRUE(rig.control("cmdMode").enabled);
}

// A radio at its defaults (H1, PTT enable on, local audio) is stepped only where the file asks
// for something else; a line without a code it may hold takes its default.
TEST(RemoteSetupFile, WantedValuesComeFromAudioSetup) {
  struct Case {
    const char* file;
    const char* source;
    const char* ptt;
    const char* input;
    Commands steps;  // between the two status requests and the gain
  } cases[] = {
      {"", "H1", "'1", "\"1", {}},                        // empty file: every default
      {"H2\r\n", "H2", "'1", "\"1", {"H"}},               // one line: the others default
      {"h2\r\n'2\r\n\"x\r\n", "H1", "'1", "\"1", {}},     // no code a line may hold
      {" H2\r\n '0\r\n \"0\r\n", "H1", "'1", "\"1", {}},  // a code, but not at the start
      {"H4\r\n\"0\r\n'0\r\n", "H1", "'1", "\"1", {}},     // codes of other lines, out of range
      {"H\r\n'\r\n\"\r\n", "H1", "'1", "\"1", {}},        // cut short: tag alone
      // LF line ends are fine; the band check then switches the PTT enable on again.
      {"H3\n'0\n\"1\n", "H3", "'0", "\"1", {"H", "H", "'0", "'1"}},
      {"H3 PATCH\r\n'1 PTT ON\r\n\"0 REMOTE\r\n", "H3", "'1", "\"0", {"\"0", "H", "H"}},
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.folder.write("AudioSetup.txt", c.file);
    rig.runFor(12.0);
    EXPECT_EQ(rig.frm.wantedAudioSource, c.source) << c.file;
    EXPECT_EQ(rig.frm.wantedPTT, c.ptt) << c.file;
    EXPECT_EQ(rig.frm.wantedAudioInput, c.input) << c.file;
    Commands expected = {"?", "?"};
    expected.insert(expected.end(), c.steps.begin(), c.steps.end());
    expected.insert(expected.end(), {"G00", "B100", "?"});
    EXPECT_EQ(commandsFrom(rig, 0, false), expected) << c.file;
  }
}

TEST_F(RemoteSetup, PermissionsTakeEffectAtTheNextRemoteSetUp) {
  rig.radio.state.freq = 1000000;  // 10.000 MHz: outside every band
  rig.folder.write("Permissions.txt", "");
  rig.at(8.0, [&] {
    EXPECT_TRUE(rig.link.gAllBands);
    EXPECT_EQ(rig.control("lblInBand").caption, "In Band");
    EXPECT_TRUE(rig.control("cmdXmit").enabled);
    std::remove(rig.folder.file("Permissions.txt").c_str());
  });
  rig.at(10.0, [&] {
    // Removing the file alone changes nothing ...
    EXPECT_TRUE(rig.link.gAllBands);
    EXPECT_TRUE(rig.control("cmdXmit").enabled);
    rig.link.gAudioSetupChanged = true;  // ... until the REMOTE set-up runs again
  });
  rig.runFor(16.0);
  EXPECT_FALSE(rig.link.gAllBands);
  EXPECT_EQ(rig.control("lblInBand").caption, "Out Of Band");
  EXPECT_FALSE(rig.control("cmdXmit").enabled);
  EXPECT_FALSE(rig.control("cmdTune").enabled);
  EXPECT_FALSE(rig.control("cmdPTT").enabled);
  EXPECT_TRUE(rig.control("cmdMode").enabled);
  EXPECT_FALSE(rig.radio.state.pttEnable);  // switched off outside the bands
}

TEST_F(RemoteSetup, SetsAFrequencyWhenTheRadioReportsNoValidOne) {
  rig.radio.faults.garbleTags = "F";  // every F line arrives spoilt, so none is stored
  rig.ui.onMessageBox = [&](const std::string&) { rig.radio.faults.garbleTags = ""; };
  rig.runFor(12.0);
  ASSERT_EQ(rig.ui.messageBoxes().size(), 1u);
  EXPECT_EQ(rig.ui.messageBoxes()[0], "Setting frequency to 12345.67");
  EXPECT_EQ(count(rig.commands(), "F1234567"), 1);
  EXPECT_EQ(rig.radio.state.freq, 1234567);
  EXPECT_EQ(rig.control("cmdF", 0).caption, "1");
  EXPECT_EQ(rig.control("cmdF", 6).caption, "7");
  EXPECT_EQ(rig.control("lblInBand").caption, "Out Of Band");
}

TEST_F(RemoteSetup, GivesUpOnTheFrequencyAfterThreeAttempts) {
  rig.radio.faults.garbleTags = "F";
  rig.runFor(15.0);
  EXPECT_EQ(rig.ui.messageBoxes(), std::vector<std::string>(3, "Setting frequency to 12345.67"));
  EXPECT_EQ(count(rig.commands(), "F1234567"), 3);
  // The set-up went on to the end, with the transmitter locked.
  EXPECT_EQ(rig.link.gSyncChar, "U");
  EXPECT_EQ(rig.control("lblInBand").caption, "Out Of Band");
  EXPECT_FALSE(rig.control("cmdXmit").enabled);
  EXPECT_TRUE(rig.control("cmdFreq").enabled);
}

TEST_F(RemoteSetup, LeavesTheWholePanelLive) {
  rig.runFor(12.0);
  EXPECT_EQ(rig.frm.panelMode, "REMOTE");
  for (const char* name :
       {"cmdMute",       "cmdBFO",    "cmdAudioSource", "cmdAGC",    "cmdMode",   "cmdSideTone",
        "cmdAudio",      "cmdVOX",    "cmdClipping",    "cmdPTT",    "cmdTune",   "cmdXmit",
        "cmdViewInData", "cmdMeter",  "pbMeter",        "cmdFreq",   "cmdEnter",  "mnuScanFreqs",
        "mnuScanBands",  "cmdAmpPwr", "cmdAmpOpr",      "sliRFGain", "lblRFGain", "lblXMTRCV"}) {
    EXPECT_TRUE(rig.control(name).enabled) << name;
  }
  for (int i = 0; i < 7; ++i) EXPECT_TRUE(rig.control("cmdF", i).enabled) << i;
  for (const char* name : {"fraLeftButtons", "fraRightButtons", "fraRF", "fraBand", "fraBFO",
                           "sliBFO", "lblU", "txtInData"}) {
    EXPECT_TRUE(rig.control(name).visible) << name;
  }
  EXPECT_FALSE(rig.control("txtInfo").visible);
  EXPECT_EQ(rig.control("txtInfo").caption, "");
  EXPECT_EQ(rig.control("lblRFGain").caption, "100%");
  EXPECT_EQ(rig.link.gBFOOffset, "100");
}

TEST_F(RemoteSetup, WithoutAFullAnswerGoesBackToTheSynchronisation) {
  // The "#" line arrives spoilt: the synchronisation's first answer counts with its R line
  // alone, but the set-up never gets the full answer it waits for.
  rig.radio.faults.garbleTags = "#";
  bool sawNoCom = false;
  watchCaption(rig, "lblComStat", "No Com", 20.0, sawNoCom);
  rig.at(20.0, [&] {
    EXPECT_NE(rig.link.gSyncChar, "U");  // no set-up has finished
    EXPECT_EQ(count(rig.commands(), "G00"), 0);
    rig.radio.faults.garbleTags = "";
  });
  rig.runFor(30.0);
  EXPECT_TRUE(sawNoCom);
  // Each round: the synchronisation's "?", then the set-up's ten, then 0.5 s before the next
  // round; the polls of one round follow each other after 0.6 s and the read.
  std::vector<double> polls = writeTimes(rig, "?\n");
  std::vector<int> rounds = {1};
  for (size_t i = 1; i < polls.size() && polls[i] < 20.0; ++i) {
    if (polls[i] - polls[i - 1] > 1.0) {
      rounds.push_back(1);
    } else {
      ++rounds.back();
    }
  }
  rounds.pop_back();  // the round under way when the radio was mended
  ASSERT_GE(rounds.size(), 2u);
  for (int polled : rounds) EXPECT_EQ(polled, 11);
  // The synchronisation found the radio again and the set-up ran to its end.
  EXPECT_EQ(rig.link.gSyncChar, "U");
  EXPECT_EQ(count(rig.commands(), "G00"), 1);
}

TEST_F(RemoteSetup, PortSetupAppliedDuringTheWaitReopensThePort) {
  rig.radio.faults.garbleTags = "#";
  rig.at(4.0, [&] {
    EXPECT_EQ(rig.frm.panelMode, "REMOTE");
    EXPECT_EQ(rig.port.opens(), 1);
    rig.link.gPortSetupChanged = true;  // as the port setup dialog's Apply does
  });
  rig.runFor(6.0);
  EXPECT_EQ(rig.port.opens(), 2);
  EXPECT_FALSE(rig.link.gPortSetupChanged);
}

}  // namespace

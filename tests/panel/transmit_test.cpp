// XMT and TUNE with its restore, on the whole program against the simulated radio.
#include <gtest/gtest.h>

#include <functional>

#include "tests/panel/panel_script.h"

namespace {

using namespace panel_script;

TEST(Transmit, XmtTwiceKeysThenUnkeys) {
  Rig rig;
  rig.at(kReady, [&] { press(rig, "cmdXmit"); });
  rig.at(kReady + 1.0, [&] {
    // "K" left at once (the indicator showed "Receive"), and the radio transmits.
    ASSERT_FALSE(writeTimes(rig, "K").empty());
    EXPECT_NEAR(writeTimes(rig, "K")[0], kReady, 0.05);
    EXPECT_TRUE(rig.radio.state.transmitting);
    EXPECT_EQ(rig.control("cmdXmit").caption, "&XMT OFF");
    EXPECT_EQ(rig.link.gSyncChar, "K");
    EXPECT_FALSE(rig.control("cmdTune").enabled);
    EXPECT_EQ(rig.control("lblXMTRCV").caption, "Transmit");
  });
  rig.at(kReady + 7.0, [&] {
    EXPECT_GE(writeTimes(rig, "K").size(), 3u);  // the keep-alive repeats the key
    EXPECT_TRUE(rig.radio.state.transmitting);
    EXPECT_EQ(rig.link.gSyncCount, 0);  // each one answered
    rig.port.clearWrites();
    press(rig, "cmdXmit");
  });
  rig.runFor(kReady + 9.0);
  ASSERT_FALSE(writeTimes(rig, "U").empty());
  EXPECT_NEAR(writeTimes(rig, "U")[0], kReady + 7.0, 0.05);  // at once, not at the keep-alive
  EXPECT_FALSE(rig.radio.state.transmitting);
  EXPECT_EQ(rig.control("cmdXmit").caption, "&XMT ON");
  EXPECT_EQ(rig.link.gSyncChar, "U");
  EXPECT_TRUE(rig.control("cmdTune").enabled);
  EXPECT_FALSE(rig.frm.xmitFlag);
}

// Each keyed one disables the other, also after a band check in band.
TEST(Transmit, XmtAndTuneLockEachOtherOut) {
  Rig rig;
  auto bandCheck = [&] {
    bool inBand = true;
    rig.link.gShowInBand(inBand);
  };
  rig.at(kReady, [&] { press(rig, "cmdXmit"); });
  rig.at(kReady + 1.0, [&] {
    bandCheck();
    EXPECT_FALSE(rig.click("cmdTune"));
    rig.frm.tuneFlag = true;  // a TUNE click raised before XMT keyed
  });
  rig.at(kReady + 2.0, [&] {
    EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE ON");
    EXPECT_EQ(rig.radio.state.mode, 1);  // no tune started
    press(rig, "cmdXmit");
  });
  rig.at(kReady + 3.0, [&] { press(rig, "cmdTune"); });
  rig.at(kReady + 6.0, [&] {
    bandCheck();
    EXPECT_FALSE(rig.click("cmdXmit"));
  });
  rig.runFor(kReady + 7.0);
  EXPECT_EQ(rig.control("cmdXmit").caption, "&XMT ON");
  EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE OFF");
  EXPECT_TRUE(rig.radio.state.transmitting);
  EXPECT_FALSE(rig.frm.xmitFlag);
  EXPECT_FALSE(rig.frm.tuneFlag);
}

/// Runs TUNE on and off from USB; `during` runs while the tune carrier is on. Returns the
/// commands of the stop.
std::vector<std::string> tuneOnAndOff(
    Rig& rig, const std::function<void()>& during = [] {}) {
  size_t stopIndex = 0;
  rig.at(kReady, [&] { press(rig, "cmdTune"); });
  rig.at(kReady + 3.0, [&] {
    EXPECT_EQ(rig.radio.state.mode, 3);  // AME
    EXPECT_TRUE(rig.radio.state.transmitting);
    EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE OFF");
    EXPECT_FALSE(rig.control("cmdMode").enabled);
    EXPECT_EQ(rig.link.gSyncChar, "K");
    EXPECT_EQ(rig.frm.savedMode, "M1");
    during();
  });
  rig.at(kReady + 5.0, [&] {
    stopIndex = rig.commands().size();
    press(rig, "cmdTune");
  });
  rig.runFor(kReady + 25.0);
  EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE ON");
  EXPECT_FALSE(rig.radio.state.transmitting);
  return commandsFrom(rig, stopIndex);
}

void expectBackInUsb(Rig& rig) {
  EXPECT_EQ(rig.radio.state.mode, 1);
  EXPECT_TRUE(rig.control("cmdXmit").enabled);
  EXPECT_TRUE(rig.control("cmdMode").enabled);
  EXPECT_EQ(rig.link.gSyncChar, "U");
  EXPECT_FALSE(rig.frm.tuneFlag);
}

TEST(Tune, StopGoesBackToUsbForEachFirmware) {
  struct Row {
    int firmware;
    const char* modeCommand;
    int modeCommands;
    int pttToggles;
  } rows[] = {
      {2, "M1", 1, 0},  // the absolute code, once
      {1, "M", 2, 1},   // AME, CW, USB; the oldest firmware gets its PTT enable back
      {3, "m", 2, 0},   // the same steps; the others never toggle it, even when it differs
  };
  for (const Row& r : rows) {
    Rig rig(r.firmware);
    rig.radio.behaviour.modeChangeClearsPtt = r.firmware != 2;
    std::vector<std::string> stop = tuneOnAndOff(rig);
    expectBackInUsb(rig);
    EXPECT_EQ(count(stop, r.modeCommand), r.modeCommands) << r.firmware;
    EXPECT_EQ(count(stop, "'") + count(stop, "'1") + count(stop, "'0"), r.pttToggles) << r.firmware;
    // Nothing else was changed, so nothing else is put back.
    EXPECT_EQ(count(stop, "H"), 0) << r.firmware;
    EXPECT_EQ(count(stop, "S"), 0) << r.firmware;
    EXPECT_EQ(rig.radio.state.pttEnable, r.firmware != 3) << r.firmware;
  }
}

TEST(Tune, AudioSourceAndSideToneChangedDuringTheTuneArePutBack) {
  Rig rig;
  std::vector<std::string> stop = tuneOnAndOff(rig, [&] {
    // The radio's own panel changed them while the carrier was on.
    rig.radio.state.audioSource = 2;
    rig.radio.state.sidetone = true;
    rig.port.deliver({0, "H2\nS1\n"});
  });
  expectBackInUsb(rig);
  EXPECT_EQ(count(stop, "H"), 2);  // AUDIO2, PATCH, MIC
  EXPECT_EQ(count(stop, "S"), 1);
  EXPECT_EQ(rig.radio.state.audioSource, 1);
  EXPECT_FALSE(rig.radio.state.sidetone);
}

TEST(Tune, RestoreLoopsAreBoundedWhenTheRadioIgnoresThem) {
  struct Row {
    char ignored;
    const char* command;
    int sent;
    int modeErrors;
  } rows[] = {
      {'H', "H", 3, 0},  // audio source changed during the tune: at most three steps
      {'m', "m", 4, 4},  // mode steps: at most four, each with its message
  };
  for (const Row& r : rows) {
    Rig rig(3);
    std::vector<std::string> stop = tuneOnAndOff(rig, [&] {
      rig.radio.faults.ignoredLetter = r.ignored;
      if (r.ignored != 'H') return;
      rig.radio.state.audioSource = 2;
      rig.port.deliver({0, "H2\n"});
    });
    EXPECT_EQ(count(stop, r.command), r.sent) << r.command;
    EXPECT_EQ(count(rig.ui.messageBoxes(), "MODE Change Error"), r.modeErrors) << r.command;
  }
}

TEST(Tune, NoRestoreTowardsAModeThatWasNeverReported) {
  Rig rig(3);
  rig.radio.faults.garbleTags = "M";  // every mode line arrives damaged and is dropped
  rig.at(kReady, [&] { press(rig, "cmdTune"); });
  size_t stopIndex = 0;
  rig.at(kReady + 3.0, [&] {
    stopIndex = rig.commands().size();
    press(rig, "cmdTune");
  });
  rig.runFor(kReady + 20.0);
  EXPECT_EQ(count(commandsFrom(rig, stopIndex), "m"), 0);
  EXPECT_TRUE(rig.ui.messageBoxes().empty());
  EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE ON");
}

}  // namespace

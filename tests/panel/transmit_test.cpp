// XMT and TUNE with its restore, on the whole program against the simulated radio.
#include <gtest/gtest.h>

#include "tests/panel/panel_script.h"

namespace {

using panel_script::commandsFrom;
using panel_script::count;
using panel_script::kReady;
using panel_script::press;
using panel_script::writeTimes;

TEST(Transmit, XmtTwiceKeysThenUnkeys) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(kReady, [&] {
    rig.port.clearWrites();
    press(rig, "cmdXmit");
  });
  rig.at(kReady + 1.0, [&] {
    // "K" left at once (the indicator showed "Receive"), and the radio transmits.
    ASSERT_FALSE(writeTimes(rig, "K").empty());
    EXPECT_NEAR(writeTimes(rig, "K")[0], kReady, 0.05);
    EXPECT_TRUE(rig.radio.state.transmitting);
    EXPECT_EQ(rig.control("cmdXmit").caption, "&XMT OFF");
    EXPECT_EQ(rig.link.gSyncChar, "K");
    EXPECT_FALSE(rig.control("cmdTune").enabled);
    EXPECT_EQ(rig.control("lblXMTRCV").caption, "Transmit");
    rig.port.clearWrites();
    press(rig, "cmdXmit");
  });
  rig.runFor(kReady + 3.0);
  ASSERT_FALSE(writeTimes(rig, "U").empty());
  EXPECT_NEAR(writeTimes(rig, "U")[0], kReady + 1.0, 0.05);  // at once, not at the keep-alive
  EXPECT_FALSE(rig.radio.state.transmitting);
  EXPECT_EQ(rig.control("cmdXmit").caption, "&XMT ON");
  EXPECT_EQ(rig.link.gSyncChar, "U");
  EXPECT_TRUE(rig.control("cmdTune").enabled);
  EXPECT_FALSE(rig.frm.xmitFlag);
}

TEST(Transmit, XmtAndTuneLockEachOtherOut) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(kReady, [&] { press(rig, "cmdXmit"); });
  rig.at(kReady + 1.0, [&] { rig.frm.tuneFlag = true; });  // a TUNE click that got through
  rig.at(kReady + 2.0, [&] {
    EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE ON");
    EXPECT_EQ(rig.radio.state.mode, 1);  // no tune started
    press(rig, "cmdXmit");
  });
  rig.at(kReady + 3.0, [&] { press(rig, "cmdTune"); });
  // The frequency report of the mode change may have made XMT live again; it still does
  // nothing while the tune carrier is on.
  rig.at(kReady + 6.0, [&] { press(rig, "cmdXmit"); });
  rig.runFor(kReady + 7.0);
  EXPECT_EQ(rig.control("cmdXmit").caption, "&XMT ON");
  EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE OFF");
  EXPECT_TRUE(rig.radio.state.transmitting);
  EXPECT_FALSE(rig.frm.xmitFlag);
  EXPECT_FALSE(rig.frm.tuneFlag);
}

TEST(Transmit, KeepAliveRepeatsTheKeyWhileTransmitting) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(kReady, [&] { press(rig, "cmdXmit"); });
  rig.runFor(kReady + 7.0);
  EXPECT_GE(writeTimes(rig, "K").size(), 3u);
  EXPECT_TRUE(rig.radio.state.transmitting);
  EXPECT_EQ(rig.link.gSyncCount, 0);  // each one answered
}

// Runs TUNE on and off from USB; `during` runs while the tune carrier is on.
struct TuneRun {
  explicit TuneRun(int firmware) : rig(firmware) { rig.writePortSetup(); }
  void run(const std::function<void()>& during = [] {}) {
    rig.at(kReady, [&] { press(rig, "cmdTune"); });
    rig.at(kReady + 3.0, [&, during] {
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
    stopCommands = commandsFrom(rig, stopIndex);
  }
  void expectBackInUsb() {
    EXPECT_EQ(rig.radio.state.mode, 1);
    EXPECT_FALSE(rig.radio.state.transmitting);
    EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE ON");
    EXPECT_TRUE(rig.control("cmdXmit").enabled);
    EXPECT_TRUE(rig.control("cmdMode").enabled);
    EXPECT_EQ(rig.link.gSyncChar, "U");
    EXPECT_FALSE(rig.frm.tuneFlag);
  }
  ProgramRig rig;
  size_t stopIndex = 0;
  std::vector<std::string> stopCommands;
};

TEST(Tune, FirmwareTwoGoesBackToUsbWithOneModeCommand) {
  TuneRun t(2);
  t.run();
  t.expectBackInUsb();
  EXPECT_EQ(count(t.stopCommands, "M1"), 1);
  // Nothing else was changed, so nothing else is put back.
  EXPECT_EQ(count(t.stopCommands, "H"), 0);
  EXPECT_EQ(count(t.stopCommands, "S"), 0);
}

TEST(Tune, SteppingFirmwareStepsUntilUsbIsReported) {
  struct Row {
    int firmware;
    const char* step;
    int pttToggles;
  } rows[] = {
      {1, "M", 1},  // the oldest firmware gets its PTT enable back
      {3, "m", 0},  // the others never toggle it, even when it differs
  };
  for (const Row& r : rows) {
    TuneRun t(r.firmware);
    t.rig.radio.behaviour.modeChangeClearsPtt = true;
    t.run();
    t.expectBackInUsb();
    EXPECT_EQ(count(t.stopCommands, r.step), 2) << r.firmware;  // AME, CW, USB
    EXPECT_EQ(
        count(t.stopCommands, "'") + count(t.stopCommands, "'1") + count(t.stopCommands, "'0"),
        r.pttToggles)
        << r.firmware;
    EXPECT_EQ(t.rig.radio.state.pttEnable, r.firmware == 1) << r.firmware;
  }
}

TEST(Tune, AudioSourceAndSideToneChangedDuringTheTuneArePutBack) {
  TuneRun t(2);
  t.run([&] {
    // The radio's own panel changed them while the carrier was on.
    t.rig.radio.state.audioSource = 2;
    t.rig.radio.state.sidetone = true;
    t.rig.port.deliver({0, "H2\nS1\n"});
  });
  t.expectBackInUsb();
  EXPECT_EQ(count(t.stopCommands, "H"), 2);  // AUDIO2, PATCH, MIC
  EXPECT_EQ(count(t.stopCommands, "S"), 1);
  EXPECT_EQ(t.rig.radio.state.audioSource, 1);
  EXPECT_FALSE(t.rig.radio.state.sidetone);
}

TEST(Tune, RestoreGivesUpWhenTheRadioNeverGetsThere) {
  TuneRun t(3);
  t.run([&] {
    t.rig.radio.faults.ignoredLetter = 'H';
    t.rig.radio.state.audioSource = 2;
    t.rig.port.deliver({0, "H2\n"});
  });
  EXPECT_EQ(count(t.stopCommands, "H"), 3);
  EXPECT_EQ(t.rig.control("cmdTune").caption, "T&UNE ON");
}

TEST(Tune, ModeStepsAreBoundedWhenTheRadioIgnoresThem) {
  TuneRun t(3);
  t.run([&] { t.rig.radio.faults.ignoredLetter = 'm'; });
  EXPECT_EQ(count(t.stopCommands, "m"), 4);
  EXPECT_EQ(count(t.rig.ui.messageBoxes(), "MODE Change Error"), 4);
  EXPECT_EQ(t.rig.control("cmdTune").caption, "T&UNE ON");
  EXPECT_FALSE(t.rig.radio.state.transmitting);
}

TEST(Tune, NoRestoreTowardsAModeThatWasNeverReported) {
  ProgramRig rig(3);
  rig.writePortSetup();
  rig.radio.faults.garbleTags = "M";  // every mode line arrives damaged and is dropped
  rig.at(kReady, [&] { press(rig, "cmdTune"); });
  size_t stopIndex = 0;
  rig.at(kReady + 3.0, [&] {
    stopIndex = rig.commands().size();
    press(rig, "cmdTune");
  });
  rig.runFor(kReady + 20.0);
  std::vector<std::string> stop = commandsFrom(rig, stopIndex);
  EXPECT_EQ(count(stop, "m"), 0);
  EXPECT_TRUE(rig.ui.messageBoxes().empty());
  EXPECT_EQ(rig.control("cmdTune").caption, "T&UNE ON");
}

}  // namespace

// The amplifier's PWR, OPR and TUN buttons and the tune cycle's watchdog, on the whole
// program against the simulated radio.
#include <gtest/gtest.h>

#include "tests/panel/panel_script.h"

namespace {

using panel_script::commandsFrom;
using panel_script::count;
using panel_script::kReady;
using panel_script::press;
using panel_script::writeTimes;

TEST(AmpActions, PowerAndOperateShowTheRequestUntilTheAnswer) {
  struct Row {
    const char* button;
    const char* label;
    const char* shows;
    const char* becomes;  // "" when nothing is sent
    const char* command;
  } rows[] = {
      {"cmdAmpPwr", "lblAmpPwr", "OFF", " >> ", "O2"},         // switch on
      {"cmdAmpPwr", "lblAmpPwr", "ON", " << ", "O1"},          // switch off
      {"cmdAmpPwr", "lblAmpPwr", " >> ", " >> ", ""},          // request on its way
      {"cmdAmpOpr", "lblAmpOpStby", "Standby", " >> ", "O4"},  // operate
      {"cmdAmpOpr", "lblAmpOpStby", "Operate", " << ", "O3"},  // standby
      {"cmdAmpOpr", "lblAmpOpStby", "Warmup", "Warmup", ""},   // not yet
  };
  for (const Row& r : rows) {
    ProgramRig rig;
    rig.writePortSetup();
    rig.radio.faults.ignoredLetter = 'O';  // the answer never comes: the request shows
    size_t from = 0;
    rig.at(kReady, [&] {
      rig.control(r.label).caption = r.shows;
      from = rig.commands().size();
      press(rig, r.button);
    });
    rig.runFor(kReady + 1.0);
    std::vector<std::string> sent = commandsFrom(rig, from);
    EXPECT_EQ(rig.control(r.label).caption, r.becomes) << r.button << " " << r.shows;
    int amplifierCommands =
        count(sent, "O1") + count(sent, "O2") + count(sent, "O3") + count(sent, "O4");
    EXPECT_EQ(amplifierCommands, *r.command ? 1 : 0) << r.button << " " << r.shows;
    if (*r.command) {
      EXPECT_EQ(count(sent, r.command), 1) << r.button;
    }
  }
}

TEST(AmpActions, SwitchOnOperateAndTune) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(kReady, [&] {
    EXPECT_EQ(rig.control("lblAmpPwr").caption, "OFF");
    press(rig, "cmdAmpPwr");
  });
  rig.at(kReady + 1.0, [&] { EXPECT_EQ(rig.control("lblAmpOpStby").caption, "Warmup"); });
  rig.at(kReady + 4.0, [&] {
    EXPECT_EQ(rig.control("lblAmpOpStby").caption, "Standby");
    press(rig, "cmdAmpOpr");
  });
  rig.at(kReady + 5.0, [&] {
    EXPECT_EQ(rig.control("lblAmpOpStby").caption, "Operate");
    EXPECT_EQ(rig.control("lblAmpTuned").caption, "Start Tune");
    EXPECT_TRUE(rig.control("cmdTuneAmp").enabled);
    rig.port.clearWrites();
    EXPECT_TRUE(rig.click("cmdTuneAmp"));
  });
  rig.at(kReady + 6.0, [&] {
    ASSERT_FALSE(writeTimes(rig, "K").empty());
    EXPECT_NEAR(writeTimes(rig, "K")[0], kReady + 5.0, 0.05);
    EXPECT_TRUE(rig.link.gAmpTuning);
    EXPECT_EQ(rig.link.gSyncChar, "K");
    EXPECT_EQ(rig.control("lblAmpTuned").caption, "Tuning");
  });
  rig.runFor(kReady + 10.0);
  // The radio reported "Tuned" three seconds in: the cycle ended and the radio receives.
  EXPECT_EQ(rig.control("lblAmpTuned").caption, "Tuned");
  EXPECT_FALSE(rig.link.gAmpTuning);
  EXPECT_EQ(rig.link.gSyncChar, "U");
  EXPECT_FALSE(rig.radio.state.transmitting);
  EXPECT_TRUE(rig.ui.messageBoxes().empty());
}

// The amplifier operates with its tuner ready from the start.
ProgramRig& ampReady(ProgramRig& rig) {
  rig.writePortSetup();
  rig.radio.state.amp = 4;
  rig.radio.state.ampTune = 2;
  return rig;
}

TEST(AmpActions, SecondTunClickStopsTheCycle) {
  ProgramRig rig;
  ampReady(rig).radio.behaviour.ampTuneSeconds = -1;  // the tuner never finishes
  rig.at(kReady, [&] { press(rig, "cmdTuneAmp"); });
  rig.at(kReady + 2.0, [&] {
    EXPECT_EQ(rig.control("lblAmpTuned").caption, "Tuning");
    press(rig, "cmdTuneAmp");  // whatever the label shows, a running cycle stops
  });
  rig.runFor(kReady + 3.0);
  EXPECT_FALSE(rig.link.gAmpTuning);
  EXPECT_EQ(rig.link.gSyncChar, "U");
  EXPECT_FALSE(rig.radio.state.transmitting);
  EXPECT_EQ(rig.control("lblAmpTuned").caption, "Start Tune");  // the radio's T2
}

TEST(AmpActions, TunWithoutStartTuneDoesNothing) {
  ProgramRig rig;
  rig.writePortSetup();
  size_t from = 0;
  rig.at(kReady, [&] {
    rig.control("lblAmpTuned").caption = "Tuned";
    from = rig.commands().size();
    press(rig, "cmdTuneAmp");
  });
  rig.runFor(kReady + 1.0);
  EXPECT_EQ(count(commandsFrom(rig, from), "K"), 0);
  EXPECT_FALSE(rig.link.gAmpTuning);
  EXPECT_FALSE(rig.frm.tuneAmpFlag);
}

TEST(AmpActions, WatchdogUnkeysBeforeTuneCancelled) {
  ProgramRig rig;
  ampReady(rig).radio.behaviour.ampTuneSeconds = -1;
  bool keyedDuringMessage = true;
  double messageAt = 0;
  size_t from = 0;
  rig.ui.onMessageBox = [&](const std::string& text) {
    if (text != "Tune Cancelled") return;
    keyedDuringMessage = rig.radio.state.transmitting;
    messageAt = rig.elapsed();
    from = rig.commands().size();
  };
  rig.ui.holdMessageBoxes(5.0);  // the user is slow to answer
  rig.at(kReady, [&] { press(rig, "cmdTuneAmp"); });
  rig.at(kReady + 10.0, [&] { EXPECT_TRUE(rig.link.gAmpTuning); });
  rig.runFor(kReady + 30.0);
  EXPECT_NEAR(messageAt, kReady + 20.0, 0.3);
  EXPECT_FALSE(keyedDuringMessage);
  EXPECT_FALSE(rig.link.gAmpTuning);
  EXPECT_EQ(rig.link.gSyncChar, "U");
  std::vector<std::string> late = commandsFrom(rig, from);
  EXPECT_EQ(count(late, "?"), 1);  // the full status after OK
  EXPECT_EQ(count(late, "K"), 0);
}

TEST(AmpActions, TunedReportWhileXmtKeysLeavesTheTransmitterKeyed) {
  ProgramRig rig;
  ampReady(rig);
  rig.at(kReady, [&] { press(rig, "cmdXmit"); });  // keying starts the tuner on its own
  rig.runFor(kReady + 8.0);
  EXPECT_EQ(rig.control("lblAmpTuned").caption, "Tuned");
  EXPECT_TRUE(rig.radio.state.transmitting);
  EXPECT_EQ(rig.link.gSyncChar, "K");
  EXPECT_TRUE(writeTimes(rig, "U").empty() ||
              writeTimes(rig, "U").back() < kReady);  // no unkey since XMT
}

}  // namespace

// The amplifier's PWR, OPR and TUN buttons and the tune cycle's watchdog, on the whole
// program against the simulated radio.
#include <gtest/gtest.h>

#include "tests/panel/panel_script.h"

namespace {

using namespace panel_script;

TEST(AmpActions, ButtonsShowTheirRequestUntilTheAnswerOrDoNothing) {
  struct Row {
    const char* button;
    const char* label;
    const char* shows;
    const char* becomes;
    std::vector<std::string> sent;
  } rows[] = {
      {"cmdAmpPwr", "lblAmpPwr", "OFF", " >> ", {"O2"}},         // switch on
      {"cmdAmpPwr", "lblAmpPwr", "ON", " << ", {"O1"}},          // switch off
      {"cmdAmpPwr", "lblAmpPwr", " >> ", " >> ", {}},            // request on its way
      {"cmdAmpOpr", "lblAmpOpStby", "Standby", " >> ", {"O4"}},  // operate
      {"cmdAmpOpr", "lblAmpOpStby", "Operate", " << ", {"O3"}},  // standby
      {"cmdAmpOpr", "lblAmpOpStby", "Warmup", "Warmup", {}},     // not yet
      {"cmdTuneAmp", "lblAmpTuned", "Tuned", "Tuned", {}},       // no "Start Tune": no cycle
  };
  for (const Row& r : rows) {
    Rig rig;
    rig.radio.faults.ignoredLetter = 'O';  // the answer never comes: the request shows
    size_t from = 0;
    rig.at(kReady, [&] {
      rig.control(r.label).caption = r.shows;
      from = rig.commands().size();
      press(rig, r.button);
    });
    rig.runFor(kReady + 1.0);
    EXPECT_EQ(rig.control(r.label).caption, r.becomes) << r.button << " " << r.shows;
    EXPECT_EQ(commandsFrom(rig, from, false), r.sent) << r.button << " " << r.shows;
    EXPECT_FALSE(rig.frm.ampPwrFlag || rig.frm.ampOprFlag || rig.frm.tuneAmpFlag) << r.button;
  }
}

TEST(AmpActions, SwitchOnOperateAndTune) {
  Rig rig;
  rig.at(kReady, [&] { press(rig, "cmdAmpPwr"); });
  rig.at(kReady + 4.0, [&] { press(rig, "cmdAmpOpr"); });  // warmed up
  rig.at(kReady + 5.0, [&] { EXPECT_TRUE(rig.click("cmdTuneAmp")); });
  rig.at(kReady + 6.0, [&] {
    ASSERT_FALSE(writeTimes(rig, "K").empty());
    EXPECT_NEAR(writeTimes(rig, "K")[0], kReady + 5.0, 1e-9);  // keyed within the click
    EXPECT_EQ(rig.control("lblAmpTuned").caption, "Tuning");
    EXPECT_EQ(rig.control("lblU").backColor, ui::kRed);  // transmitting
  });
  rig.runFor(kReady + 10.0);
  // The radio reported "Tuned" three seconds in: the cycle ended and the radio receives.
  EXPECT_EQ(rig.control("lblAmpTuned").caption, "Tuned");
  EXPECT_EQ(rig.link.gSyncChar, "U");
  EXPECT_FALSE(rig.radio.state.transmitting);
  EXPECT_TRUE(rig.ui.messageBoxes().empty());
}

/// The whole program with the amplifier operating, its tuner ready and never finishing.
struct EndlessTuneRig : Rig {
  EndlessTuneRig() {
    radio.state.amp = 4;
    radio.state.ampTune = 2;
    radio.behaviour.ampTuneSeconds = -1;
  }
};

TEST(AmpActions, SecondTunClickStopsTheCycle) {
  EndlessTuneRig rig;
  rig.at(kReady, [&] { press(rig, "cmdTuneAmp"); });
  rig.at(kReady + 2.0, [&] { press(rig, "cmdTuneAmp"); });  // whatever the label shows
  rig.runFor(kReady + 3.0);
  EXPECT_FALSE(rig.link.gAmpTuning);
  EXPECT_FALSE(rig.radio.state.transmitting);
  EXPECT_EQ(rig.control("lblAmpTuned").caption, "Start Tune");  // the radio's T2
}

TEST(AmpActions, WatchdogUnkeysBeforeTuneCancelled) {
  EndlessTuneRig rig;
  bool keyedDuringMessage = true;
  size_t from = 0;
  rig.ui.onMessageBox = [&](const std::string& text) {
    if (text != "Tune Cancelled") return;
    keyedDuringMessage = rig.radio.state.transmitting;
    from = rig.commands().size();
  };
  rig.ui.holdMessageBoxes(5.0);  // the user is slow to answer
  rig.at(kReady, [&] { press(rig, "cmdTuneAmp"); });
  rig.runFor(kReady + 30.0);
  EXPECT_FALSE(keyedDuringMessage);
  EXPECT_EQ(rig.link.gSyncChar, "U");
  EXPECT_EQ(commandsFrom(rig, from, false), std::vector<std::string>{"?"});  // status after OK
}

}  // namespace

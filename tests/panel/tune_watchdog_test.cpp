#include <gtest/gtest.h>

#include "tests/panel/panel_script.h"

namespace {

/// Starts an amplifier tune cycle the way tuneAmpCmd leaves it: keyed, timed from now.
void startTuneCycle(ProgramRig& rig) {
  rig.link.gSyncChar = "K";
  rig.link.gAmpTuning = true;
  rig.link.gAmpTuneStart = rig.clock.now();
}

TEST(TuneWatchdog, CancelsTwentySecondsAfterAStartJustBeforeMidnight) {
  ProgramRig rig(2, 86400.0 - 16.0);  // the tune starts 10 s before midnight
  rig.writePortSetup();
  double cancelledAt = -1;
  rig.ui.onMessageBox = [&](const std::string& text) {
    if (text == "Tune Cancelled") cancelledAt = rig.elapsed();
  };
  rig.at(6.0, [&] { startTuneCycle(rig); });
  rig.runFor(40.0);
  EXPECT_NEAR(cancelledAt, 26.0, 0.2);  // a pass may be in a keep-alive settle time
  EXPECT_FALSE(rig.link.gAmpTuning);
  EXPECT_EQ(rig.link.gSyncChar, "U");
}

// Whoever keyed the transmitter, the watchdog unkeys it before its message, and XMT and
// TUNE show the receive state as their own "off" leaves them.
TEST(TuneWatchdog, UnkeysATransmitterKeyedWithXmtOrTune) {
  for (const char* button : {"cmdXmit", "cmdTune"}) {
    SCOPED_TRACE(button);
    panel_script::Rig rig;
    std::vector<bool> shown;  // XMT and TUNE captions unkeyed, XMT, TUNE and Mode enabled
    double messageAt = -1;
    rig.ui.onMessageBox = [&](const std::string&) {
      messageAt = rig.elapsed();
      shown = {rig.control("cmdXmit").caption == "&XMT ON",
               rig.control("cmdTune").caption == "T&UNE ON", rig.control("cmdXmit").enabled,
               rig.control("cmdTune").enabled, rig.control("cmdMode").enabled};
    };
    rig.at(panel_script::kReady, [&] { panel_script::press(rig, button); });
    rig.at(panel_script::kReady + 3.0, [&] {
      startTuneCycle(rig);
      rig.port.clearWrites();
    });
    rig.runFor(panel_script::kReady + 26.0);
    EXPECT_EQ(rig.ui.messageBoxes(), std::vector<std::string>{"Tune Cancelled"});
    EXPECT_EQ(shown, std::vector<bool>(5, true));
    std::vector<double> unkeyed = panel_script::writeTimes(rig, "U");
    ASSERT_FALSE(unkeyed.empty());
    EXPECT_NEAR(messageAt - unkeyed[0], 0.1, 1e-6);  // sent at once, then its settle time
    EXPECT_EQ(rig.link.gSyncChar, "U");
    EXPECT_FALSE(rig.radio.state.transmitting);
  }
}

}  // namespace

#include <gtest/gtest.h>

#include "tests/support/program_rig.h"

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

TEST(TuneWatchdog, LeavesATransmitterKeyedWithXmtToItsButton) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(6.0, [&] {
    rig.control("cmdXmit").caption = "&XMT OFF";
    startTuneCycle(rig);
    rig.port.clearWrites();
  });
  rig.runFor(30.0);
  ASSERT_EQ(rig.ui.messageBoxes().size(), 1u);
  EXPECT_EQ(rig.ui.messageBoxes()[0], "Tune Cancelled");
  EXPECT_EQ(rig.link.gSyncChar, "K");
  EXPECT_EQ(rig.sent().find('U'), std::string::npos) << rig.sent();
}

}  // namespace

// The main loop's watchdog on the amplifier's tune cycle.
#include <gtest/gtest.h>

#include "tests/panel/panel_script.h"
#include "tests/panel/timed_writes.h"

namespace {

using namespace panel_script;

// An amplifier tune cycle started 9 s before midnight is cancelled 20 s later. Whoever keyed
// the transmitter, the watchdog unkeys it before its message, and XMT and TUNE then show the
// receive state as their own "off" leaves them.
TEST(TuneWatchdog, UnkeysTwentySecondsAfterTheStartAcrossMidnight) {
  for (const char* button : {"", "cmdXmit", "cmdTune"}) {
    SCOPED_TRACE(button);
    ProgramRig rig(2, 86400.0 - 20.0);
    rig.writePortSetup();
    std::string shown;  // the message, what had been written just before it and the captions
    double messageAt = 0;
    rig.ui.onMessageBox = [&](const std::string& text) {
      messageAt = rig.elapsed();
      shown += text + " after " + timedWrites(rig, 30.5, "") + ", " +
               rig.control("cmdXmit").caption + ", " + rig.control("cmdTune").caption;
    };
    if (*button) rig.at(kReady, [&] { press(rig, button); });
    rig.at(kReady + 3.0, [&] {
      rig.port.clearWrites();
      rig.control("lblAmpTuned").caption = "Start Tune";
      press(rig, "cmdTuneAmp");
    });
    rig.runFor(kReady + 26.0);
    EXPECT_EQ(shown, "Tune Cancelled after U@31.00, &XMT ON, T&UNE ON");
    EXPECT_NEAR(messageAt, 31.1, 1e-5);  // after the unkey's settle time
    EXPECT_FALSE(rig.link.gAmpTuning);
    EXPECT_EQ(rig.link.gSyncChar, "U");
    EXPECT_FALSE(rig.radio.state.transmitting);
  }
}

}  // namespace

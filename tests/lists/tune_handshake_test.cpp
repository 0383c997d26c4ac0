// The tune handshake both scanners use, where their scenarios do not reach it: its wait
// across midnight and an answer whose frequency line comes late. Its resends, its status
// request and its abandon test are timed in the scanner's scenarios.
#include "lists/tune_handshake.h"

#include <gtest/gtest.h>

#include "tests/support/link_rig.h"

namespace {

TEST(TuneHandshake, SilentRadioIsAskedOnceAfterTheWaitEvenAcrossMidnight) {
  LinkRig rig(2, 86399.9);
  rig.openPort();
  rig.radio.faults.silent = true;
  EXPECT_TRUE(lists::tuneHandshake(rig.link, "F0715000", [] { return false; }));
  ASSERT_EQ(rig.radio.commandLog, (std::vector<std::string>{"F0715000", "?"}));
  // The 0.1 s settle and two silent reads pass the 1.5 s, the clock restarting at midnight.
  EXPECT_NEAR(rig.port.writes()[1].time + 86400.0 - rig.port.writes()[0].time, 1.7, 1e-6);
}

TEST(TuneHandshake, OtherLinesBeforeTheFrequencyLineAreReadThrough) {
  LinkRig rig;
  rig.openPort();
  rig.radio.faults.extraDelay = 0.5;  // the frequency line comes after an unrelated one
  rig.port.deliver({0.15, "A2\n"});
  EXPECT_TRUE(lists::tuneHandshake(rig.link, "F0715000", [] { return false; }));
  EXPECT_EQ(rig.radio.commandLog, (std::vector<std::string>{"F0715000"}));
  EXPECT_EQ(rig.link.gFreq, "F0715000");
}

}  // namespace

// The tune handshake both scanners use: its waits, resends and when it gives up.
#include "lists/tune_handshake.h"

#include <gtest/gtest.h>

#include "tests/support/link_rig.h"

namespace {

class TuneHandshake : public ::testing::Test {
 protected:
  TuneHandshake() { rig.openPort(); }

  static bool never() { return false; }

  LinkRig rig;
};

TEST_F(TuneHandshake, SilentWaitAcrossMidnightStillLastsItsTime) {
  LinkRig late(2, 86399.9);
  late.openPort();
  late.radio.faults.silent = true;
  EXPECT_TRUE(lists::tuneHandshake(late.link, "F0715000", never));
  ASSERT_EQ(late.port.writes().size(), 2u);
  double sent = late.port.writes()[0].time;
  double asked = late.port.writes()[1].time;
  if (asked < sent) asked += 86400.0;  // the clock restarted at midnight
  EXPECT_NEAR(asked - sent, 1.7, 1e-6);
}

TEST_F(TuneHandshake, DifferentAnswerSendsAgainUntilAbandoned) {
  rig.radio.faults.freqReportOffset = 1;  // the radio reports 10 Hz above what it was sent
  int attempts = 0;
  bool ended = lists::tuneHandshake(
      rig.link, "F0715000", [&] { return rig.radio.commandLog.size() >= 5; }, [&] { ++attempts; });
  EXPECT_FALSE(ended);
  EXPECT_EQ(rig.radio.commandLog, std::vector<std::string>(5, "F0715000"));
  EXPECT_EQ(attempts, 5);  // beforeEachSend runs before every sending
  EXPECT_EQ(rig.link.gFreq, "F0715001");
}

TEST_F(TuneHandshake, AbandonIsTestedAfterTheFirstRead) {
  rig.radio.faults.silent = true;
  double start = rig.now();
  EXPECT_FALSE(lists::tuneHandshake(rig.link, "F1425000", [] { return true; }));
  EXPECT_EQ(rig.radio.commandLog, (std::vector<std::string>{"F1425000"}));
  EXPECT_NEAR(rig.now() - start, 0.1 + 0.8, 1e-6);  // the settle and one silent read
}

TEST_F(TuneHandshake, OtherLinesBeforeTheFrequencyLineAreReadThrough) {
  // A late frequency line: the first read ends on an unrelated line, the next one brings it.
  rig.radio.faults.extraDelay = 0.5;
  rig.port.deliver({0.15, "A2\n"});
  EXPECT_TRUE(lists::tuneHandshake(rig.link, "F0715000", never));
  EXPECT_EQ(rig.radio.commandLog, (std::vector<std::string>{"F0715000"}));
  EXPECT_EQ(rig.link.gFreq, "F0715000");
}

}  // namespace

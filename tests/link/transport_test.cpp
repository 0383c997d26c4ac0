#include <gtest/gtest.h>

#include "platform/runtime_error.h"
#include "tests/support/link_rig.h"

namespace {

class Transport : public ::testing::Test {
 protected:
  Transport() { rig.openPort(); }
  /// The radio sends text `delay` seconds from now.
  void radioSends(const std::string& text, double delay = 0.0) { rig.port.deliver({delay, text}); }
  LinkRig rig;
};

TEST_F(Transport, ReadGivesUpAfterEightTenthsOfASecondOfSilence) {
  double start = rig.now();
  rig.link.gReadResponse();
  EXPECT_NEAR(rig.now() - start, 0.8, 1e-6);
  EXPECT_EQ(rig.panel.lblComStat.caption, "No Com");
  EXPECT_EQ(rig.link.gInData, "");
}

TEST_F(Transport, ReadWaitsSixtyMillisecondsOfQuietAfterTheLastCharacter) {
  radioSends("A2\n", 0.3);
  radioSends("M1\n", 0.35);  // a short gap inside the response
  double start = rig.now();
  rig.link.gReadResponse();
  double lastChar = 0.35 + 3 * 10.0 / 9600;  // three characters at 9600 baud, 10 bits each
  EXPECT_NEAR(rig.now() - start, lastChar + 0.06, 2e-3);
  EXPECT_EQ(rig.link.gInData, "A2<M1<");
  EXPECT_EQ(rig.panel.lblComStat.caption, "Com OK");
  EXPECT_TRUE(rig.link.gAGCNew);
  EXPECT_TRUE(rig.link.gModeNew);
}

TEST_F(Transport, ReadEndsOnAnEndlessStreamAndLeavesTheRest) {
  radioSends(std::string(20000, 'x'));  // about 21 s of text at 9600 baud
  double start = rig.now();
  rig.link.gReadResponse();
  EXPECT_LE(rig.now() - start, 1.5 + 0.07);
  size_t first = rig.link.gInData.size();
  EXPECT_GT(first, 1000u);
  EXPECT_LE(first, 4096u);
  rig.link.gReadResponse();
  EXPECT_GT(rig.link.gInData.size(), 0u);  // the rest is still coming
}

TEST_F(Transport, LineCutByTheReadsBoundIsReadWholeByTheNext) {
  std::string lines;
  for (int i = 0; i < 200; ++i) lines += "F1234567\n";  // 1.9 s at 9600 baud
  radioSends(lines);
  rig.link.gReadResponse();
  EXPECT_EQ(rig.link.gInData.back(), '<');  // ends after its last whole line
  rig.link.gReadResponse();
  EXPECT_EQ(rig.link.gInData.substr(0, 9), "F1234567<");
}

TEST(TransportSpeeds, FullAnswerIsReadWholeAtEveryBaudOfPortSetup) {
  for (const char* baud : {"19200", "9600", "4800", "2400", "600", "300"}) {
    SCOPED_TRACE(baud);
    LinkRig rig;
    rig.openPort(std::string(baud) + ",O,7,1");
    rig.port.output("?\n");
    rig.link.gReadResponse();
    EXPECT_TRUE(rig.link.gGotHashDot);
  }
}

TEST_F(Transport, FullAnswerMarkersAreLoweredEvenWhenNothingComes) {
  radioSends("#\n.\n");
  rig.link.gReadResponse();
  EXPECT_TRUE(rig.link.gGotHashDot);
  rig.link.gReadResponse();  // silence
  EXPECT_FALSE(rig.link.gGotHashDot);
  EXPECT_FALSE(rig.link.gGotHash);
  EXPECT_FALSE(rig.link.gGotDot);
}

TEST_F(Transport, ReadAcrossMidnightStillWaitsEightTenths) {
  LinkRig late(2, 86399.5);
  late.openPort();
  double start = late.scheduler.time();
  late.link.gReadResponse();
  EXPECT_NEAR(late.scheduler.time() - start, 0.8, 1e-6);
}

TEST_F(Transport, DelayAcrossMidnightWaitsItsTime) {
  LinkRig late(2, 86399.5);
  double start = late.scheduler.time();
  late.link.gDelay(1.0);
  EXPECT_NEAR(late.scheduler.time() - start, 1.0, 0.02);
}

TEST_F(Transport, SendCommandAppendsLineFeedAndWaitsItsSettleTime) {
  double start = rig.now();
  rig.link.gSendCommand("H", true, 0.2);
  rig.link.gSendCommand("U", false, 0);
  EXPECT_EQ(rig.port.written(), "H\nU");
  EXPECT_NEAR(rig.now() - start, 0.2, 0.011);
}

TEST_F(Transport, SendCommandDropsTheCommandAfterTenBusyWaits) {
  rig.port.setStuckOutput(3);
  double start = rig.now();
  rig.link.gSendCommand("H", true, 0.2);
  EXPECT_EQ(rig.port.written(), "");
  EXPECT_NEAR(rig.now() - start, 0.10, 0.011);  // ten waits of 0.01 s, no settle time
}

TEST_F(Transport, SendCommandGoesOutWhenTheBufferEmptiesInTime) {
  rig.port.setStuckOutput(3);
  rig.scheduler.afterDevice(0.045, [this] { rig.port.setStuckOutput(0); });
  rig.link.gSendCommand("H", true, 0);
  EXPECT_EQ(rig.port.written(), "H\n");
}

TEST_F(Transport, SendCommandOnAClosedPortOnlyWaits) {
  rig.port.setPortOpen(false);
  double start = rig.now();
  rig.link.gSendCommand("?", true, 0.6);
  EXPECT_NEAR(rig.now() - start, 0.6, 0.011);
}

TEST_F(Transport, FlushTakesEverythingWaitingWithoutTouchingTheMarkers) {
  radioSends("A3\n#\n.\n");
  rig.scheduler.advanceTo(rig.scheduler.time() + 0.1);
  rig.link.gGotHashDot = true;
  rig.link.gFlushInput();
  EXPECT_TRUE(rig.link.gAGCNew);
  EXPECT_EQ(rig.port.inBufferCount(), 0);
  EXPECT_TRUE(rig.link.gGotHashDot);
  EXPECT_EQ(rig.link.gInData, "");
}

TEST_F(Transport, ReadOfAClosedPortRaisesTheControlsError) {
  rig.port.setPortOpen(false);
  EXPECT_THROW(rig.link.gReadResponse(), RuntimeError);
}

class KeepAlive : public Transport {
 protected:
  void at(double dt) { rig.scheduler.advanceTo(rig.scheduler.time() + dt); }
};

TEST_F(KeepAlive, FirstCallOnlyStartsTheInterval) {
  rig.panel.lblXMTRCV.caption = "Receive";
  rig.link.gSendSync("U");
  EXPECT_EQ(rig.port.written(), "");
  EXPECT_EQ(rig.link.gSyncCount, 0);
}

TEST_F(KeepAlive, SendsAfterMoreThanTwoSecondsAndCounts) {
  rig.panel.lblXMTRCV.caption = "Receive";
  rig.link.gSendSync("U");
  at(2.0);
  rig.link.gSendSync("U");  // exactly 2.0 s is not yet due
  EXPECT_EQ(rig.port.written(), "");
  at(0.01);
  rig.link.gSendSync("U");
  EXPECT_EQ(rig.port.written(), "U");
  EXPECT_EQ(rig.link.gSyncCount, 1);
  EXPECT_EQ(rig.panel.lblU.caption, "U");
  EXPECT_EQ(rig.panel.lblU.backColor, ui::kWhite);
}

TEST_F(KeepAlive, ChangeOfTransmitStateGoesOutAtOnce) {
  rig.panel.lblXMTRCV.caption = "Receive";
  rig.link.gSendSync("U");
  at(0.1);
  rig.link.gSendSync("K");
  rig.panel.lblXMTRCV.caption = "Transmit";
  at(0.1);
  rig.link.gSendSync("U");
  rig.link.gSendSync(" ");  // a blank waits for its period
  EXPECT_EQ(rig.port.written(), "KU");
}

TEST_F(KeepAlive, IndicatorIsClearedAfterHalfThePeriod) {
  rig.panel.lblXMTRCV.caption = "Receive";
  rig.link.gSendSync("K");
  EXPECT_EQ(rig.panel.lblU.caption, "K");
  rig.panel.lblXMTRCV.caption = "Transmit";
  at(0.9);
  rig.link.gSendSync("K");
  EXPECT_EQ(rig.panel.lblU.caption, "K");
  at(0.2);
  rig.link.gSendSync("K");
  EXPECT_EQ(rig.panel.lblU.caption, "");
}

TEST_F(KeepAlive, KeepsItsPeriodAcrossMidnight) {
  LinkRig late(2, 86399.0);
  late.openPort();
  late.panel.lblXMTRCV.caption = "Receive";
  late.link.gSendSync("U");
  for (int i = 0; i < 30; ++i) {
    late.scheduler.advanceTo(late.scheduler.time() + 0.1);
    late.link.gSendSync("U");
  }
  EXPECT_EQ(late.port.written(), "U");  // one send, 2.1 s after the first call
}

TEST_F(Transport, LineEventsReachTheStatusLabelAndTheBreakFlagAfterTheRead) {
  radioSends("A:\n");  // a parity error
  rig.link.gReadResponse();
  rig.ui.doEvents(0);
  EXPECT_EQ(rig.panel.lblComStat.caption, "Com Error");
  rig.port.deliver({0.0, "", true});
  rig.ui.doEvents(0.01);
  EXPECT_TRUE(rig.link.gComBreak);
}

}  // namespace

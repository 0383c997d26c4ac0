#include <gtest/gtest.h>

#include <algorithm>

#include "platform/runtime_error.h"
#include "tests/link/timed_writes.h"
#include "tests/support/link_rig.h"

namespace {

// Every rig here starts just before midnight, so that the waits it tests also cross it; a wait
// that misses the midnight correction runs into the stop time.
constexpr double kBeforeMidnight = 86399.9;

struct LateRig : LinkRig {
  LateRig() : LinkRig(2, kBeforeMidnight) {
    scheduler.setStopTime(kBeforeMidnight + 60);
    openPort();
  }
};

struct Transport : ::testing::Test {
  LateRig rig;
};

TEST_F(Transport, ReadGivesUpAfterEightTenthsOfASecondOfSilence) {
  rig.port.deliver({0.0, "#\n.\n"});
  rig.link.gReadResponse();
  ASSERT_TRUE(rig.link.gGotHashDot);
  double start = rig.scheduler.time();
  rig.link.gReadResponse();
  EXPECT_NEAR(rig.scheduler.time() - start, 0.8, 1e-6);
  EXPECT_EQ(rig.panel.lblComStat.caption, "No Com");
  EXPECT_EQ(rig.link.gInData, "");
  EXPECT_FALSE(rig.link.gGotHash || rig.link.gGotDot || rig.link.gGotHashDot);
}

TEST_F(Transport, ReadWaitsSixtyMillisecondsOfQuietAfterTheLastCharacter) {
  rig.port.deliver({0.3, "A2\n"});
  rig.port.deliver({0.35, "M1\n"});  // a short gap inside the response
  double start = rig.scheduler.time();
  rig.link.gReadResponse();
  double lastChar = 0.35 + 3 * 10.0 / 9600;  // three characters at 9600 baud, 10 bits each
  EXPECT_NEAR(rig.scheduler.time() - start, lastChar + 0.06, 1e-6);
  EXPECT_EQ(rig.link.gInData, "A2<M1<");
  EXPECT_EQ(rig.panel.lblComStat.caption, "Com OK");
  EXPECT_TRUE(rig.link.gAGCNew && rig.link.gModeNew);
}

// A radio that never stops sending is cut after its last whole line; the next read goes on.
TEST(TransportBound, EndlessStreamIsCutAtALineAndFullAnswersFitAtEveryBaud) {
  for (const char* baud : {"19200", "9600", "4800", "2400", "600", "300"}) {
    SCOPED_TRACE(baud);
    LinkRig rig;
    rig.openPort(std::string(baud) + ",O,7,1");
    rig.port.output("?\n");
    rig.link.gReadResponse();
    EXPECT_TRUE(rig.link.gGotHashDot);
    std::string lines;
    for (int i = 0; i < 400; ++i) lines += "F1234567\n";
    rig.port.deliver({0.0, lines});
    rig.link.gReadResponse();
    EXPECT_EQ(rig.link.gInData.back(), '<');
    rig.link.gReadResponse();
    EXPECT_EQ(rig.link.gInData.substr(0, 9), "F1234567<");
  }
  // A line cut just before the port is opened again is not glued to the new session's.
  LinkRig rig;
  rig.openPort();
  std::string lines;
  for (int i = 0; i < 400; ++i) lines += "F1234567\n";
  rig.port.deliver({0.0, lines});
  rig.link.gReadResponse();
  rig.port.setPortOpen(false);
  rig.scheduler.advanceTo(rig.scheduler.time() + 5.0);
  rig.port.setPortOpen(true);
  rig.port.deliver({0.0, "R1\n"});
  rig.link.gReadResponse();
  EXPECT_EQ(rig.link.gInData, "R1<");
}

// The output buffer is waited for ten times 0.01 s at most; a command still held then is
// dropped, also when the buffer empties during the tenth wait. Errors of a closed port pass.
TEST(TransportSend, CommandWaitsForTheBufferThenSettles) {
  const struct {
    double freeAt;  // seconds until the output buffer empties
    bool open;
    std::vector<std::string> sent;
    double took;
  } kRows[] = {
      {0, true, {"0 H\n", "0.2 U"}, 0.2},  // LF only when asked; the 0.2 s settle time
      {0.085, true, {"0.090001 H\n", "0.290001 U"}, 0.29},
      {0.095, true, {"0.100001 U"}, 0.1},  // dropped after ten waits, without settling
      {0, false, {}, 0.2},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.freeAt);
    LateRig rig;
    if (!row.open) rig.port.setPortOpen(false);
    rig.port.setStuckOutput(row.freeAt > 0 ? 1 : 0);
    if (row.freeAt > 0) rig.scheduler.afterDevice(row.freeAt, [&] { rig.port.setStuckOutput(0); });
    double start = rig.scheduler.time();
    rig.link.gSendCommand("H", true, 0.2);
    rig.link.gSendCommand("U", false, 0);
    EXPECT_EQ(timedWrites(rig.port, start), row.sent);
    EXPECT_NEAR(rig.scheduler.time() - start, row.took, 1e-6);
  }
}

TEST_F(Transport, FlushTakesEverythingWaitingWithoutTouchingTheMarkers) {
  rig.port.deliver({0.0, "A3\n#\n.\n"});
  rig.scheduler.advanceTo(rig.scheduler.time() + 0.1);
  rig.link.gGotHashDot = true;
  rig.link.gFlushInput();
  EXPECT_TRUE(rig.link.gAGCNew);
  EXPECT_EQ(rig.port.inBufferCount(), 0);
  EXPECT_TRUE(rig.link.gGotHashDot);
  EXPECT_EQ(rig.link.gInData, "");
  rig.port.setPortOpen(false);
  EXPECT_THROW(rig.link.gReadResponse(), RuntimeError);  // the control's own error
}

// The keep-alive goes out after more than 2.0 s, or at once for a change of transmit state;
// its indicator shows the character sent and is blanked after more than half the period.
TEST(TransportKeepAlive, PeriodAndIndicator) {
  const struct {
    double at;  // seconds from the first call
    const char* shown;
    const char* syncChar;
    const char* lblU;
    double due;  // seconds until a pass must call again, asked before the call
  } kRows[] = {
      {0.00, "Receive", "U", "x", 0},      // the first call only starts the period
      {2.00, "Receive", "U", "", 0},       // exactly 2.0 s is not yet due
      {2.01, "Receive", "U", "U", 0},      // sent; returns after its 0.1 s settle time
      {2.11, "Receive", "K", "K", 0},      // the wanted state differs from the shown one
      {2.21, "Transmit", "U", "U", 0},     //
      {2.31, "Transmit", " ", "U", 1.0},   // a blank waits for its period
      {2.60, "Transmit", " ", "U", 0},     // after midnight
      {3.26, "Transmit", "K", "U", 0.05},  // 0.95 s after the last one
      {3.36, "Transmit", "K", "", 0},      // 1.05 s: the indicator is overdue for its blank
      {4.32, "Transmit", " ", " ", 0},     // 2.01 s
  };
  LinkRig rig(2, 86397.5);  // midnight at 2.5 s
  rig.scheduler.setStopTime(86397.5 + 60);
  rig.openPort();
  rig.panel.lblU.caption = "x";
  rig.panel.lblU.backColor = ui::kBlack;
  double start = rig.scheduler.time();
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.at);
    rig.scheduler.advanceTo(std::max(rig.scheduler.time(), start + row.at));
    rig.panel.lblXMTRCV.caption = row.shown;
    EXPECT_NEAR(rig.link.secondsToSyncDue(row.syncChar), row.due, 1e-6);
    rig.link.gSendSync(row.syncChar);
    EXPECT_EQ(rig.panel.lblU.caption, row.lblU);
  }
  EXPECT_EQ(timedWrites(rig.port, start),
            (std::vector<std::string>{"2.01 U", "2.11 K", "2.21 U", "4.32  "}));
  EXPECT_EQ(rig.link.gSyncCount, 4);
  EXPECT_EQ(rig.panel.lblU.backColor, ui::kWhite);
}

// An answer read by an event inside the keep-alive's settle counts: no "No Com" follows.
TEST(TransportKeepAlive, AnswerReadInsideTheSettleCounts) {
  LinkRig rig;
  rig.openPort();
  rig.link.gSendSync("U");  // starts the period
  rig.scheduler.advanceTo(rig.scheduler.time() + 2.01);
  rig.ui.at(rig.scheduler.time() + 0.09, [&rig] { rig.link.readWaitingResponse(); });
  rig.link.gSendSync("U");
  rig.scheduler.advanceTo(rig.scheduler.time() + 1.0);
  rig.link.readWaitingResponse();
  EXPECT_EQ(rig.panel.lblComStat.caption, "Com OK");
}

/// A port that raises whatever line event a test names.
struct EventPort : SerialPort {
  void raise(int code) { lineEvent(code); }
  bool portExists(int) override { return true; }
  void openDevice(int, const SerialSettings&, int) override {}
  void closeDevice() override {}
  void writeDevice(const std::string&) override {}
  int pendingOutput() override { return 0; }
  void pumpInput() override {}
  void waitDevice(double) override {}
};

TEST(LineEvents, ErrorsShowComErrorABreakIsNotedOthersAreIgnored) {
  LinkRig rig;
  EventPort port;
  Platform platform{rig.clock, rig.ui, port, rig.files};
  DisplayZarvinStatus link{platform, rig.panel};
  port.onComm = [&] { link.MSComm1_OnComm(); };
  for (int code : {1001, 1004, 1006, 1008, 1009, 1010, 1011, 3, 4, 5, 6, 7}) {
    rig.panel.lblComStat.caption = "Com OK";
    link.gComBreak = false;
    port.raise(code);
    EXPECT_EQ(rig.panel.lblComStat.caption, code > 1001 ? "Com Error" : "Com OK") << code;
    EXPECT_EQ(link.gComBreak, code == 1001) << code;
  }
}

}  // namespace

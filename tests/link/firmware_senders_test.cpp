#include <gtest/gtest.h>

#include "tests/link/timed_writes.h"
#include "tests/support/link_rig.h"

namespace {

/// The link on an open port, its store holding the item that `call` starts from.
struct SenderRig : LinkRig {
  SenderRig(int firmware, const std::string& call, const std::string& from) : LinkRig(firmware) {
    openPort();
    link.gFWType = firmware;
    link.gFreq = "F1425000";
    link.gAGC = call == "gNextAGC" ? from : "A2";
    link.gPTT = call == "gTogglePTT" ? from : "'1";
    link.gMode = call.find("Mode") != std::string::npos ? from : "M1";
  }
  /// Runs a call written as "gSetMode M3".
  void run(const std::string& call) {
    std::string arg = call.substr(call.find(' ') + 1);
    if (call.compare(0, 13, "gSetFrequency") == 0) link.gSetFrequency(arg);
    if (call.compare(0, 8, "gSetMode") == 0) link.gSetMode(arg);
    if (call == "gNextAGC") link.gNextAGC();
    if (call == "gNextMode") link.gNextMode();
    if (call == "gTogglePTT") link.gTogglePTT();
  }
};

// Each sender's bytes, their times and the call's whole duration: its settle time, then the
// radio's answer (in by then) and the read's 0.06 s quiet period, or 0.8 s of silence.
TEST(FirmwareSenders, SendAndSettlePerGeneration) {
  const struct {
    const char* call;
    int firmware;
    const char* from;
    std::vector<std::string> sent;
    double took;
  } kRows[] = {
      {"gSetFrequency 0715000", 2, "", {"0 F0715000\n"}, 0.51},  // seven digits
      {"gSetFrequency 071500", 2, "", {}, 0},                    // six
      {"gSetFrequency 07 5000", 2, "", {}, 0},                   // a blank among them
      {"gNextAGC", 2, "A2", {"0 A3\nF1425000\n\n"}, 0.16},       // code, frequency, one LF more
      {"gNextAGC", 2, "A4", {"0 A1\nF1425000\n\n"}, 0.16},       // wraps round
      {"gNextAGC", 2, "A ", {"0 \n"}, 0.9},                      // unknown: the LF alone
      {"gNextAGC", 3, "A2", {"0 a\n\n"}, 0.16},
      {"gNextAGC", 1, "A2", {"0 A\n\n"}, 0.16},
      {"gSetMode M1", 1, "M4", {"0 M\n", "0.36 '"}, 0.62},    // round the cycle; PTT back
      {"gSetMode M4", 1, "M1", {"0 MMM\n", "0.36 '"}, 0.62},  // three steps
      {"gSetMode M3", 3, "  ", {"0 mm\n"}, 0.36},             // unknown counts as USB
      {"gSetMode M2", 1, "M2", {}, 0},                        // already there
      {"gSetMode M2", 2, "M2", {"0 M2\nF1425000\n"}, 0.36},   // generation 2 sends anyway
      {"gSetMode M3", 2, "M1", {"0 M3\nF1425000\n"}, 0.36},   // absolute, waits 0.3 s
      {"gSetMode M5", 2, "M1", {}, 0},                        // not a mode code
      {"gNextMode", 1, "M1", {"0 M\n"}, 0.16},                // waits for the M line
      {"gNextMode", 2, "M4", {"0 M1\nF1425000\n"}, 0.36},     // wraps round, waits 0.3 s
      // Unknown: no code, but the frequency, no M answer for 2.0 s, then the status reloaded.
      {"gNextMode", 2, "  ", {"0 \nF1425000\n", "2.76 ?\n"}, 3.82},
      {"gNextMode", 3, "M1", {"0 m\n"}, 0.16},
      {"gTogglePTT", 1, "'1", {"0 '"}, 0.26},  // one character, no LF
      {"gTogglePTT", 2, "'0", {"0 '1\n"}, 0.26},
      {"gTogglePTT", 3, "'1", {"0 '0\n"}, 0.26},
      {"gTogglePTT", 2, "  ", {}, 0.8},  // unknown: nothing sent, still read
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(std::string(row.call) + " gen " + std::to_string(row.firmware) + " " + row.from);
    SenderRig rig(row.firmware, row.call, row.from);
    double start = rig.now();
    rig.run(row.call);
    EXPECT_EQ(timedWrites(rig.port, start), row.sent);
    EXPECT_NEAR(rig.now() - start, row.took, 1e-6);
  }
}

// The mode step, sent nowhere, still finds no answer: it complains and reloads the status.
TEST(FirmwareSenders, AbsoluteCodesOfGenerationTwoNeedAValidFrequency) {
  SenderRig rig(2, "gSetMode", "M1");
  rig.link.gFreq = "F12345";
  rig.link.gNextAGC();
  rig.link.gSetMode("M3");
  rig.link.gNextMode();
  EXPECT_EQ(rig.port.written(), "?\n");
  EXPECT_EQ(rig.ui.messageBoxes(), std::vector<std::string>{"MODE Change Error"});
}

TEST(FirmwareSenders, NextModeWithoutAnswerComplainsAndReloadsTheStatus) {
  SenderRig rig(3, "gNextMode", "M1");
  rig.radio.faults.ignoredLetter = 'm';
  double start = rig.now();
  rig.link.gNextMode();
  // Reads of 0.8 s from 0.1 s until 2.0 s have passed, then "?" and its 1.0 s settle time.
  EXPECT_EQ(rig.ui.messageBoxes(), std::vector<std::string>{"MODE Change Error"});
  EXPECT_EQ(timedWrites(rig.port, start), (std::vector<std::string>{"0 m\n", "2.5 ?\n"}));
  EXPECT_NEAR(rig.now() - start, 3.56, 1e-6);
}

}  // namespace

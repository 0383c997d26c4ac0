#include <gtest/gtest.h>

#include "tests/support/link_rig.h"

namespace {

/// The link on an open port, with the radio's state already known to the store.
struct SenderRig : LinkRig {
  explicit SenderRig(int firmware, const std::string& mode = "M1", const std::string& agc = "A2")
      : LinkRig(firmware) {
    openPort();
    link.gFWType = firmware;
    link.gFreq = "F1425000";
    link.gMode = mode;
    link.gAGC = agc;
    link.gPTT = "'1";
  }
};

TEST(FirmwareSenders, SetFrequencySendsOnlySevenDigits) {
  struct Case {
    const char* digits;
    const char* sent;
  } cases[] = {
      {"0715000", "F0715000\n"},  // exactly seven digits
      {"071500", ""},             // six
      {"07150000", ""},           // eight
      {"07 5000", ""},            // a blank among them
  };
  for (const Case& c : cases) {
    SenderRig rig(2);
    rig.link.gSetFrequency(c.digits);
    EXPECT_EQ(rig.port.written(), c.sent) << c.digits;
  }
}

TEST(FirmwareSenders, NextAgcPerGeneration) {
  struct Case {
    int firmware;
    const char* agc;
    const char* sent;
  } cases[] = {
      {2, "A2", "A3\nF1425000\n\n"},  // absolute code, frequency, and the extra LF
      {2, "A4", "A1\nF1425000\n\n"},  // wraps round
      {2, "A ", "\n"},                // unknown code: the line feed alone
      {3, "A2", "a\n\n"},
      {1, "A2", "A\n\n"},
  };
  for (const Case& c : cases) {
    SenderRig rig(c.firmware, "M1", c.agc);
    rig.link.gNextAGC();
    EXPECT_EQ(rig.port.written(), c.sent) << c.firmware << " " << c.agc;
  }
}

TEST(FirmwareSenders, AbsoluteCodesOfGenerationTwoNeedAValidFrequency) {
  SenderRig rig(2);
  rig.link.gFreq = "F12345";
  rig.link.gNextAGC();
  rig.link.gSetMode("M3");
  EXPECT_EQ(rig.port.written(), "");
}

TEST(FirmwareSenders, SetModeStepsOrSendsAbsoluteCodes) {
  struct Case {
    int firmware;
    const char* from;
    const char* to;
    const char* sent;
  } cases[] = {
      {1, "M4", "M1", "M\n'"},            // one step round the cycle; PTT enable restored
      {1, "M1", "M4", "MMM\n'"},          // three steps
      {3, "  ", "M3", "mm\n"},            // unknown mode counts as USB
      {1, "M2", "M2", ""},                // already there: nothing
      {2, "M2", "M2", "M2\nF1425000\n"},  // generation 2 sends anyway
      {2, "M1", "M5", ""},                // not a mode code
      {2, "M1", "M3", "M3\nF1425000\n"},  // absolute code with the frequency
  };
  for (const Case& c : cases) {
    SenderRig rig(c.firmware, c.from);
    rig.link.gSetMode(c.to);
    EXPECT_EQ(rig.port.written(), c.sent) << c.firmware << " " << c.from << "->" << c.to;
  }
}

TEST(FirmwareSenders, NextModePerGeneration) {
  struct Case {
    int firmware;
    const char* from;
    const char* freq;
    const char* sent;
  } cases[] = {
      {1, "M1", "F1425000", "M\n"},
      {2, "M4", "F1425000", "M1\nF1425000\n"},  // the next code wraps round, with the frequency
      {3, "M1", "F1425000", "m\n"},
      {2, "  ", "F1425000", ""},  // unknown mode: no code to send
      {2, "M1", "F14250", ""},    // no valid frequency to send with it
  };
  for (const Case& c : cases) {
    SenderRig rig(c.firmware, c.from);
    rig.link.gFreq = c.freq;
    rig.link.gNextMode();
    EXPECT_EQ(rig.port.written(), c.sent) << c.firmware << " " << c.from << " " << c.freq;
  }
}

TEST(FirmwareSenders, GenerationOneRestoresPttEnableAfterAModeChange) {
  SenderRig rig(1, "M1");
  rig.radio.state.mode = 1;
  rig.radio.state.pttEnable = true;  // the radio drops it on a mode change
  rig.link.gSetMode("M2");
  EXPECT_EQ(rig.port.written(), "M\n'");
}

TEST(FirmwareSenders, NextModeWaitsForTheAnswerOrComplains) {
  SenderRig rig(3, "M1");
  rig.link.gNextMode();
  EXPECT_EQ(rig.port.written(), "m\n");
  EXPECT_TRUE(rig.ui.messageBoxes().empty());
  EXPECT_EQ(rig.link.gMode, "M2");

  SenderRig silent(3, "M1");
  silent.radio.faults.ignoredLetter = 'm';
  double start = silent.now();
  silent.link.gNextMode();
  ASSERT_EQ(silent.ui.messageBoxes().size(), 1u);
  EXPECT_EQ(silent.ui.messageBoxes()[0], "MODE Change Error");
  EXPECT_EQ(silent.port.written(), "m\n?\n");
  EXPECT_GE(silent.now() - start, 2.0);
}

TEST(FirmwareSenders, TogglePttPerGeneration) {
  struct Case {
    int firmware;
    const char* ptt;
    const char* sent;
  } cases[] = {
      {1, "'1", "'"},     // one character, no LF
      {2, "'0", "'1\n"},  // absolute, the other state
      {3, "'1", "'0\n"},
      {2, "  ", ""},  // unknown: nothing
  };
  for (const Case& c : cases) {
    SenderRig rig(c.firmware);
    rig.link.gPTT = c.ptt;
    rig.link.gTogglePTT();
    EXPECT_EQ(rig.port.written(), c.sent) << c.firmware << " " << c.ptt;
  }
}

}  // namespace

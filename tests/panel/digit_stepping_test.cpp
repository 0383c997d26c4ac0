// Mouse digit stepping on the VFO and channel digits: up, down, carries, limits and repeat.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/panel/frequency_entry_rig.h"

namespace {

using ui::kLeftButton;
using ui::kMiddleButton;
using ui::kRightButton;

TEST(DigitStepping, OneClickStepsTheRadioFrequency) {
  struct Case {
    int radioFreq;
    int index;
    int button;
    const char* sent;
  } cases[] = {
      {1425000, 3, kRightButton, "F1424000"},  // 14.25 MHz, 10 kHz down
      {995000, 2, kLeftButton, "F1005000"},    // 9.95 MHz up 100 kHz carries: 10.05 MHz
      {1000000, 6, kRightButton, "F0999999"},  // borrows, sent with its leading zero
      {2999999, 6, kLeftButton, "F2999999"},   // at the top: resent unchanged
      {165000, 1, kRightButton, "F0165000"},   // 1.65 MHz down 1 MHz: resent unchanged
      {1005000, 0, kRightButton, "F1005000"},  // 10.05 MHz down 10 MHz: resent unchanged
  };
  for (const Case& c : cases) {
    FrequencyEntryRig rig;
    rig.radio.state.freq = c.radioFreq;
    // Released after the step went out, before a second one.
    rig.pressAndHold(1.0, "cmdF", c.index, c.button, 0.1);
    rig.runScenario(2.0);
    ASSERT_GE(rig.readyAt, 0);
    EXPECT_EQ(rig.freqCommands(), std::vector<std::string>{c.sent}) << c.sent;
    EXPECT_EQ(rig.digits("cmdF"), std::string(c.sent).substr(1)) << c.sent;
    EXPECT_FALSE(rig.frm.freqBusy);
  }
}

TEST(DigitStepping, PressesThatMustNotStep) {
  struct Case {
    const char* what;
    double hold;
    std::function<void(FrequencyEntryRig&)> prepare;
  } cases[] = {
      {"released within the 0.05 s settle", 0.03, nullptr},
      {"radio frequency garbled, as a line with a parity error leaves it", 1.0,
       [](FrequencyEntryRig& rig) {
         rig.afterReady(1.4, [&rig] { rig.link.gFreq = "F14:5000"; });
       }},
      {"during a keypad entry", 1.0,
       [](FrequencyEntryRig& rig) {
         rig.afterReady(1.0, [&rig] { rig.click("cmdFreq"); });
         rig.afterReady(3.0, [&rig] { rig.click("cmdEnter"); });
       }},
  };
  for (const Case& c : cases) {
    FrequencyEntryRig rig;
    if (c.prepare) c.prepare(rig);
    rig.pressAndHold(1.5, "cmdF", 4, kLeftButton, c.hold);
    rig.runScenario(4.0);
    ASSERT_GE(rig.readyAt, 0);
    EXPECT_TRUE(rig.freqCommands().empty()) << c.what;
    EXPECT_EQ(rig.digits("cmdF"), "1425000") << c.what;
    EXPECT_FALSE(rig.frm.freqBusy) << c.what;
  }
}

TEST(DigitStepping, HoldingRepeatsUntilTheRelease) {
  FrequencyEntryRig rig;
  rig.pressAndHold(1.0, "cmdF", 4, kRightButton, 1.2);
  rig.runScenario(4.0);
  ASSERT_GE(rig.readyAt, 0);
  // A pass takes 0.05 s, the radio's answer and firmware 2's 0.3 s: three within 1.2 s.
  EXPECT_EQ(rig.freqCommands(), (std::vector<std::string>{"F1424900", "F1424800", "F1424700"}));
  EXPECT_EQ(rig.radio.state.freq, 1424700);
  EXPECT_EQ(rig.digits("cmdF"), "1424700");
}

TEST(DigitStepping, MiddleButtonResendsTheRadioFrequency) {
  FrequencyEntryRig rig;
  rig.pressAndHold(1.0, "cmdF", 2, kMiddleButton, 1.0);
  rig.runScenario(3.0);
  ASSERT_GE(rig.readyAt, 0);
  std::vector<std::string> sent = rig.freqCommands();
  ASSERT_GE(sent.size(), 2u);
  for (const std::string& s : sent) EXPECT_EQ(s, "F1425000");
}

TEST(DigitStepping, UnconfirmedStepIsSentAgainNotSteppedPast) {
  FrequencyEntryRig rig;
  // The radio hears the frequency commands but neither obeys nor answers them.
  rig.afterReady(0.5, [&] { rig.radio.faults.ignoredLetter = 'F'; });
  rig.pressAndHold(1.0, "cmdF", 5, kLeftButton, 2.5);
  std::string comStat;
  rig.afterReady(3.0, [&] { comStat = rig.control("lblComStat").caption; });
  rig.runScenario(5.0);
  ASSERT_GE(rig.readyAt, 0);
  std::vector<std::string> sent = rig.freqCommands();
  ASSERT_GE(sent.size(), 2u);
  for (const std::string& s : sent) EXPECT_EQ(s, "F1425010");
  EXPECT_EQ(comStat, "No Com");              // each wait for the answer timed out
  EXPECT_EQ(rig.digits("cmdF"), "1425000");  // the radio's own frequency is shown again
}

/// The mean time between the frequency commands of a 3 s hold.
double meanStepInterval(int firmware) {
  FrequencyEntryRig rig(firmware);
  rig.pressAndHold(1.0, "cmdF", 6, kLeftButton, 3.0);
  rig.runScenario(5.0);
  std::vector<double> times = rig.freqWriteTimes();
  EXPECT_GE(times.size(), 4u) << firmware;
  if (times.size() < 2) return 0;
  return (times.back() - times.front()) / static_cast<double>(times.size() - 1);
}

TEST(DigitStepping, AdaptiveFirmwareWaitsAnotherThreeTenthsPerStep) {
  double oldest = meanStepInterval(1);
  double adaptive = meanStepInterval(2);
  double nonAdaptive = meanStepInterval(3);
  EXPECT_NEAR(adaptive - oldest, 0.3, 0.01);
  EXPECT_NEAR(nonAdaptive, oldest, 0.01);
  EXPECT_LT(oldest, 0.2);  // otherwise as fast as the radio confirms
}

TEST(DigitStepping, RunEndedByAnErrorLeavesTheDigitsUsable) {
  FrequencyEntryRig rig;
  // The port goes away while the run waits for the radio's answer, and comes back.
  rig.pressAndHold(1.0, "cmdF", 4, kLeftButton, 1.0);
  rig.afterReady(1.06, [&] { rig.port.setPortOpen(false); });
  bool busyAfterError = true;
  rig.afterReady(1.5, [&] {
    busyAfterError = rig.frm.freqBusy;
    rig.port.setPortOpen(true);
  });
  rig.pressAndHold(2.5, "cmdF", 4, kLeftButton, 0.1);
  rig.runScenario(4.0);
  ASSERT_GE(rig.readyAt, 0);
  EXPECT_FALSE(busyAfterError);  // the run was still held: only the error ended it
  // The first step went out before the port went; the later press steps once more.
  EXPECT_EQ(rig.freqCommands(), (std::vector<std::string>{"F1425100", "F1425200"}));
}

TEST(ChannelStepping, StepsTheChannelDigitsWithinTheRange) {
  struct Case {
    const char* shown;
    int index;
    int button;
    const char* after;
  } cases[] = {
      {"0000000", 2, kLeftButton, "0170000"},   // never set: 1.6 MHz first, then a step up
      {"0000000", 6, kRightButton, "0160000"},  // never set: 1.6 MHz, a step down refused
      {"3100000", 6, kRightButton, "2999998"},  // 31 MHz from a status line: 29.99999 first
      {"2999999", 6, kLeftButton, "2999999"},   // at the top: unchanged
      {"0995000", 2, kLeftButton, "1005000"},   // carries: 9.95 MHz to 10.05 MHz
      {"1000000", 6, kRightButton, "0999999"},  // borrows
  };
  for (const Case& c : cases) {
    FrequencyEntryRig rig;
    size_t commandsBefore = 0;
    rig.afterReady(0.9, [&] {
      rig.setDigits("cmdChanF", c.shown);
      commandsBefore = rig.commands().size();
    });
    // One pass: the first runs at once, the release comes within the 0.25 s repeat wait.
    rig.pressAndHold(1.0, "cmdChanF", c.index, c.button, 0.1);
    size_t commandsAfter = 0;
    rig.afterReady(1.2, [&] { commandsAfter = rig.commands().size(); });
    rig.runScenario(2.0);
    ASSERT_GE(rig.readyAt, 0);
    EXPECT_EQ(rig.digits("cmdChanF"), c.after) << c.shown;
    EXPECT_EQ(commandsAfter, commandsBefore) << c.shown;  // nothing goes to the radio
    EXPECT_FALSE(rig.frm.chanBusy);
  }
}

TEST(ChannelStepping, HoldingRepeatsEveryQuarterSecond) {
  FrequencyEntryRig rig;
  rig.afterReady(0.9, [&] { rig.setDigits("cmdChanF", "1425000"); });
  // Passes at 0, 0.25, 0.5 and 0.75 s; the release at 0.9 s ends the run at 1.0 s.
  rig.pressAndHold(1.0, "cmdChanF", 5, kLeftButton, 0.9);
  std::string midway;
  rig.afterReady(1.6, [&] { midway = rig.digits("cmdChanF"); });
  rig.runScenario(3.0);
  ASSERT_GE(rig.readyAt, 0);
  EXPECT_EQ(midway, "1425030");
  EXPECT_EQ(rig.digits("cmdChanF"), "1425040");
  EXPECT_EQ(rig.radio.state.freq, 1425000);  // the radio is not tuned
}

}  // namespace

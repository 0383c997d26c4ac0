#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/panel/frequency_entry_rig.h"

namespace {

// The radio starts at 14.25 MHz: its digits are "1425000".
constexpr char kRadioDigits[] = "1425000";

/// Keys `digits` one per blink cycle, the first half a second after `start`: each key falls
/// inside its own 0.6 s cycle, whatever the few hundredths the entry takes to begin.
void keyDigits(FrequencyEntryRig& rig, double start, const std::string& digits) {
  for (size_t k = 0; k < digits.size(); ++k) {
    std::string key = "cmd" + digits.substr(k, 1);
    rig.afterReady(start + 0.5 + 0.6 * k, [&rig, key] { rig.click(key); });
  }
}

/// When the entry's first blink began (the first digit turned blank), sampled every 5 ms.
void watchBlinkStart(FrequencyEntryRig& rig, double from, double& blinkStart) {
  for (int i = 0; i < 100; ++i) {
    rig.afterReady(from + i * 0.005, [&rig, &blinkStart] {
      if (blinkStart < 0 && rig.control("cmdF", 0).caption == " ") {
        blinkStart = rig.scheduler.time();
      }
    });
  }
}

TEST(KeypadEntry, FreqBeepsAndBlinksTheDigitUnderTheCursor) {
  FrequencyEntryRig rig;
  std::vector<std::pair<double, std::string>> samples;
  int beepsBefore = -1;
  rig.afterReady(0.9, [&] { beepsBefore = rig.ui.beeps(); });
  rig.afterReady(1.0, [&] { rig.click("cmdFreq"); });
  // The first digit's caption, every 10 ms for two seconds.
  for (int i = 0; i < 200; ++i) {
    rig.afterReady(1.0 + i * 0.01, [&] {
      samples.emplace_back(rig.scheduler.time(), rig.control("cmdF", 0).caption);
    });
  }
  rig.runScenario(3.2);
  ASSERT_GE(rig.readyAt, 0);
  EXPECT_EQ(rig.ui.beeps(), beepsBefore + 1);
  // Moments at which the digit turned blank and came back.
  std::vector<double> blanked, shown;
  for (size_t i = 1; i < samples.size(); ++i) {
    if (samples[i].second == " " && samples[i - 1].second != " ")
      blanked.push_back(samples[i].first);
    if (samples[i].second != " " && samples[i - 1].second == " ") shown.push_back(samples[i].first);
  }
  ASSERT_GE(blanked.size(), 3u);
  ASSERT_GE(shown.size(), 3u);
  EXPECT_LT(blanked[0] - rig.readyAt - 1.0, 0.3);  // the entry starts on the next passes
  for (size_t i = 0; i + 1 < blanked.size(); ++i) {
    EXPECT_NEAR(blanked[i + 1] - blanked[i], 0.6, 0.011);  // one cycle
    EXPECT_NEAR(shown[i] - blanked[i], 0.3, 0.011);        // blank half of it
  }
  // Between blanks the digit shows the radio's 10 MHz digit, untouched without a key.
  for (const auto& [time, caption] : samples) {
    if (caption != " ") {
      EXPECT_EQ(caption, "1") << time;
    }
  }
  EXPECT_TRUE(rig.frm.keypadActive);  // no Enter: the entry still runs
}

TEST(KeypadEntry, KeysOverwriteInTurnAndWrapToTheFirstDigit) {
  FrequencyEntryRig rig;
  rig.afterReady(1.0, [&] { rig.click("cmdFreq"); });
  keyDigits(rig, 1.0, "0715");
  std::string afterFour;
  rig.afterReady(1.0 + 0.5 + 0.6 * 3 + 0.4, [&] { afterFour = rig.link.gKeypadFreq; });
  keyDigits(rig, 1.0 + 0.6 * 4, "0002");  // the last of eight returns to the 10 MHz digit
  rig.afterReady(1.0 + 0.6 * 8 + 0.5, [&] { rig.click("cmdEnter"); });
  rig.runScenario(8.0);
  ASSERT_GE(rig.readyAt, 0);
  // Four digits keyed: the rest keep the radio's digits.
  EXPECT_EQ(afterFour, "F0715000");
  EXPECT_EQ(rig.freqCommands(), std::vector<std::string>{"F2715000"});
  EXPECT_EQ(rig.digits("cmdF"), "2715000");  // the radio's answer, shown by the main loop
  EXPECT_FALSE(rig.frm.keypadActive);
  EXPECT_FALSE(rig.frm.freqFlag);
}

TEST(KeypadEntry, OnlyTheLaterOfTwoKeysInOneCycleIsTaken) {
  FrequencyEntryRig rig;
  double blinkStart = -1;
  rig.afterReady(1.0, [&] { rig.click("cmdFreq"); });
  watchBlinkStart(rig, 1.0, blinkStart);
  std::string taken;
  int pos = -1;
  // Both keys fall inside the first cycle, which the blink start found below confirms.
  rig.afterReady(1.3, [&] { rig.click("cmd3"); });
  rig.afterReady(1.5, [&] { rig.click("cmd4"); });
  rig.afterReady(2.0, [&] {
    taken = rig.link.gKeypadFreq;
    pos = rig.frm.keypadPos;
  });
  rig.runScenario(2.5);
  ASSERT_GE(blinkStart, 0);
  ASSERT_LT(blinkStart, rig.readyAt + 1.3);
  ASSERT_GT(blinkStart + 0.6, rig.readyAt + 1.5);
  ASSERT_LT(blinkStart + 0.6, rig.readyAt + 2.0);
  EXPECT_EQ(taken, "F4425000");
  EXPECT_EQ(pos, 1);
}

TEST(KeypadEntry, EnterSendsOnlyFrequenciesInTheRadiosRange) {
  struct Case {
    const char* keyed;
    bool sent;
  } cases[] = {
      {"0160000", true},   // 1.6 MHz, the lowest
      {"2999999", true},   // 29.99999 MHz, the highest
      {"0159999", false},  // just below
      {"3000000", false},  // 30 MHz
  };
  for (const Case& c : cases) {
    FrequencyEntryRig rig;
    std::string rightAfterEnter;
    rig.afterReady(1.0, [&] { rig.click("cmdFreq"); });
    keyDigits(rig, 1.0, c.keyed);
    double enterAt = 1.0 + 0.6 * 7 + 0.5;
    rig.afterReady(enterAt, [&] { rig.click("cmdEnter"); });
    rig.afterReady(enterAt + 0.001, [&] { rightAfterEnter = rig.digits("cmdF"); });
    rig.runScenario(enterAt + 1.0);
    ASSERT_GE(rig.readyAt, 0);
    std::vector<std::string> expected;
    if (c.sent) expected.push_back(std::string("F") + c.keyed);
    EXPECT_EQ(rig.freqCommands(), expected) << c.keyed;
    // Sent: the keyed digits stay until the radio's answer; refused: the radio's come back.
    EXPECT_EQ(rightAfterEnter, c.sent ? c.keyed : kRadioDigits) << c.keyed;
    EXPECT_EQ(rig.digits("cmdF"), c.sent ? c.keyed : kRadioDigits) << c.keyed;
    EXPECT_FALSE(rig.frm.keypadActive);
  }
}

TEST(KeypadEntry, EnterWithNoDigitKeyedSendsNothing) {
  FrequencyEntryRig rig;
  // A first entry sends 7.25 MHz.
  rig.afterReady(1.0, [&] { rig.click("cmdFreq"); });
  keyDigits(rig, 1.0, "07");
  rig.afterReady(2.9, [&] { rig.click("cmdEnter"); });
  // A key pressed between entries is not part of the next one.
  rig.afterReady(3.5, [&] { rig.click("cmd9"); });
  // The second entry ends without a key: the earlier entry must not be sent again.
  rig.afterReady(4.0, [&] { rig.click("cmdFreq"); });
  rig.afterReady(5.5, [&] { rig.click("cmdEnter"); });
  rig.runScenario(6.5);
  ASSERT_GE(rig.readyAt, 0);
  EXPECT_EQ(rig.freqCommands(), std::vector<std::string>{"F0725000"});
  EXPECT_EQ(rig.digits("cmdF"), "0725000");
  EXPECT_FALSE(rig.frm.keypadActive);
  EXPECT_FALSE(rig.frm.freqFlag);
}

TEST(KeypadEntry, EnterWithNoEntryRunningDoesNothing) {
  FrequencyEntryRig rig;
  rig.afterReady(1.0, [&] { rig.click("cmd5"); });
  rig.afterReady(1.1, [&] { rig.click("cmdEnter"); });
  rig.runScenario(2.0);
  ASSERT_GE(rig.readyAt, 0);
  EXPECT_TRUE(rig.freqCommands().empty());
  EXPECT_EQ(rig.digits("cmdF"), kRadioDigits);
  EXPECT_TRUE(rig.frm.keypadDone);
}

TEST(KeypadEntry, EnterInTheMiddleOfABlinkEndsTheEntryAtOnce) {
  FrequencyEntryRig rig;
  double blinkStart = -1;
  std::string atEnter, justAfter;
  bool activeAfter = true;
  rig.afterReady(1.0, [&] { rig.click("cmdFreq"); });
  watchBlinkStart(rig, 1.0, blinkStart);
  rig.afterReady(1.3, [&] { rig.click("cmd0"); });  // taken into the 10 MHz digit
  // In the second cycle, while the 1 MHz digit is blank: a key, then Enter.
  rig.afterReady(1.7, [&] { rig.click("cmd7"); });
  rig.afterReady(1.8, [&] {
    atEnter = rig.digits("cmdF");
    rig.click("cmdEnter");
  });
  rig.afterReady(1.801, [&] { justAfter = rig.digits("cmdF"); });
  // Once Enter's own send has settled, the entry has ended.
  rig.afterReady(1.8 + 0.201, [&] { activeAfter = rig.frm.freqFlag; });
  rig.runScenario(3.5);
  ASSERT_GE(blinkStart, 0);
  // The key and Enter came in the blank half of the second cycle.
  ASSERT_GT(rig.readyAt + 1.7, blinkStart + 0.6);
  ASSERT_LT(rig.readyAt + 1.8, blinkStart + 0.9);
  EXPECT_EQ(atEnter, "0 25000");
  EXPECT_EQ(justAfter, "0425000");              // the blanked digit is back at once
  EXPECT_FALSE(activeAfter);                    // and the entry has already ended
  EXPECT_EQ(rig.link.gKeypadFreq, "F0425000");  // the later key was not taken
  EXPECT_EQ(rig.freqCommands(), std::vector<std::string>{"F0425000"});
}

}  // namespace

// Keypad frequency entry: "Freq" blinks the digit under the cursor, keys overwrite in turn from
// the 10 MHz digit, "Enter" sends what is in the radio's range.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/panel/frequency_entry_rig.h"

namespace {

/// Schedules a script of "<seconds after ready> <key>" pairs; a key is a digit, Freq or Enter.
void play(FrequencyEntryRig& rig, const std::string& script) {
  std::istringstream in(script);
  double at;
  std::string key;
  while (in >> at >> key) rig.afterReady(at, [&rig, key] { rig.click("cmd" + key); });
}

TEST(KeypadEntry, FreqBeepsAndBlinksTheDigitUnderTheCursor) {
  FrequencyEntryRig rig;
  std::vector<double> changes;  // moments the 10 MHz digit turned blank or came back
  std::string last = "1";
  int beepsBefore = -1;
  rig.afterReady(0.9, [&] { beepsBefore = rig.ui.beeps(); });
  rig.afterReady(1.0, [&] { rig.click("cmdFreq"); });
  for (int i = 0; i < 2000; ++i) {  // every millisecond for two seconds
    rig.afterReady(1.0 + i * 0.001, [&] {
      std::string now = rig.control("cmdF", 0).caption;
      if (now != last) changes.push_back(rig.scheduler.time() - rig.readyAt - 1.0);
      EXPECT_TRUE(now == " " || now == "1") << now;  // untouched without a key
      last = now;
    });
  }
  rig.runScenario(3.2);
  ASSERT_GE(rig.readyAt, 0);
  EXPECT_EQ(rig.ui.beeps(), beepsBefore + 1);
  // Blank 0.3 s, shown 0.3 s, from the first pass after the click.
  ASSERT_EQ(changes.size(), 7u);
  EXPECT_NEAR(changes[0], 0.001, 1e-6);  // blank at the first sample after the click
  for (size_t i = 1; i < changes.size(); ++i) EXPECT_NEAR(changes[i] - changes[i - 1], 0.3, 1e-6);
  EXPECT_TRUE(rig.frm.keypadActive);  // no Enter: the entry still runs
}

TEST(KeypadEntry, ScriptsSendWhatWasKeyed) {
  struct Case {
    const char* script;  // seconds after ready, key
    std::vector<std::string> sent;
    const char* shown;  // the VFO digits at the end
  } cases[] = {
      // Four keys from the first digit, then four more wrap round to it.
      {"1 Freq 1.5 0 2.1 7 2.7 1 3.3 5 3.9 0 4.5 0 5.1 0 5.7 2 6.3 Enter", {"F2715000"}, "2715000"},
      // The range edges: 1.6 and 29.99999 MHz are sent, just below and 30 MHz are not.
      {"1 Freq 1.5 0 2.1 1 2.7 6 3.3 0 3.9 0 4.5 0 5.1 0 5.7 Enter", {"F0160000"}, "0160000"},
      {"1 Freq 1.5 2 2.1 9 2.7 9 3.3 9 3.9 9 4.5 9 5.1 9 5.7 Enter", {"F2999999"}, "2999999"},
      {"1 Freq 1.5 0 2.1 1 2.7 5 3.3 9 3.9 9 4.5 9 5.1 9 5.7 Enter", {}, "1425000"},
      {"1 Freq 1.5 3 2.1 0 2.7 0 3.3 0 3.9 0 4.5 0 5.1 0 5.7 Enter", {}, "1425000"},
      // Two keys in one blink cycle: the later is taken.
      {"1 Freq 1.3 2 1.5 0 2.3 Enter", {"F0425000"}, "0425000"},
      // Enter in the blank half of the second cycle ends the entry at once, the blank digit
      // restored; the key in that half is not taken.
      {"1 Freq 1.3 0 1.7 7 1.8 Enter", {"F0425000"}, "0425000"},
      // A second entry without a key sends nothing, nor does a key between entries count.
      {"1 Freq 1.5 0 2.1 7 2.9 Enter 3.5 9 4 Freq 5.5 Enter", {"F0725000"}, "0725000"},
      // Enter with no entry running does nothing.
      {"1 5 1.1 Enter", {}, "1425000"},
  };
  for (const Case& c : cases) {
    FrequencyEntryRig rig;
    play(rig, c.script);
    rig.runScenario(8.0);
    ASSERT_GE(rig.readyAt, 0);
    EXPECT_EQ(rig.freqCommands(), c.sent) << c.script;
    EXPECT_EQ(rig.digits("cmdF"), c.shown) << c.script;
    EXPECT_FALSE(rig.frm.keypadActive) << c.script;
  }
}

}  // namespace

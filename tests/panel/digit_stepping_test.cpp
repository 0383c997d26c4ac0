// Mouse digit stepping on the VFO and channel digits: up, down, carries, limits and repeat.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/panel/frequency_entry_rig.h"

namespace {

using ui::kLeftButton;
using ui::kMiddleButton;
using ui::kRightButton;
using Strings = std::vector<std::string>;

TEST(DigitStepping, PressesOnTheVfoDigits) {
  struct Case {
    int radioFreq;
    int index;
    int button;
    double hold;  // from the press 1.5 s after ready to the release
    std::function<void(FrequencyEntryRig&)> prepare;
    Strings sent;
    const char* shown;
  } cases[] = {
      // One step each: the release comes after it went out, before a second.
      {1425000, 3, kRightButton, 0.1, nullptr, {"F1424000"}, "1424000"},  // 10 kHz down
      {995000, 2, kLeftButton, 0.1, nullptr, {"F1005000"}, "1005000"},    // carries: 10.05 MHz
      {1000000, 6, kRightButton, 0.1, nullptr, {"F0999999"}, "0999999"},  // borrows
      {2999999, 6, kLeftButton, 0.1, nullptr, {"F2999999"}, "2999999"},   // top: resent as is
      {165000, 1, kRightButton, 0.1, nullptr, {"F0165000"}, "0165000"},   // below 1.6: as is
      {1005000, 0, kRightButton, 0.1, nullptr, {"F1005000"}, "1005000"},  // below 0: as is
      // Held 1.2 s: a pass takes 0.05 s, the answer and firmware 2's 0.3 s: three steps.
      {1425000, 4, kRightButton, 1.2, nullptr, {"F1424900", "F1424800", "F1424700"}, "1424700"},
      // The middle button resends the radio's frequency as long as it is held.
      {1425000, 2, kMiddleButton, 1.0, nullptr, Strings(3, "F1425000"), "1425000"},
      // Released within the 0.05 s settle: nothing.
      {1425000, 4, kLeftButton, 0.03, nullptr, {}, "1425000"},
      // The radio's frequency garbled, as a line with a parity error leaves it: nothing.
      {1425000,
       4,
       kLeftButton,
       1.0,
       [](FrequencyEntryRig& rig) { rig.afterReady(1.4, [&rig] { rig.link.gFreq = "F14:5000"; }); },
       {},
       "1425000"},
      // During a keypad entry: nothing.
      {1425000,
       4,
       kLeftButton,
       1.0,
       [](FrequencyEntryRig& rig) {
         rig.afterReady(1.0, [&rig] { rig.click("cmdFreq"); });
         rig.afterReady(3.0, [&rig] { rig.click("cmdEnter"); });
       },
       {},
       "1425000"},
      // A step the radio neither obeys nor answers is sent again, never stepped past; the
      // radio's own frequency is shown again.
      {1425000, 5, kLeftButton, 2.5,
       [](FrequencyEntryRig& rig) { rig.radio.faults.ignoredLetter = 'F'; }, Strings(3, "F1425010"),
       "1425000"},
  };
  for (const Case& c : cases) {
    FrequencyEntryRig rig;
    rig.radio.state.freq = c.radioFreq;
    if (c.prepare) c.prepare(rig);
    rig.pressAndHold(1.5, "cmdF", c.index, c.button, c.hold);
    rig.runScenario(5.0);
    ASSERT_GE(rig.readyAt, 0);
    EXPECT_EQ(rig.freqCommands(), c.sent) << c.radioFreq << " " << c.index << " " << c.hold;
    EXPECT_EQ(rig.digits("cmdF"), c.shown) << c.radioFreq << " " << c.index << " " << c.hold;
    EXPECT_FALSE(rig.frm.freqBusy);
  }
}

TEST(DigitStepping, AdaptiveFirmwareWaitsAnotherThreeTenthsPerStep) {
  // A pass: the 0.05 s settle, the answer at the line's speed and the read's quiet period.
  constexpr double kPass = 0.139375;
  for (auto [firmware, interval] : {std::pair{1, kPass}, {2, kPass + 0.3}, {3, kPass}}) {
    FrequencyEntryRig rig(firmware);
    rig.pressAndHold(1.0, "cmdF", 6, kLeftButton, 3.0);
    rig.runScenario(5.0);
    std::vector<double> times = rig.freqWriteTimes();
    ASSERT_GE(times.size(), 2u);
    for (size_t i = 1; i < times.size(); ++i) {
      EXPECT_NEAR(times[i] - times[i - 1], interval, 1e-6) << firmware << " " << i;
    }
  }
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
  EXPECT_EQ(rig.freqCommands(), (Strings{"F1425100", "F1425200"}));
}

TEST(ChannelStepping, StepsTheChannelDigitsWithinTheRangeAndSendsNothing) {
  struct Case {
    const char* shown;
    int index;
    int button;
    double hold;
    const char* after;
  } cases[] = {
      {"0000000", 2, kLeftButton, 0.1, "0170000"},   // never set: 1.6 MHz first, then a step
      {"0000000", 6, kRightButton, 0.1, "0160000"},  // never set: 1.6 MHz, the step refused
      {"3100000", 6, kRightButton, 0.1, "2999998"},  // 31 MHz from a status line: 29.99999
      {"2999999", 6, kLeftButton, 0.1, "2999999"},   // at the top: unchanged
      {"0995000", 2, kLeftButton, 0.1, "1005000"},   // carries: 9.95 MHz to 10.05 MHz
      {"1000000", 6, kRightButton, 0.1, "0999999"},  // borrows
      // Passes at 0, 0.25, 0.5 and 0.75 s; the release at 0.9 s ends the run.
      {"1425000", 5, kLeftButton, 0.9, "1425040"},
  };
  for (const Case& c : cases) {
    FrequencyEntryRig rig;
    auto commandsBesideKeepAlives = [&] {
      const auto& all = rig.commands();
      return all.size() - static_cast<size_t>(std::count(all.begin(), all.end(), "U"));
    };
    size_t commandsBefore = 0;
    rig.afterReady(0.9, [&] {
      rig.setDigits("cmdChanF", c.shown);
      commandsBefore = commandsBesideKeepAlives();
    });
    rig.pressAndHold(1.0, "cmdChanF", c.index, c.button, c.hold);
    size_t commandsAfter = 0;
    rig.afterReady(2.0, [&] { commandsAfter = commandsBesideKeepAlives(); });
    rig.runScenario(2.5);
    ASSERT_GE(rig.readyAt, 0);
    EXPECT_EQ(rig.digits("cmdChanF"), c.after) << c.shown;
    EXPECT_EQ(commandsAfter, commandsBefore) << c.shown;  // nothing goes to the radio
    EXPECT_FALSE(rig.frm.chanBusy);
  }
}

}  // namespace

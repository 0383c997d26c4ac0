#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/user_actions.h"
#include "tests/support/program_rig.h"

/// The whole program on a radio in REMOTE operation, with a script timed from the moment the
/// front panel is ready for frequency entry (REMOTE set-up done, digit buttons enabled), so
/// that the scenarios do not depend on how long the start-up takes.
struct FrequencyEntryRig : ProgramRig {
  explicit FrequencyEntryRig(int firmware = 2) : ProgramRig(firmware) { writePortSetup(); }

  /// Schedules action `seconds` after the panel became ready.
  void afterReady(double seconds, std::function<void()> action) {
    m_script.emplace_back(seconds, std::move(action));
  }
  /// A press of `button` on name(index) after `seconds`, released `hold` seconds later. The
  /// release is queued before the press runs its stepping loop, which it is delivered into.
  void pressAndHold(double seconds, const std::string& name, int index, int button, double hold) {
    afterReady(seconds,
               [this, name, index, button] { ui::userMouseDown(control(name, index), button); });
    afterReady(seconds + hold,
               [this, name, index, button] { ui::userMouseUp(control(name, index), button); });
  }
  /// Runs the start-up, then the script for `seconds` more.
  void runScenario(double seconds) {
    for (int i = 1; i <= 300; ++i) {
      at(i * 0.1, [this, seconds] {
        if (readyAt >= 0 || frm.panelMode != "REMOTE" || !control("cmdF", 0).enabled) return;
        readyAt = scheduler.time();
        for (auto& [dt, action] : m_script) ui.at(readyAt + dt, action);
        scheduler.setStopTime(readyAt + seconds);
      });
    }
    runFor(30.0);
  }

  /// Shows seven digits on a digit button array, as a status line would.
  void setDigits(const std::string& name, const std::string& digits) {
    for (int i = 0; i < 7; ++i) control(name, i).caption = digits.substr(i, 1);
  }
  /// The seven captions of a digit button array, joined.
  std::string digits(const std::string& name) {
    std::string text;
    for (int i = 0; i < 7; ++i) text += control(name, i).caption;
    return text;
  }
  /// The frequency commands the radio received, in order.
  std::vector<std::string> freqCommands() const {
    std::vector<std::string> found;
    for (const std::string& c : commands()) {
      if (!c.empty() && c[0] == 'F') found.push_back(c);
    }
    return found;
  }
  /// Times (seconds since midnight) of the frequency commands the program wrote.
  std::vector<double> freqWriteTimes() const {
    std::vector<double> times;
    for (const auto& w : port.writes()) {
      if (!w.bytes.empty() && w.bytes[0] == 'F') times.push_back(w.time);
    }
    return times;
  }

  double readyAt = -1;  // virtual time at which the panel became ready

 private:
  std::vector<std::pair<double, std::function<void()>>> m_script;
};

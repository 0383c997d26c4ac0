// Small helpers for scenarios on the whole program: what the radio received, when the
// program wrote something, and clicking a button the way a user does once it is live.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/program_rig.h"

namespace panel_script {

/// The panel is in REMOTE operation well before this many seconds after the start.
constexpr double kReady = 8.0;

inline int count(const std::vector<std::string>& items, const std::string& item) {
  return static_cast<int>(std::count(items.begin(), items.end(), item));
}

/// The commands the radio received from index `from` of its log on.
inline std::vector<std::string> commandsFrom(const ProgramRig& rig, size_t from) {
  const auto& log = rig.commands();
  return {log.begin() + static_cast<long>(std::min(from, log.size())), log.end()};
}

/// Times (seconds since the start) at which the program wrote exactly `bytes`.
inline std::vector<double> writeTimes(const ProgramRig& rig, const std::string& bytes) {
  std::vector<double> times;
  for (const auto& w : rig.port.writes()) {
    if (w.bytes == bytes) times.push_back(w.time - rig.start);
  }
  return times;
}

/// Makes a control of the main window live (it and its containers visible and enabled, as
/// the REMOTE set-up leaves them) and clicks it.
inline void press(ProgramRig& rig, const std::string& name, int index = -1) {
  for (ui::Control* c = &rig.control(name, index); c != nullptr; c = c->container()) {
    c->visible = true;
    c->enabled = true;
  }
  EXPECT_TRUE(rig.click(name, index)) << name;
}

}  // namespace panel_script

// Helpers for scenarios on the whole program: a program that reaches REMOTE operation by
// itself, what the radio received, when the program wrote something, and clicking a button
// the way a user does once it is live.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/program_rig.h"

namespace panel_script {

/// The panel is in REMOTE operation well before this many seconds after the start.
constexpr double kReady = 8.0;

/// The whole program with its PortSetup.txt written: it reaches REMOTE operation by itself.
struct Rig : ProgramRig {
  explicit Rig(int firmware = 2) : ProgramRig(firmware) { writePortSetup(); }
};

inline int count(const std::vector<std::string>& items, const std::string& item) {
  return static_cast<int>(std::count(items.begin(), items.end(), item));
}

/// The commands the radio received from index `from` of its log on, keep-alives left out
/// unless asked for.
inline std::vector<std::string> commandsFrom(const ProgramRig& rig, size_t from,
                                             bool keepAlives = true) {
  std::vector<std::string> found;
  const auto& log = rig.commands();
  for (size_t i = from; i < log.size(); ++i) {
    if (keepAlives || (log[i] != "U" && log[i] != "K" && log[i] != " ")) found.push_back(log[i]);
  }
  return found;
}

/// Everything written since the last clearWrites, without the keep-alive characters.
inline std::string sentBytes(const ProgramRig& rig) {
  std::string bytes;
  for (const auto& w : rig.port.writes()) {
    if (w.bytes != "U") bytes += w.bytes;
  }
  return bytes;
}

/// Times (seconds since the start) at which the program wrote exactly `bytes`.
inline std::vector<double> writeTimes(const ProgramRig& rig, const std::string& bytes) {
  std::vector<double> times;
  for (const auto& w : rig.port.writes()) {
    if (w.bytes == bytes) times.push_back(w.time - rig.start);
  }
  return times;
}

/// Samples a caption every 50 ms up to `until` seconds; `seen` turns true once it shows `text`.
inline void watchCaption(ProgramRig& rig, const std::string& name, const std::string& text,
                         double until, bool& seen) {
  for (double t = 0.05; t < until; t += 0.05) {
    rig.at(t, [&rig, &seen, name, text] { seen = seen || rig.control(name).caption == text; });
  }
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

/// The radio goes LOCAL under its own front panel and says so.
inline void radioGoesLocal(ProgramRig& rig) {
  for (const RadioReply& r : rig.radio.switchRemote(false)) rig.port.deliver(r);
}

}  // namespace panel_script

// What the program wrote to the radio, and when, as one comparable text.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/program_rig.h"

/// The items joined by blanks.
inline std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : " ") + item;
  return text;
}

/// The writes from `from` seconds after the start on, each as "bytes@seconds" (to the
/// millisecond, the closing line feed dropped), joined by blanks; writes equal to `skip` are
/// left out.
inline std::string timedWrites(const ProgramRig& rig, double from = 0,
                               const std::string& skip = "U") {
  std::vector<std::string> found;
  for (const auto& w : rig.port.writes()) {
    double t = w.time - rig.start;
    if (t < -1.0) t += 86400.0;  // written after midnight
    if (t < from - 1e-6 || w.bytes == skip) continue;
    std::string bytes = w.bytes.back() == '\n' ? w.bytes.substr(0, w.bytes.size() - 1) : w.bytes;
    char when[32];
    int length = std::snprintf(when, sizeof when, "@%.3f", t + 1e-6);
    if (when[length - 1] == '0') when[length - 1] = '\0';  // "8.00" for 8 s, "8.275" as it is
    found.push_back(bytes + when);
  }
  return joined(found);
}

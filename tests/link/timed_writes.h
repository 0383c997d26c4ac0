// What the program wrote to the radio and when, as texts that a table states whole: "0.36 M2\n".
#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/sim_serial_port.h"

/// Seconds to the microsecond without trailing zeros: "0", "0.36", "7.480001".
inline std::string seconds(double t) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", t);
  std::string s = text;
  s.erase(s.find_last_not_of('0') + 1);
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

/// The port's writes from `start` (seconds since midnight) on, also across midnight, each as
/// "t bytes" with t counted from `start`; the keep-alives "U" and " " only when asked for.
inline std::vector<std::string> timedWrites(const SimSerialPort& port, double start,
                                            bool keepAlives = true) {
  std::vector<std::string> found;
  for (const SimSerialPort::Write& w : port.writes()) {
    double t = w.time - start;
    if (t < -43200) t += 86400;  // written after midnight
    bool keepAlive = w.bytes == "U" || w.bytes == " ";
    if (t > -1e-9 && (keepAlives || !keepAlive)) found.push_back(seconds(t) + " " + w.bytes);
  }
  return found;
}

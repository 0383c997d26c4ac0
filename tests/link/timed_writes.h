#pragma once
#include <cmath>
#include <cstdio>
#include <string>

#include "tests/support/link_rig.h"

/// Everything written to the line since `start` (seconds since midnight), each write as its
/// offset to the millisecond, also across midnight, and its bytes, joined by "|":
/// "0.000 M\n|0.360 '".
inline std::string timedWrites(const LinkRig& rig, double start) {
  std::string out;
  for (const SimSerialPort::Write& w : rig.port.writes()) {
    char offset[32];
    std::snprintf(offset, sizeof offset, "%.3f ", std::fmod(w.time - start + 86400, 86400));
    out += (out.empty() ? "" : "|") + std::string(offset) + w.bytes;
  }
  return out;
}

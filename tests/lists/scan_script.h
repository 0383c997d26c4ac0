// Helpers for the scanner and band sweep scenarios: the whole program reaches REMOTE, the
// scan menu opens the window, and the script drives the window's controls as a user does.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/user_actions.h"
#include "tests/support/program_rig.h"

namespace scan_script {

/// REMOTE operation is reached well before this (seconds after the start).
constexpr double kOpen = 7.0;
/// The scan menu has switched the PTT enable off and the window is open by then.
constexpr double kReady = 8.0;

/// One write of the program, seconds after the start.
struct Sent {
  double time;
  std::string bytes;
};

/// What the program wrote from `from` seconds on, leaving out the keep-alive "U".
inline std::vector<Sent> sentFrom(const ProgramRig& rig, double from, bool keepAlives = false) {
  std::vector<Sent> sent;
  for (const auto& w : rig.port.writes()) {
    double t = w.time - rig.start;
    if (t >= from && (keepAlives || w.bytes != "U")) sent.push_back({t, w.bytes});
  }
  return sent;
}

inline std::vector<std::string> bytesOf(const std::vector<Sent>& sent) {
  std::vector<std::string> bytes;
  for (const Sent& s : sent) bytes.push_back(s.bytes);
  return bytes;
}

/// Times of the keep-alive "U" from `from` to `to` seconds.
inline std::vector<double> keepAlives(const ProgramRig& rig, double from, double to) {
  std::vector<double> times;
  for (const Sent& s : sentFrom(rig, from, true)) {
    if (s.bytes == "U" && s.time <= to) times.push_back(s.time);
  }
  return times;
}

/// The largest gap between consecutive times.
inline double largestGap(const std::vector<double>& times) {
  double gap = 0;
  for (size_t i = 1; i < times.size(); ++i) gap = std::max(gap, times[i] - times[i - 1]);
  return gap;
}

/// The radio goes LOCAL under its own front panel and says so.
inline void radioGoesLocal(ProgramRig& rig) {
  for (const RadioReply& r : rig.radio.switchRemote(false)) rig.port.deliver(r);
}

/// A scan window of the program, or nullptr when none of that name is open.
inline ui::Form* window(ProgramRig& rig, const std::string& name) {
  return rig.ui.findForm(name);
}

/// The whole program with the scanner opened from its menu once REMOTE is reached.
struct ScannerRig {
  ScannerRig() {
    rig.writePortSetup();
    rig.at(kOpen, [this] { rig.frm.mnuScanFreqs_Click(); });
  }

  ui::Control& c(const std::string& name, int index = -1) {
    return rig.ui.control("frmScanFreqs", name, index);
  }
  void setRow(int row, const std::string& freq, const std::string& mode, const std::string& info,
              bool checked = true) {
    ui::userSetText(c("txtFreq", row), freq);
    ui::userSetText(c("txtMode", row), mode);
    ui::userSetText(c("txtInfo", row), info);
    if (checked) ui::userToggleCheck(c("Check1", row));
  }
  /// Starts the scan with the keep-alive due, so that each run sends the same.
  void scan() {
    rig.link.gLastSyncTime = rig.link.now() - 3.0;
    EXPECT_TRUE(ui::userClick(c("cmdScan")));
  }
  void closeAt(double t) {
    rig.at(t, [this] { window(rig, "frmScanFreqs")->close(); });
  }
  std::string digits() {
    std::string s;
    for (int i = 0; i < 7; ++i) s += rig.control("cmdF", i).caption;
    return s;
  }

  ProgramRig rig;
};

}  // namespace scan_script

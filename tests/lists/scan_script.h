// Helpers for the scenarios of the list windows (band list, scanner, band sweep): the whole
// program reaches REMOTE, a button or menu opens the window, and the script drives the
// window's controls as a user does.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/user_actions.h"
#include "tests/panel/panel_script.h"

namespace scan_script {

using panel_script::commandsFrom;
using panel_script::radioGoesLocal;

/// REMOTE operation is reached well before this (seconds after the start): the window opens.
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

/// Times of the writes of exactly `bytes` from `from` to `to` seconds.
inline std::vector<double> timesOf(const ProgramRig& rig, const std::string& bytes, double from,
                                   double to) {
  std::vector<double> times;
  for (const Sent& s : sentFrom(rig, from, true)) {
    if (s.bytes == bytes && s.time <= to) times.push_back(s.time);
  }
  return times;
}

/// Times of the keep-alive "U" from `from` to `to` seconds.
inline std::vector<double> keepAlives(const ProgramRig& rig, double from, double to) {
  return timesOf(rig, "U", from, to);
}

/// The largest gap between consecutive times.
inline double largestGap(const std::vector<double>& times) {
  double gap = 0;
  for (size_t i = 1; i < times.size(); ++i) gap = std::max(gap, times[i] - times[i - 1]);
  return gap;
}

/// The whole program with the window `formName` opened by `open` at kOpen.
struct WindowRig {
  WindowRig(const std::string& formName, std::function<void(ProgramRig&)> open, int firmware = 2)
      : rig(firmware), name(formName) {
    rig.at(kOpen, [this, open] { open(rig); });
  }
  ui::Control& c(const std::string& control, int index = -1) {
    return rig.ui.control(name, control, index);
  }
  ui::Form* window() { return rig.ui.findForm(name); }
  void click(const std::string& control, int index = -1) {
    EXPECT_TRUE(ui::userClick(c(control, index))) << control;
  }
  void closeAt(double t) {
    rig.at(t, [this] { window()->close(); });
  }
  /// The texts of row k: frequency, mode and information.
  std::vector<std::string> row(int k) {
    return {c("txtFreq", k).caption, c("txtMode", k).caption, c("txtInfo", k).caption};
  }
  /// The frequency texts of the first n rows.
  std::vector<std::string> freqs(int n) {
    std::vector<std::string> texts;
    for (int k = 0; k < n; ++k) texts.push_back(c("txtFreq", k).caption);
    return texts;
  }

  panel_script::Rig rig;
  std::string name;
};

/// The scanner opened from its menu.
struct ScannerRig : WindowRig {
  ScannerRig() : WindowRig("frmScanFreqs", [](ProgramRig& r) { r.frm.mnuScanFreqs_Click(); }) {}

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
    click("cmdScan");
  }
  std::string digits() {
    std::string s;
    for (int i = 0; i < 7; ++i) s += rig.control("cmdF", i).caption;
    return s;
  }
};

}  // namespace scan_script

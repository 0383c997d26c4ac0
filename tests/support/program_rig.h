#pragma once
#include <functional>
#include <memory>
#include <string>

#include "panel/frmZarvin.h"
#include "tests/support/headless_platform.h"

/// The whole program on the headless platform: the main window with its real child windows,
/// a simulated radio on port 1 and a temporary working folder. A scenario schedules its
/// script with at() and then runs the load event with runFor() or runUntilEnd().
struct ProgramRig : HeadlessPlatform {
  explicit ProgramRig(int firmware = 2, double startSeconds = 36000.0);

  /// Writes PortSetup.txt naming port 1 at 9600 baud with the given handshake name.
  void writePortSetup(const std::string& handshake = "comNone");
  /// Schedules a scripted action `seconds` after the start.
  void at(double seconds, std::function<void()> action);
  /// Runs the program for `seconds`; returns true when it ended by itself (shutdown).
  bool runFor(double seconds);
  /// Seconds since the start.
  double elapsed() const { return scheduler.time() - start; }
  /// The commands the radio received, in order (without their LF).
  const std::vector<std::string>& commands() const { return radio.commandLog; }

  ui::Control& control(const std::string& name, int index = -1) {
    return ui.control("frmZarvin", name, index);
  }
  /// Clicks a control of the main window (ignored when it cannot be reached).
  bool click(const std::string& name, int index = -1);
  /// A setup dialog loaded and shown over the disabled panel, as its menu opens it (the
  /// program's own load event not run).
  template <typename Dialog>
  std::unique_ptr<Dialog> openDialog() {
    frm.form.enabled = false;
    auto dialog = std::make_unique<Dialog>(platform, link, frm);
    dialog->Form_Load();
    dialog->form.show();
    return dialog;
  }

  double start;
  frmZarvin frm{platform};
  DisplayZarvinStatus& link = frm.link;
};

#pragma once
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

/// The real program end to end: build/radiosim on a pseudo-terminal (logging every command it
/// receives) and build/zarvin in a fresh working folder whose COM1 links to it, on the test's
/// X display. Both are stopped when the harness goes.
class ProgramHarness {
 public:
  ProgramHarness();
  ~ProgramHarness();
  ProgramHarness(const ProgramHarness&) = delete;
  ProgramHarness& operator=(const ProgramHarness&) = delete;

  /// Starts the program in the working folder.
  void startProgram();
  /// Ends the simulated radio, which removes its COM1 link; startRadio() starts a new one
  /// under the same name, logging on into the same file.
  void stopRadio();
  void startRadio();
  /// Waits (really) until cond holds or the time passes; returns cond's last value.
  static bool waitFor(const std::function<bool()>& cond, double seconds);
  /// The commands the radio has received so far, one per entry.
  std::vector<std::string> commands() const;
  /// The main window's X window id, or "" when it is not shown (yet).
  std::string mainWindow() const;
  /// Runs an xdotool command line (arguments after "xdotool"); true on success.
  static bool xdotool(const std::string& arguments);
  /// Saves the main window as a PNG; true when the file was written.
  bool screenshot(const std::string& pngPath) const;
  /// Waits for the program to end; its exit code, or -1 when it is still running.
  int waitForExit(double seconds);

  pid_t programPid() const { return m_program; }

 private:
  TempFolder m_folder;
  std::vector<std::string> m_radioArgv;
  pid_t m_radio = -1;
  pid_t m_program = -1;
};

#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/ui.h"
#include "tests/support/scheduler.h"

/// The window services of the tests: nothing is drawn; scripted user actions run as window
/// events on the virtual clock, timers tick on it, message boxes are recorded and answered.
class HeadlessUi final : public ui::Ui {
 public:
  HeadlessUi(Scheduler& scheduler, std::string folder)
      : m_scheduler(scheduler), m_folder(std::move(folder)) {}

  // ---- ui::Ui
  void doEvents(double maxSeconds) override;
  void post(std::function<void()> action) override {
    m_scheduler.atWindow(m_scheduler.time(), std::move(action));
  }
  void messageBox(const std::string& text) override;
  void beep() override { ++m_beeps; }
  int screenWidth() override { return m_screenWidth; }
  int screenHeight() override { return m_screenHeight; }
  std::string currentFolder() override { return m_folder; }
  void showHelp(const std::string& fileName) override { m_helpShown.push_back(fileName); }

  // ---- What happened.
  const std::vector<std::string>& messageBoxes() const { return m_messages; }
  int beeps() const { return m_beeps; }
  const std::vector<std::string>& helpShown() const { return m_helpShown; }

  /// Message boxes stay open this long (virtual seconds, running events) before OK.
  void holdMessageBoxes(double seconds) { m_messageHold = seconds; }
  /// Called with the longest wait that each doEvents is allowed.
  std::function<void(double maxSeconds)> onDoEvents;
  /// Called with each message box's text while it is open.
  std::function<void(const std::string&)> onMessageBox;
  void setScreenSize(int widthTwips, int heightTwips) {
    m_screenWidth = widthTwips;
    m_screenHeight = heightTwips;
  }

  // ---- Scripted input: schedule `action` as a window event at absolute virtual time t.
  void at(double t, std::function<void()> action) { m_scheduler.atWindow(t, std::move(action)); }
  /// The control `name(index)` of the form `formName`; throws when missing.
  ui::Control& control(const std::string& formName, const std::string& name, int index = -1);

 protected:
  void formRemoved(ui::Form& form) override;

 private:
  void runEvents(double maxSeconds);
  void syncTimers();
  bool runDueTimer();
  double nextTimerTime() const;

  Scheduler& m_scheduler;
  std::string m_folder;
  std::vector<std::string> m_messages;
  std::vector<std::string> m_helpShown;
  int m_beeps = 0;
  double m_messageHold = 0.0;
  int m_screenWidth = 1280 * 15;
  int m_screenHeight = 1024 * 15;
  std::map<ui::Control*, double> m_timers;  // next tick of each running timer
  std::set<ui::Control*> m_busyTimers;      // timers whose handler runs now
};

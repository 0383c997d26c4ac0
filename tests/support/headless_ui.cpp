#include "tests/support/headless_ui.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

void HeadlessUi::doEvents(double maxSeconds) {
  if (onDoEvents) onDoEvents(maxSeconds);
  serveEndRequest();
  runEvents(maxSeconds);
  // A request raised by one of the events (a signal's stand-in) is served before the wait
  // returns, as the real platform serves it after its sleep.
  serveEndRequest();
}

void HeadlessUi::runEvents(double maxSeconds) {
  syncTimers();
  bool ran = false;
  while (m_scheduler.runDue(false) || m_scheduler.runDue(true) || runDueTimer()) {
    ran = true;
    syncTimers();
  }
  if (ran) return;
  // Nothing was due: sleep until the next event of any kind, at most maxSeconds.
  double limit = m_scheduler.time() + std::max(maxSeconds, Scheduler::kMinStep);
  limit = std::min({limit, m_scheduler.nextEventTime(true), nextTimerTime()});
  if (m_scheduler.advanceToNextDeviceEvent(limit)) return;
  while (m_scheduler.runDue(true) || runDueTimer()) syncTimers();
}

void HeadlessUi::messageBox(const std::string& text) {
  m_messages.push_back(text);
  if (onMessageBox) onMessageBox(text);
  double until = m_scheduler.time() + m_messageHold;
  while (m_scheduler.time() < until) doEvents(until - m_scheduler.time());
}

ui::Control& HeadlessUi::control(const std::string& formName, const std::string& name, int index) {
  ui::Form* form = findForm(formName);
  if (form == nullptr) throw std::out_of_range("no form " + formName);
  return form->get(name, index);
}

void HeadlessUi::formRemoved(ui::Form& form) {
  for (auto it = m_timers.begin(); it != m_timers.end();) {
    it = &it->first->form() == &form ? m_timers.erase(it) : std::next(it);
  }
}

void HeadlessUi::syncTimers() {
  for (ui::Form* form : forms()) {
    for (const auto& c : form->controls()) {
      if (c->kind() != ui::Kind::Timer) continue;
      bool running = c->enabled && c->interval > 0 && form->visible && !form->unloaded();
      // Enabled again or given a new interval since the last look: the count starts afresh,
      // and a tick that was due before is dropped, as on the real platform.
      bool restart = c->takeChange();
      auto it = m_timers.find(c.get());
      if (!running && it != m_timers.end()) m_timers.erase(it);
      if (running && (it == m_timers.end() || restart)) {
        m_timers[c.get()] = m_scheduler.time() + c->interval / 1000.0;
      }
    }
  }
}

double HeadlessUi::nextTimerTime() const {
  double next = std::numeric_limits<double>::infinity();
  for (const auto& [control, due] : m_timers) {
    if (m_busyTimers.count(control) == 0) next = std::min(next, due);
  }
  return next;
}

bool HeadlessUi::runDueTimer() {
  for (auto& [control, due] : m_timers) {
    // A tick whose handler is still running (inside a wait) is not started again.
    if (due > m_scheduler.time() || m_busyTimers.count(control) > 0) continue;
    due = m_scheduler.time() + control->interval / 1000.0;
    ui::Control* ticking = control;
    m_busyTimers.insert(ticking);
    try {
      if (ticking->onTimer) ticking->onTimer();
    } catch (...) {
      m_busyTimers.erase(ticking);
      throw;
    }
    m_busyTimers.erase(ticking);
    return true;
  }
  return false;
}

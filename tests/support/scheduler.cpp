#include "tests/support/scheduler.h"

#include <cmath>
#include <limits>

void Scheduler::add(double t, Action action, bool window) {
  m_events.emplace(Key{t < m_time ? m_time : t, m_seq++}, Entry{std::move(action), window});
}

double Scheduler::nextEventTime(bool includeWindow) const {
  for (const auto& [key, entry] : m_events) {
    if (includeWindow || !entry.window) return key.time;
  }
  return std::numeric_limits<double>::infinity();
}

bool Scheduler::runDue(bool window) {
  for (auto it = m_events.begin(); it != m_events.end() && it->first.time <= m_time; ++it) {
    if (it->second.window != window) continue;
    Action action = std::move(it->second.action);
    m_events.erase(it);
    action();
    return true;
  }
  return false;
}

void Scheduler::setTime(double t) {
  if (t >= m_stopTime) {
    m_time = m_stopTime;
    throw StopRun{};
  }
  if (t > m_time) m_time = t;
}

void Scheduler::advanceTo(double t) {
  while (advanceToNextDeviceEvent(t)) {
  }
}

bool Scheduler::advanceToNextDeviceEvent(double limit) {
  if (runDue(false)) return true;
  double next = nextEventTime(false);
  if (next > limit) {
    setTime(limit);
    return false;
  }
  setTime(next);
  runDue(false);
  return true;
}

double VirtualClock::now() { return std::fmod(m_scheduler.time(), 86400.0); }

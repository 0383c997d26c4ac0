#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <utility>

#include "platform/clock.h"

/// Thrown when virtual time reaches the scenario's stop time. Not a run-time error: the
/// program's own error handling never catches it.
struct StopRun {};

/// Owns virtual time. Device events (bytes arriving, line events) happen whenever time
/// passes; window events (scripted clicks, typing, closing, timer ticks) only inside doEvents.
class Scheduler {
 public:
  using Action = std::function<void()>;

  explicit Scheduler(double startSeconds = 36000.0) : m_time(startSeconds) {}

  /// Absolute virtual time; grows past 86400 (the clock wraps it).
  double time() const { return m_time; }
  void atDevice(double t, Action action) { add(t, std::move(action), false); }
  void atWindow(double t, Action action) { add(t, std::move(action), true); }
  void afterDevice(double dt, Action action) { atDevice(m_time + dt, std::move(action)); }

  /// Time of the next event of either kind (window ones only when asked), or a huge value.
  double nextEventTime(bool includeWindow) const;
  /// Runs one due event (time <= now) of the kind asked; false when none is due.
  bool runDue(bool window);
  /// Moves time forward to t, running every device event on the way, in order.
  void advanceTo(double t);
  /// Moves time forward to the next device event (if before t) and runs it; else to t.
  /// Returns whether an event ran.
  bool advanceToNextDeviceEvent(double limit);

  /// The smallest step time takes, so that a wait for a remainder that rounds away still
  /// ends (36000 + 1e-12 is 36000 in a double).
  static constexpr double kMinStep = 1e-7;

  void setStopTime(double t) { m_stopTime = t; }

 private:
  struct Key {
    double time;
    std::uint64_t seq;
    bool operator<(const Key& o) const { return time < o.time || (time == o.time && seq < o.seq); }
  };
  struct Entry {
    Action action;
    bool window;
  };
  void add(double t, Action action, bool window);
  void setTime(double t);

  double m_time;
  double m_stopTime = 1e18;
  std::uint64_t m_seq = 0;
  std::map<Key, Entry> m_events;
};

/// The clock the program sees in tests: seconds since midnight of the virtual time.
class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(Scheduler& scheduler) : m_scheduler(scheduler) {}
  double now() override;

 private:
  Scheduler& m_scheduler;
};

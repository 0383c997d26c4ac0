#pragma once
#include <memory>

#include "platform/ui/control.h"
#include "platform/ui/fltk/event_queue.h"

namespace ui::fltk {

/// Runs a timer control: every interval milliseconds while it is enabled and its form is shown,
/// a tick is queued for onTimer. One tick at a time: none is queued while one waits in the
/// queue or runs (its handler may yield, and the next tick must not run inside it), and a
/// tick queued before the timer was disabled is dropped, also when it was enabled again since.
class TimerView {
 public:
  TimerView(Control& timer, EventQueue& events);
  ~TimerView();
  TimerView(const TimerView&) = delete;
  TimerView& operator=(const TimerView&) = delete;

  void sync(bool formShown);

 private:
  // Shared with the queued tick, which may still be running when the view goes.
  struct TickState {
    bool queued = false;
    bool running = false;
    unsigned stops = 0;  // a tick queued before the last stop is stale
  };

  static void onTimeout(void* view);
  void tick();
  static void runTick(Control& timer, TickState& state, unsigned stops);
  void start();
  void stop();

  Control& m_timer;
  EventQueue& m_events;
  bool m_running = false;
  int m_interval = 0;
  std::shared_ptr<TickState> m_state = std::make_shared<TickState>();
};

}  // namespace ui::fltk

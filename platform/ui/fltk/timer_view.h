#pragma once
#include "platform/ui/control.h"
#include "platform/ui/fltk/event_queue.h"

namespace ui::fltk {

/// Runs a timer control: every interval milliseconds while it is enabled and its form is shown,
/// a tick is queued for onTimer. Ticks do not pile up: while one waits in the queue, the next
/// ones are skipped.
class TimerView {
 public:
  TimerView(Control& timer, EventQueue& events);
  ~TimerView();
  TimerView(const TimerView&) = delete;
  TimerView& operator=(const TimerView&) = delete;

  void sync(bool formShown);

 private:
  static void onTimeout(void* view);
  void tick();
  void start();
  void stop();

  Control& m_timer;
  EventQueue& m_events;
  bool m_running = false;
  int m_interval = 0;
  bool m_tickQueued = false;
};

}  // namespace ui::fltk

#include "platform/ui/fltk/timer_view.h"

#include <FL/Fl.H>

#include "platform/ui/form.h"

namespace ui::fltk {

TimerView::TimerView(Control& timer, EventQueue& events) : m_timer(timer), m_events(events) {}

TimerView::~TimerView() {
  stop();
}

void TimerView::sync(bool formShown) {
  // Enabled again or given a new interval since the last look: the count starts afresh.
  bool restart = m_timer.takeChange();
  bool wanted = formShown && m_timer.enabled && m_timer.interval > 0;
  if (!wanted) {
    stop();
  } else if (!m_running || restart) {
    stop();
    start();
  }
}

void TimerView::start() {
  m_interval = m_timer.interval;
  m_running = true;
  Fl::add_timeout(m_interval / 1000.0, &TimerView::onTimeout, this);
}

void TimerView::stop() {
  if (!m_running) return;
  Fl::remove_timeout(&TimerView::onTimeout, this);
  m_running = false;
  ++m_state->stops;
}

void TimerView::onTimeout(void* view) {
  static_cast<TimerView*>(view)->tick();
}

void TimerView::tick() {
  Fl::repeat_timeout(m_interval / 1000.0, &TimerView::onTimeout, this);
  if (m_state->queued || m_state->running) return;
  m_state->queued = true;
  m_events.post(m_timer.form(), [&timer = m_timer, state = m_state, stops = m_state->stops] {
    runTick(timer, *state, stops);
  });
}

void TimerView::runTick(Control& timer, TickState& state, unsigned stops) {
  state.queued = false;
  // Disabled since it was queued, even if only for a moment: the tick is dropped.
  if (state.stops != stops || !timer.enabled || timer.enabled.changed() || !timer.onTimer) return;
  struct Running {
    TickState& state;
    explicit Running(TickState& s) : state(s) { state.running = true; }
    ~Running() { state.running = false; }
  } running(state);
  timer.onTimer();
}

}  // namespace ui::fltk

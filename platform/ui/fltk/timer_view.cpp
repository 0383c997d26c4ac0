#include "platform/ui/fltk/timer_view.h"

#include <FL/Fl.H>

#include "platform/ui/form.h"

namespace ui::fltk {

TimerView::TimerView(Control& timer, EventQueue& events) : m_timer(timer), m_events(events) {}

TimerView::~TimerView() {
  stop();
}

void TimerView::sync(bool formShown) {
  bool wanted = formShown && m_timer.enabled && m_timer.interval > 0;
  if (!wanted) {
    stop();
  } else if (!m_running || m_interval != m_timer.interval) {
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
}

void TimerView::onTimeout(void* view) {
  static_cast<TimerView*>(view)->tick();
}

void TimerView::tick() {
  Fl::repeat_timeout(m_interval / 1000.0, &TimerView::onTimeout, this);
  if (m_tickQueued) return;
  m_tickQueued = true;
  m_events.post(m_timer.form(), [this] {
    m_tickQueued = false;
    if (m_timer.enabled && m_timer.onTimer) m_timer.onTimer();
  });
}

}  // namespace ui::fltk

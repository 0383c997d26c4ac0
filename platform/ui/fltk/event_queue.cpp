#include "platform/ui/fltk/event_queue.h"

#include <algorithm>
#include <utility>

namespace ui::fltk {

void EventQueue::post(const Form& form, std::function<void()> action) {
  m_pending.push_back({&form, std::move(action)});
}

bool EventQueue::runNext() {
  if (m_pending.empty()) return false;
  std::function<void()> action = std::move(m_pending.front().action);
  m_pending.pop_front();
  action();
  return true;
}

void EventQueue::dropFor(const Form& form) {
  m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(),
                                 [&form](const Pending& p) { return p.form == &form; }),
                  m_pending.end());
}

}  // namespace ui::fltk

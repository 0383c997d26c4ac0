#pragma once
#include <deque>
#include <functional>

namespace ui {
class Form;
}

namespace ui::fltk {

/// User actions recorded by widget callbacks, run later by doEvents outside of FLTK's event
/// handling. The program's event code may itself wait for events (a press runs a loop until
/// the release arrives) and may throw; neither may happen inside an FLTK callback.
class EventQueue {
 public:
  void post(const Form& form, std::function<void()> action);
  /// An action of no form: kept until it has run.
  void post(std::function<void()> action) { m_pending.push_back({nullptr, std::move(action)}); }
  /// Runs the oldest action; false when none was waiting. The action leaves the queue before
  /// it runs, so a nested doEvents inside it goes on with the ones after it.
  bool runNext();
  /// Forgets the actions of a form that is going away.
  void dropFor(const Form& form);
  bool empty() const { return m_pending.empty(); }

 private:
  struct Pending {
    const Form* form;
    std::function<void()> action;
  };
  std::deque<Pending> m_pending;
};

}  // namespace ui::fltk

#include "platform/ui/form.h"

#include <stdexcept>
#include <utility>

#include "platform/ui/ui.h"

namespace ui {

Form::Form(Ui& ui, std::string name) : m_ui(ui), m_name(std::move(name)) { m_ui.registerForm(*this); }

Form::~Form() { m_ui.unregisterForm(*this); }

Control& Form::add(Kind kind, const std::string& name, int index, Control* container) {
  if (find(name, index) != nullptr) throw std::logic_error("duplicate control " + name);
  m_controls.push_back(std::make_unique<Control>(*this, kind, name, index, container));
  return *m_controls.back();
}

Control* Form::find(const std::string& name, int index) const {
  for (const auto& c : m_controls) {
    if (c->name() == name && c->index() == index) return c.get();
  }
  return nullptr;
}

Control& Form::get(const std::string& name, int index) const {
  Control* c = find(name, index);
  if (c == nullptr) {
    throw std::out_of_range(m_name + " has no control " + name + "(" + std::to_string(index) + ")");
  }
  return *c;
}

void Form::showModal() {
  visible = true;
  while (visible && !m_unloaded) m_ui.doEvents(kNoTimeLimit);  // only an event hides it
}

void Form::close() {
  bool cancel = false;
  if (onQueryUnload) onQueryUnload(cancel);
  if (!cancel) unload();
}

void Form::unload() {
  if (m_unloaded) return;
  visible = false;
  m_unloaded = true;
  if (onUnload) onUnload();
}

void Form::setFocus(Control& c) {
  m_focus = &c;
  m_focusToMove = true;
}

void Form::noteFocus(Control& c) {
  m_focus = &c;
  m_focusToMove = false;
}

Control* Form::takeFocusMove() {
  return std::exchange(m_focusToMove, false) ? m_focus : nullptr;
}

}  // namespace ui

#include "platform/ui/control.h"

#include "platform/ui/form.h"

namespace ui {

Control::Control(Form& form, Kind kind, std::string name, int index, Control* container)
    : m_form(form), m_kind(kind), m_name(std::move(name)), m_index(index), m_container(container) {}

std::string Control::fullName() const {
  if (m_index < 0) return m_name;
  return m_name + "(" + std::to_string(m_index) + ")";
}

bool Control::takeChange() {
  ChangeMark* marks[] = {&caption,   &enabled,   &visible,      &tabStop,     &foreColor,
                         &backColor, &fillColor, &font,         &toolTip,     &value,
                         &min,       &max,       &smallChange,  &largeChange, &left,
                         &top,       &width,     &height,       &lineWidth,   &shape,
                         &alignment, &items,     &editableText, &interval};
  bool changed = false;
  for (ChangeMark* mark : marks) changed = mark->take() || changed;
  return changed;
}

bool Control::reachable() const {
  for (const Control* c = this; c != nullptr; c = c->container()) {
    if (!c->visible || !c->enabled) return false;
  }
  return m_form.visible && m_form.enabled && !m_form.unloaded();
}

}  // namespace ui

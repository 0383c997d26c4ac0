#include "platform/ui/user_actions.h"

#include <algorithm>

#include "platform/ui/form.h"

namespace ui {
namespace {

void fire(const std::function<void()>& event) {
  if (event) event();
}

}  // namespace

bool userClick(Control& c) {
  if (!c.reachable()) return false;
  fire(c.onClick);
  return true;
}

bool userMouseDown(Control& c, int button, int shift) {
  if (!c.reachable()) return false;
  if (c.onMouseDown) c.onMouseDown(button, shift);
  return true;
}

bool userMouseUp(Control& c, int button, int shift) {
  if (c.form().unloaded()) return false;
  if (c.onMouseUp) c.onMouseUp(button, shift);
  return true;
}

bool userSetText(Control& c, const std::string& text) {
  if (!c.reachable()) return false;
  c.caption = text;
  fire(c.onChange);
  return true;
}

bool userChooseOption(Control& c) {
  if (!c.reachable()) return false;
  for (const auto& other : c.form().controls()) {
    if (other->kind() == Kind::OptionButton && other->container() == c.container()) {
      other->value = 0;
    }
  }
  c.value = 1;
  fire(c.onClick);
  return true;
}

bool userToggleCheck(Control& c) {
  if (!c.reachable()) return false;
  c.value = c.value == 1 ? 0 : 1;
  fire(c.onClick);
  return true;
}

bool userSetValue(Control& c, int value) {
  if (!c.reachable()) return false;
  int low = std::min(c.min, c.max);
  int high = std::max(c.min, c.max);
  int clamped = std::clamp(value, low, high);
  bool changed = clamped != c.value;
  c.value = clamped;
  if (c.kind() == Kind::Slider) {
    fire(c.onScroll);
  } else if (changed) {
    fire(c.onChange);
  }
  return true;
}

bool userFocus(Control& c) {
  if (!c.reachable()) return false;
  c.form().noteFocus(c);
  fire(c.onGotFocus);
  return true;
}

}  // namespace ui

#include "setup/dialog_layout.h"

#include "platform/ui/ui.h"

namespace dialog {

ui::Control& place(ui::Control& c, int left, int top, int width, int height,
                   const std::string& caption) {
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  c.caption = caption;
  return c;
}

void styleDialog(ui::Form& form) {
  const ui::Font plain{"MS Sans Serif", 8.25, false};
  form.font = plain;
  form.backColor = ui::kSysButtonFace;
  for (const auto& c : form.controls()) {
    c->font = plain;
    bool typedInto = c->kind() == ui::Kind::TextBox || c->kind() == ui::Kind::ComboBox;
    c->backColor = typedInto ? ui::kSysWindow : ui::kSysButtonFace;
    c->foreColor = typedInto ? ui::kSysWindowText : ui::kSysButtonText;
  }
}

void centreOnScreen(ui::Form& form) {
  form.left = (form.ui().screenWidth() - form.width) / 2;
  form.top = (form.ui().screenHeight() - form.height) / 2;
  if (form.left < 0) form.left = 0;
  if (form.top < 0) form.top = 0;
}

std::vector<ui::Control*> addOptions(ui::Form& form, const std::string& name, ui::Control& frame,
                                     int count) {
  std::vector<ui::Control*> options;
  for (int i = 0; i < count; ++i) {
    options.push_back(&form.add(ui::Kind::OptionButton, name, i, &frame));
  }
  return options;
}

void selectOption(const std::vector<ui::Control*>& group, int index) {
  for (size_t i = 0; i < group.size(); ++i) {
    group[i]->value = static_cast<int>(i) == index ? 1 : 0;
  }
}

int selectedOption(const std::vector<ui::Control*>& group) {
  for (size_t i = 0; i < group.size(); ++i) {
    if (group[i]->value != 0) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace dialog

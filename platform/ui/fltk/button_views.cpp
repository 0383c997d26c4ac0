#include "platform/ui/fltk/button_views.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Round_Button.H>

#include "platform/ui/fltk/widgets.h"
#include "platform/ui/user_actions.h"

namespace ui::fltk {
ButtonView::ButtonView(Control& control, ViewContext& context)
    : ControlView(control, context, newWidget<Hooked<Fl_Button>>()) {
  auto& button = static_cast<Hooked<Fl_Button>&>(widget());
  button.box(FL_UP_BOX);
  button.down_box(FL_DOWN_BOX);
  button.align(FL_ALIGN_CENTER | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
  button.beforeEvent = [this](int event) { onEvent(event); };
  whenFocused(button, [this] { postFocus(); });
}

void ButtonView::onEvent(int event) {
  Control& c = control();
  PressedButton& press = context().press;
  int button = programButton(Fl::event_button());
  int shift = programShift(Fl::event_state());
  if (event == FL_PUSH) {
    press.control = &c;
    post([&c, button, shift] { userMouseDown(c, button, shift); });
  } else if (event == FL_RELEASE && press.control == &c) {
    press.control = nullptr;
    post([&c, button, shift] { userMouseUp(c, button, shift); });
  }
}

void ButtonView::onCallback() {
  // Only the left button clicks; the keyboard (space, access key) clicks too.
  if (Fl::event() == FL_RELEASE && Fl::event_button() != FL_LEFT_MOUSE) return;
  Control& c = control();
  post([&c] { userClick(c); });
}

LabelView::LabelView(Control& control, ViewContext& context)
    : ControlView(control, context, newWidget<Fl_Box>()) {
  widget().box(FL_FLAT_BOX);
  showAlignment(m_alignment);
}

void LabelView::syncDetails(const Control& c) {
  if (c.alignment == m_alignment) return;
  m_alignment = c.alignment;
  showAlignment(m_alignment);
  widget().redraw();
}

void LabelView::showAlignment(Alignment alignment) {
  Fl_Align inside = FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP;
  switch (alignment) {
    case Alignment::Left:
      widget().align(inside | FL_ALIGN_LEFT | FL_ALIGN_TOP);
      break;
    case Alignment::Right:
      widget().align(inside | FL_ALIGN_RIGHT | FL_ALIGN_TOP);
      break;
    case Alignment::Center:
      widget().align(inside);
      break;
  }
}

FrameView::FrameView(Control& control, ViewContext& context)
    : ControlView(control, context, newWidget<FrameGroup>()),
      m_group(static_cast<FrameGroup*>(&widget())) {
  m_group->resizable(nullptr);
  // Inside, so that the window does not draw the caption above the frame as well.
  m_group->align(FL_ALIGN_INSIDE | FL_ALIGN_TOP_LEFT);
}

void FrameView::showCaption(const std::string& caption) {
  // The frame draws its caption itself, without symbols: no escaping.
  m_group->copy_label(caption.c_str());
}

void FrameView::place(const PixelRect& r) {
  // Only the frame itself moves; its controls are placed one by one from the model.
  m_group->Fl_Widget::resize(r.x, r.y, r.w, r.h);
  if (m_group->parent() != nullptr) m_group->parent()->redraw();
}

ToggleView::ToggleView(Control& control, ViewContext& context, Fl_Button* button)
    : ControlView(control, context, button) {
  button->box(FL_FLAT_BOX);
  button->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_CLIP);
}

void ToggleView::syncDetails(const Control& c) {
  auto& button = static_cast<Fl_Button&>(widget());
  int wanted = c.value != 0 ? 1 : 0;
  if (button.value() != wanted) button.value(wanted);
}

OptionView::OptionView(Control& control, ViewContext& context)
    : ToggleView(control, context, newWidget<Hooked<Fl_Round_Button>>()) {
  auto& option = static_cast<Hooked<Fl_Round_Button>&>(widget());
  option.type(FL_RADIO_BUTTON);
  whenFocused(option, [this] { postFocus(); });
}

void OptionView::onCallback() {
  Control& c = control();
  post([&c] { userChooseOption(c); });
}

CheckView::CheckView(Control& control, ViewContext& context)
    : ToggleView(control, context, newWidget<Hooked<Fl_Check_Button>>()) {
  whenFocused(static_cast<Hooked<Fl_Check_Button>&>(widget()), [this] { postFocus(); });
}

void CheckView::onCallback() {
  Control& c = control();
  post([&c] { userToggleCheck(c); });
}

}  // namespace ui::fltk

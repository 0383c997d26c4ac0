#include "platform/ui/fltk/value_views.h"

#include <FL/Fl_Hor_Nice_Slider.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Input_Choice.H>
#include <FL/Fl_Multiline_Output.H>
#include <FL/Fl_Progress.H>
#include <FL/Fl_Scrollbar.H>

#include <algorithm>
#include <cmath>

#include "platform/ui/fltk/caption_text.h"
#include "platform/ui/fltk/colour_map.h"
#include "platform/ui/fltk/spin_scrollbar.h"
#include "platform/ui/fltk/widgets.h"
#include "platform/ui/form.h"
#include "platform/ui/user_actions.h"

namespace ui::fltk {
namespace {

Fl_Valuator* newValuator(bool slider) {
  if (slider) return newWidget<Hooked<Fl_Hor_Nice_Slider>>();
  return newWidget<Hooked<SpinScrollbar>>();
}

template <class W>
Hooked<W>& hooked(Fl_Widget& widget) {
  return static_cast<Hooked<W>&>(widget);
}

}  // namespace

TextBoxView::TextBoxView(Control& control, ViewContext& context, Fl_Input_* input)
    : ControlView(control, context, input) {}

void TextBoxView::showColours(const Control& c) {
  auto& input = static_cast<Fl_Input_&>(widget());
  input.color(toFlColor(c.backColor));
  input.textcolor(toFlColor(c.foreColor));
}

void TextBoxView::showFont(const FlFont& font) {
  auto& input = static_cast<Fl_Input_&>(widget());
  input.textfont(font.face);
  input.textsize(font.size);
}

TextView::TextView(Control& control, ViewContext& context)
    : TextBoxView(control, context, newWidget<Hooked<Fl_Input>>()) {
  auto& input = hooked<Fl_Input>(widget());
  input.when(FL_WHEN_CHANGED);
  whenFocused(input, [this] { postFocus(); });
}

void TextView::syncDetails(const Control& c) {
  auto& input = static_cast<Fl_Input&>(widget());
  if (c.caption != input.value()) input.value(c.caption->c_str());
}

void TextView::onCallback() {
  Control& c = control();
  std::string text = static_cast<Fl_Input&>(widget()).value();
  post([&c, text] {
    // Keys typed at once after a click reach the box before the program has seen the click;
    // if the program then passed the focus on, the box never had it: its text comes back.
    if (c.form().focus() != &c) {
      c.caption.edit();
      return;
    }
    userSetText(c, text);
  });
}

TextAreaView::TextAreaView(Control& control, ViewContext& context)
    : TextBoxView(control, context, newWidget<Fl_Multiline_Output>()) {}

void TextAreaView::showCaption(const std::string& caption) {
  static_cast<Fl_Multiline_Output&>(widget()).value(multiLineText(caption).c_str());
}

ComboView::ComboView(Control& control, ViewContext& context)
    : ControlView(control, context, newWidget<Fl_Input_Choice>()) {
  widget().when(FL_WHEN_CHANGED);
}

void ComboView::showColours(const Control& c) {
  auto& combo = static_cast<Fl_Input_Choice&>(widget());
  combo.color(toFlColor(c.backColor));
  combo.input()->color(toFlColor(c.backColor));
  combo.textcolor(toFlColor(c.foreColor));
}

void ComboView::showFont(const FlFont& font) {
  auto& combo = static_cast<Fl_Input_Choice&>(widget());
  combo.textfont(font.face);
  combo.textsize(font.size);
  combo.menubutton()->textfont(font.face);
  combo.menubutton()->textsize(font.size);
}

void ComboView::syncDetails(const Control& c) {
  auto& combo = static_cast<Fl_Input_Choice&>(widget());
  if (!m_itemsShown || c.items != m_items) {
    m_items = c.items;
    m_itemsShown = true;
    combo.clear();
    for (const std::string& item : m_items) combo.add(menuEntryText(item).c_str());
  }
  if (c.editableText != m_editable) {
    m_editable = c.editableText;
    combo.input()->readonly(m_editable ? 0 : 1);
  }
  if (c.caption != combo.value()) combo.value(c.caption->c_str());
}

void ComboView::onCallback() {
  auto& combo = static_cast<Fl_Input_Choice&>(widget());
  std::string text = combo.value();
  Fl_Menu_Button* list = combo.menubutton();
  if (list->changed() != 0) {
    // Chosen from the list: take the item itself, not its escaped menu label.
    list->clear_changed();
    int index = list->value();
    if (index >= 0 && index < static_cast<int>(m_items.size())) text = m_items[index];
  }
  Control& c = control();
  post([&c, text] { userSetText(c, text); });
}

ValuatorView::ValuatorView(Control& control, ViewContext& context, bool slider)
    : ControlView(control, context, newValuator(slider)) {
  auto& valuator = static_cast<Fl_Valuator&>(widget());
  valuator.step(1);
  if (slider) {
    whenFocused(hooked<Fl_Hor_Nice_Slider>(widget()), [this] { postFocus(); });
  } else {
    static_cast<Fl_Slider&>(valuator).slider_size(0.15);
    whenFocused(hooked<SpinScrollbar>(widget()), [this] { postFocus(); });
  }
}

void ValuatorView::showRange(const Control& c) {
  auto& valuator = static_cast<Fl_Valuator&>(widget());
  valuator.bounds(c.min, c.max);
  if (auto* bar = dynamic_cast<Fl_Scrollbar*>(&valuator)) {
    bar->linesize(std::max(1, c.smallChange.get()));
  }
  valuator.redraw();
}

void ValuatorView::syncDetails(const Control& c) {
  auto& valuator = static_cast<Fl_Valuator&>(widget());
  if (std::lround(valuator.value()) != c.value) valuator.value(c.value);
}

void ValuatorView::onCallback() {
  Control& c = control();
  auto value = static_cast<int>(std::lround(static_cast<Fl_Valuator&>(widget()).value()));
  post([&c, value] { userSetValue(c, value); });
}

ProgressView::ProgressView(Control& control, ViewContext& context)
    : ControlView(control, context, newWidget<Fl_Progress>()) {}

void ProgressView::showColours(const Control& c) {
  auto& bar = static_cast<Fl_Progress&>(widget());
  bar.color(toFlColor(c.backColor));
  bar.selection_color(fl_rgb_color(0, 0, 128));
}

void ProgressView::showRange(const Control& c) {
  auto& bar = static_cast<Fl_Progress&>(widget());
  bar.minimum(static_cast<float>(c.min));
  bar.maximum(static_cast<float>(c.max));
  bar.redraw();
}

void ProgressView::syncDetails(const Control& c) {
  auto& bar = static_cast<Fl_Progress&>(widget());
  auto value = static_cast<float>(c.value);
  if (bar.value() != value) bar.value(value);
}

ShapeView::ShapeView(Control& control, ViewContext& context)
    : ControlView(control, context, newWidget<ShapeWidget>()) {}

void ShapeView::showColours(const Control& c) {
  auto& shape = static_cast<ShapeWidget&>(widget());
  shape.fill = toFlColor(c.fillColor);
  shape.border = toFlColor(c.foreColor);
}

void ShapeView::syncDetails(const Control& c) {
  auto& shape = static_cast<ShapeWidget&>(widget());
  bool circle = c.shape == ShapeKind::Circle;
  if (shape.circle == circle) return;
  shape.circle = circle;
  if (shape.parent() != nullptr) shape.parent()->redraw();
}

LineView::LineView(Control& control, ViewContext& context)
    : ControlView(control, context, newWidget<LineWidget>()) {}

void LineView::showColours(const Control& c) {
  widget().color(toFlColor(c.foreColor));
}

void LineView::place(const PixelRect& r) {
  m_rect = r;
  m_lineWidth = control().lineWidth;
  static_cast<LineWidget&>(widget()).place(r.x, r.y, r.x + r.w, r.y + r.h, m_lineWidth);
  if (widget().parent() != nullptr) widget().parent()->redraw();
}

void LineView::syncDetails(const Control& c) {
  if (c.lineWidth != m_lineWidth) place(m_rect);
}

}  // namespace ui::fltk

#include "platform/ui/fltk/control_view.h"

#include <FL/Fl.H>

#include <utility>

#include "platform/ui/fltk/caption_text.h"
#include "platform/ui/fltk/colour_map.h"
#include "platform/ui/fltk/units.h"
#include "platform/ui/fltk/widgets.h"
#include "platform/ui/form.h"
#include "platform/ui/user_actions.h"

namespace ui::fltk {
ControlView::ControlView(Control& control, ViewContext& context, Fl_Widget* widget)
    : m_control(control), m_context(context), m_widget(widget) {
  m_widget->callback(&ControlView::callbackTrampoline, this);
}

void ControlView::callbackTrampoline(Fl_Widget*, void* view) {
  static_cast<ControlView*>(view)->onCallback();
}

void ControlView::sync(int originX, int originY) {
  // takeChange first: it clears the mark whatever else holds.
  bool changed = m_control.takeChange() || m_fresh;
  if (!changed && originX == m_originX && originY == m_originY) return;
  m_originX = originX;
  m_originY = originY;
  syncGeometry(originX, originY);
  syncLook();
  syncDetails(m_control);
  syncState();
  m_fresh = false;
}

void ControlView::syncGeometry(int originX, int originY) {
  const Control& c = m_control;
  PixelRect r{originX + twipsToPixels(c.left), originY + twipsToPixels(c.top),
              twipsToPixels(c.width), twipsToPixels(c.height)};
  if (!m_fresh && r == m_shown.rect) return;
  m_shown.rect = r;
  place(r);
}

void ControlView::syncLook() {
  const Control& c = m_control;
  Shown& s = m_shown;
  if (m_fresh || c.caption != s.caption) {
    s.caption = c.caption;
    showCaption(c.caption);
  }
  if (m_fresh || c.foreColor != s.fore || c.backColor != s.back || c.fillColor != s.fill) {
    s.fore = c.foreColor;
    s.back = c.backColor;
    s.fill = c.fillColor;
    showColours(c);
    m_widget->redraw();
  }
  FlFont font = toFlFont(c.font);
  if (m_fresh || font.face != s.font.face || font.size != s.font.size) {
    s.font = font;
    showFont(font);
    m_widget->redraw();
  }
  // The widget keeps its own copy of the tooltip: compared with that, not with one of ours.
  const char* tip = m_widget->tooltip();
  if (m_fresh || c.toolTip != (tip == nullptr ? "" : tip)) {
    m_widget->copy_tooltip(c.toolTip->empty() ? nullptr : c.toolTip->c_str());
  }
  if (m_fresh || c.min != s.min || c.max != s.max || c.smallChange != s.smallChange ||
      c.largeChange != s.largeChange) {
    s.min = c.min;
    s.max = c.max;
    s.smallChange = c.smallChange;
    s.largeChange = c.largeChange;
    showRange(c);
  }
}

void ControlView::syncState() {
  const Control& c = m_control;
  if (m_fresh || c.enabled != m_shown.enabled) {
    m_shown.enabled = c.enabled;
    setActive(*m_widget, c.enabled);
  }
  if (m_fresh || c.visible != m_shown.visible) {
    m_shown.visible = c.visible;
    setShown(*m_widget, c.visible);
  }
  if (m_fresh || c.tabStop != m_shown.tabStop) {
    m_shown.tabStop = c.tabStop;
    m_widget->visible_focus(c.tabStop ? 1 : 0);
  }
}

void ControlView::showCaption(const std::string& caption) {
  m_widget->copy_label(labelText(multiLineText(caption)).c_str());
}

void ControlView::showColours(const Control& c) {
  m_widget->color(toFlColor(c.backColor));
  m_widget->labelcolor(toFlColor(c.foreColor));
}

void ControlView::showFont(const FlFont& font) {
  m_widget->labelfont(font.face);
  m_widget->labelsize(font.size);
}

void ControlView::place(const PixelRect& r) {
  m_widget->resize(r.x, r.y, r.w, r.h);
  if (m_widget->parent() != nullptr) m_widget->parent()->redraw();
}

void ControlView::post(std::function<void()> action) {
  m_context.events.post(m_control.form(), std::move(action));
}

void ControlView::postFocus() {
  Control& c = m_control;
  post([&c] { userFocus(c); });
}

int programButton(int flButton) {
  switch (flButton) {
    case FL_RIGHT_MOUSE:
      return kRightButton;
    case FL_MIDDLE_MOUSE:
      return kMiddleButton;
    default:
      return kLeftButton;
  }
}

int programShift(int flState) {
  int shift = 0;
  if ((flState & FL_SHIFT) != 0) shift |= 1;
  if ((flState & FL_CTRL) != 0) shift |= 2;
  if ((flState & FL_ALT) != 0) shift |= 4;
  return shift;
}

}  // namespace ui::fltk

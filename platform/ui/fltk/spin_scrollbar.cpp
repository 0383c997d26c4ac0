#include "platform/ui/fltk/spin_scrollbar.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace ui::fltk {
namespace {

constexpr double kFirstRepeat = 0.4;
constexpr double kRepeat = 0.08;

}  // namespace

SpinScrollbar::SpinScrollbar(int x, int y, int w, int h) : Fl_Scrollbar(x, y, w, h) {
  type(FL_VERTICAL);
}

SpinScrollbar::~SpinScrollbar() {
  Fl::remove_timeout(&SpinScrollbar::onRepeat, this);
}

int SpinScrollbar::handle(int event) {
  if (event == FL_FOCUS || event == FL_UNFOCUS) return takeFocus();
  if (!small()) return Fl_Scrollbar::handle(event);
  switch (event) {
    case FL_PUSH:
      m_pressed = Fl::event_y() < y() + h() / 2 ? -1 : 1;
      redraw();
      step();
      Fl::add_timeout(kFirstRepeat, &SpinScrollbar::onRepeat, this);
      return 1;
    case FL_DRAG:
      return 1;
    case FL_RELEASE:
    case FL_HIDE:
    case FL_DEACTIVATE:
      stopRepeat();
      return event == FL_RELEASE ? 1 : Fl_Scrollbar::handle(event);
    default:
      return Fl_Scrollbar::handle(event);
  }
}

// FLTK's scroll bar refuses the keyboard focus; this one takes it, so that the arrow keys step
// the bar that the program or the user gave the focus, and shows it.
int SpinScrollbar::takeFocus() {
  if (Fl::visible_focus() == 0) return 0;
  redraw();
  return 1;
}

void SpinScrollbar::stopRepeat() {
  Fl::remove_timeout(&SpinScrollbar::onRepeat, this);
  if (m_pressed != 0) redraw();
  m_pressed = 0;
}

void SpinScrollbar::onRepeat(void* bar) {
  auto* self = static_cast<SpinScrollbar*>(bar);
  if (self->m_pressed == 0) return;
  self->step();
  Fl::repeat_timeout(kRepeat, &SpinScrollbar::onRepeat, bar);
}

void SpinScrollbar::step() {
  // The upper arrow goes towards minimum(), whichever of the two bounds is larger.
  double towardsMaximum = maximum() >= minimum() ? 1.0 : -1.0;
  double next = value() + m_pressed * towardsMaximum * linesize();
  handle_drag(clamp(round(next)));
}

void SpinScrollbar::draw() {
  if (!small()) {
    Fl_Scrollbar::draw();
    return;
  }
  int upperH = h() / 2;
  int lowerH = h() - upperH;
  Fl_Color face = color();
  draw_box(m_pressed < 0 ? FL_DOWN_BOX : FL_UP_BOX, x(), y(), w(), upperH, face);
  draw_box(m_pressed > 0 ? FL_DOWN_BOX : FL_UP_BOX, x(), y() + upperH, w(), lowerH, face);
  fl_color(active_r() ? FL_FOREGROUND_COLOR : fl_inactive(FL_FOREGROUND_COLOR));
  int cx = x() + w() / 2;
  int half = std::max(2, std::min(w(), upperH) / 4);
  int upY = y() + upperH / 2;
  fl_polygon(cx - half, upY + half / 2, cx + half, upY + half / 2, cx, upY - half / 2 - 1);
  int downY = y() + upperH + lowerH / 2;
  fl_polygon(cx - half, downY - half / 2, cx + half, downY - half / 2, cx, downY + half / 2 + 1);
  if (Fl::focus() == this) draw_focus(FL_UP_BOX, x(), y(), w(), h());
}

}  // namespace ui::fltk

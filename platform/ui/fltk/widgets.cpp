#include "platform/ui/fltk/widgets.h"

#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <cstdlib>

namespace ui::fltk {

void setActive(Fl_Widget& widget, bool active) {
  if (active) {
    widget.activate();
  } else {
    widget.deactivate();
  }
}

void setShown(Fl_Widget& widget, bool shown) {
  if (shown) {
    widget.show();
  } else {
    widget.hide();
  }
}

void PlacedWindow::resize(int x, int y, int w, int h) {
  Hooked<Fl_Double_Window>::resize(x, y, w, h);
  if (afterResize) afterResize();
}

void PlacedWindow::moveTo(int x, int y) {
  position(x, y);
  XMoveWindow(fl_display, fl_xid(this), x, y);
}

ShapeWidget::ShapeWidget(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
  box(FL_NO_BOX);
}

void ShapeWidget::draw() {
  if (!circle) {
    fl_rectf(x(), y(), w(), h(), fill);
    fl_color(border);
    fl_rect(x(), y(), w(), h());
    return;
  }
  int d = std::min(w(), h());
  int cx = x() + (w() - d) / 2;
  int cy = y() + (h() - d) / 2;
  fl_color(fill);
  fl_pie(cx, cy, d, d, 0.0, 360.0);
  fl_color(border);
  fl_arc(cx, cy, d, d, 0.0, 360.0);
}

LineWidget::LineWidget(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
  box(FL_NO_BOX);
}

void LineWidget::place(int x1, int y1, int x2, int y2, int width) {
  m_x1 = x1;
  m_y1 = y1;
  m_x2 = x2;
  m_y2 = y2;
  m_width = std::max(1, width);
  int half = m_width / 2;
  resize(std::min(x1, x2) - half, std::min(y1, y2) - half, std::abs(x2 - x1) + m_width,
         std::abs(y2 - y1) + m_width);
}

void LineWidget::draw() {
  fl_color(color());
  fl_line_style(FL_SOLID | FL_CAP_SQUARE, m_width);
  fl_line(m_x1, m_y1, m_x2, m_y2);
  fl_line_style(0);
}

FrameGroup::FrameGroup(int x, int y, int w, int h) : Fl_Group(x, y, w, h) {
  box(FL_FLAT_BOX);
  end();
}

void FrameGroup::draw() {
  if ((damage() & ~FL_DAMAGE_CHILD) != 0) drawFrame();
  draw_children();
}

void FrameGroup::drawFrame() {
  fl_rectf(x(), y(), w(), h(), color());
  const char* text = label();
  bool captioned = text != nullptr && *text != '\0';
  fl_font(labelfont(), labelsize());
  int top = captioned ? y() + fl_height() / 2 : y();
  fl_draw_box(FL_ENGRAVED_FRAME, x(), top, w(), h() - (top - y()), color());
  if (!captioned) return;
  int tw = 0, th = 0;
  fl_measure(text, tw, th, 0);
  int tx = x() + 8;
  tw = std::max(0, std::min(tw, w() - 16));
  fl_rectf(tx - 2, y(), tw + 4, th, color());
  fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
  fl_push_clip(tx, y(), tw, th);
  fl_draw(text, tx, y(), tw, th, FL_ALIGN_LEFT | FL_ALIGN_INSIDE, nullptr, 0);
  fl_pop_clip();
}

}  // namespace ui::fltk

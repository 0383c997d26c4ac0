#include "lists/child_window_layout.h"

#include "link/front_panel.h"

namespace lists {
namespace {

constexpr int kRowTop = 240;
constexpr int kRowPitch = 480;
constexpr int kRowHeight = 375;

struct ColumnPlace {
  int left;
  int width;
};

// In RowColumn order.
constexpr ColumnPlace kColumns[] = {{120, 255}, {480, 1095}, {1680, 735}, {2520, 2175}};

}  // namespace

ui::Font windowFont() {
  ui::Font font;
  font.name = "MS Sans Serif";
  font.size = 8.25;
  font.bold = false;
  return font;
}

ui::Control& place(ui::Control& c, int left, int top, int width, int height) {
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  c.font = windowFont();
  return c;
}

ui::Control& addRowControl(ui::Form& form, ui::Kind kind, const std::string& name, int row,
                           RowColumn column, ui::Control& frame) {
  const ColumnPlace& at = kColumns[static_cast<int>(column)];
  ui::Control& c = form.add(kind, name, row, &frame);
  return place(c, at.left, kRowTop + kRowPitch * row, at.width, kRowHeight);
}

void placeOverBandFrame(ui::Form& window, const FrontPanel& frm) {
  window.top = frm.form.top;
  window.left = frm.form.left + frm.form.width - frm.fraBand.width;
}

}  // namespace lists

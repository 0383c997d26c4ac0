#include "panel/frmZarvin_layout.h"

#include "link/front_panel.h"
#include "panel/frmZarvin_layout_parts.h"

// The panel keeps the original's client area, 10692 x 7740 twips (713 x 516 pixels). Three
// columns of groups fill it down to the band frame's bottom edge at pixel 441: the meter,
// RF gain, BFO and switch groups on the left (x 16..260), the frequency group over the
// amplifier, channel and keypad groups in the middle (x 266..626), the band buttons on the
// right; the status row runs underneath, inside the border lines.

namespace layout {

void place(ui::Control& c, int x, int y, int width, int height) {
  constexpr int kTwipsPerPixel = 15;
  c.left = x * kTwipsPerPixel;
  c.top = y * kTwipsPerPixel;
  c.width = width * kTwipsPerPixel;
  c.height = height * kTwipsPerPixel;
}

ui::Font sans(double points, bool bold) {
  return ui::Font{"MS Sans Serif", points, bold};
}

void tippedButton(ui::Control& button, int x, int y, int width, int height, double points,
                  const std::string& toolTip) {
  place(button, x, y, width, height);
  button.font = sans(points);
  button.toolTip = toolTip;
}

void captionedFrame(ui::Control& frame) {
  frame.backColor = ui::kFrameGrey;
  frame.font = sans(9.6);
}

void plainFrame(ui::Control& frame) {
  frame.backColor = ui::kFrameGrey;
}

void stateLabel(ui::Control& label, ui::Color back) {
  label.backColor = back;
  label.alignment = ui::Alignment::Center;
}

}  // namespace layout

void layOutFrontPanel(FrontPanel& panel) {
  ui::Form& form = panel.form;
  form.width = 10692;
  form.height = 7740;
  form.backColor = ui::kPanelGrey;
  form.font = layout::sans(10.8);
  layout::layOutMeterGroups(panel);
  layout::layOutLeftButtons(panel);
  layout::layOutFrequencyGroup(panel);
  layout::layOutAmpAndChannel(panel);
  layout::layOutKeypad(panel);
  layout::layOutBandGroup(panel);
  layout::layOutBottomRow(panel);
  layout::layOutBorderAndMenus(panel);
}

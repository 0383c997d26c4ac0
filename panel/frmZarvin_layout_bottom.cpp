// The status row under the groups, the border lines round the panel and the menu bar.
#include "link/front_panel.h"
#include "panel/frmZarvin_layout_parts.h"

namespace layout {
namespace {

/// A label of the status row, straight on the window's grey.
void statusLabel(ui::Control& label, int x, int y, int width, int height, double points) {
  place(label, x, y, width, height);
  label.backColor = ui::kPanelGrey;
  label.font = sans(points);
}

void textBox(ui::Control& box, int x, int y, int width, int height) {
  place(box, x, y, width, height);
  box.font = sans(9.6, false);
  box.backColor = ui::kSysWindow;
  box.foreColor = ui::kSysWindowText;
  box.visible = false;
}

/// A border line of 2 pixels between two points given in twips.
void borderLine(ui::Control& line, int x1, int y1, int x2, int y2) {
  line.left = x1;
  line.top = y1;
  line.width = x2 - x1;
  line.height = y2 - y1;
  line.lineWidth = 2;
  line.foreColor = ui::kSysWindowText;
}

}  // namespace

void layOutBottomRow(FrontPanel& p) {
  statusLabel(p.Label5, 16, 447, 84, 28, 15.6);
  p.Label5.foreColor = ui::kBlack;
  statusLabel(p.lblFWType, 104, 453, 168, 20, 10.8);
  p.lblFWType.font.edit().bold = false;
  p.lblFWType.foreColor = ui::kBlack;
  statusLabel(p.lblComStat, 276, 452, 80, 22, 9.6);
  p.lblComStat.toolTip = "Shows Com Status";
  statusLabel(p.lblREMOTE, 360, 452, 78, 22, 9.6);
  p.lblREMOTE.toolTip = "Shows Zarvin State";
  statusLabel(p.lblU, 442, 449, 20, 26, 13.2);
  p.lblU.toolTip = "Sync Character";
  place(p.shaTrace, 466, 454, 16, 16);
  p.shaTrace.shape = ui::ShapeKind::Circle;
  p.shaTrace.fillColor = ui::kFrameGrey;
  p.shaTrace.visible = false;
  place(p.Command7, 486, 455, 14, 14);
  p.Command7.enabled = false;
  textBox(p.txtInData, 504, 450, 192, 25);
  p.txtInData.toolTip = "Data from Zarvin";

  tippedButton(p.cmdGetStatus, 16, 480, 84, 26, 9.6, "Refresh Radio Status");
  tippedButton(p.cmdViewInData, 104, 480, 84, 26, 9.6, "Show / Hide the Data Box");
  textBox(p.txtInfo, 194, 480, 502, 26);
}

void layOutBorderAndMenus(FrontPanel& p) {
  borderLine(p.Line1, 120, 120, 10560, 120);
  borderLine(p.Line3, 120, 7680, 10560, 7680);
  borderLine(p.Line2, 120, 120, 120, 7680);
  borderLine(p.Line4, 10560, 120, 10560, 7680);
  p.mnuScanBands.enabled = false;
  p.mnuScanFreqs.enabled = false;
}

}  // namespace layout

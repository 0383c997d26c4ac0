// The scanner's window: its controls, where they stand, and which procedure each event runs.
#include "lists/frmScanFreqs.h"

namespace {

constexpr ui::Color kWindowGrey = ui::kLightGrey;
constexpr int kRowTop = 240;
constexpr int kRowPitch = 480;
constexpr int kRowHeight = 375;

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

/// One column of the rows: control k in row k.
std::vector<ui::Control*> rowColumn(ui::Form& form, ui::Kind kind, const std::string& name,
                                    ui::Control& frame, int left, int width) {
  std::vector<ui::Control*> column;
  for (int k = 0; k < frmScanFreqs::kRows; ++k) {
    ui::Control& c = form.add(kind, name, k, &frame);
    place(c, left, kRowTop + kRowPitch * k, width, kRowHeight);
    if (kind == ui::Kind::TextBox) c.backColor = ui::kFrameGrey;
    if (kind == ui::Kind::CheckBox) c.backColor = kWindowGrey;
    column.push_back(&c);
  }
  return column;
}

}  // namespace

frmScanFreqs::frmScanFreqs(Platform& p, DisplayZarvinStatus& l, FrontPanel& panel)
    : platform(p),
      link(l),
      frm(panel),
      form(p.ui, "frmScanFreqs"),
      fraBand(form.add(ui::Kind::Frame, "fraBand")),
      Check1(rowColumn(form, ui::Kind::CheckBox, "Check1", fraBand, 120, 255)),
      txtFreq(rowColumn(form, ui::Kind::TextBox, "txtFreq", fraBand, 480, 1095)),
      txtMode(rowColumn(form, ui::Kind::TextBox, "txtMode", fraBand, 1680, 735)),
      txtInfo(rowColumn(form, ui::Kind::TextBox, "txtInfo", fraBand, 2520, 2175)),
      lblDelay(form.add(ui::Kind::Label, "lblDelay")),
      txtDelay(form.add(ui::Kind::TextBox, "txtDelay")),
      lblError(form.add(ui::Kind::Label, "lblError")),
      cmdWriteFile(form.add(ui::Kind::Button, "cmdWriteFile")),
      cmdScan(form.add(ui::Kind::Button, "cmdScan")),
      cmdStop(form.add(ui::Kind::Button, "cmdStop")) {
  layOut();
  wireEvents();
}

void frmScanFreqs::layOut() {
  form.caption = "Scan Freq";
  form.width = 4932;
  form.height = 8184;
  form.backColor = kWindowGrey;
  form.font = windowFont();

  place(fraBand, 60, 0, 4815, 6495).caption = "Freqs";
  fraBand.backColor = kWindowGrey;

  place(lblDelay, 120, 6660, 975, 255).caption = "Delay Secs";
  lblDelay.backColor = kWindowGrey;
  place(txtDelay, 1200, 6600, 615, 375).caption = "3";
  txtDelay.backColor = ui::kWhite;
  place(lblError, 2040, 6660, 2655, 375).caption = "Frequency Error";
  lblError.foreColor = ui::kRed;
  lblError.backColor = kWindowGrey;
  lblError.visible = false;

  place(cmdWriteFile, 120, 7440, 1095, 495).caption = "Write File";
  place(cmdScan, 3720, 7440, 1095, 495).caption = "Scan";
  place(cmdStop, 3720, 7440, 1095, 495).caption = "Stop";
  cmdStop.visible = false;
}

void frmScanFreqs::wireEvents() {
  cmdScan.onClick = [this] { cmdScan_Click(); };
  cmdStop.onClick = [this] { cmdStop_Click(); };
  cmdWriteFile.onClick = [this] { cmdWriteFile_Click(); };
  form.onQueryUnload = [this](bool& cancel) { Form_QueryUnload(cancel); };
  form.onUnload = [this] { Form_Unload(); };
}

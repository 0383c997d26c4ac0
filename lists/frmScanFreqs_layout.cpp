// The scanner's window: its controls, where they stand, and which procedure each event runs.
#include "lists/child_window_layout.h"
#include "lists/frmScanFreqs.h"

using lists::place;
using lists::RowColumn;

namespace {

constexpr ui::Color kWindowGrey = ui::kLightGrey;

/// One column of the rows: control k in row k.
std::vector<ui::Control*> rowColumn(ui::Form& form, ui::Kind kind, const std::string& name,
                                    ui::Control& frame, RowColumn at) {
  std::vector<ui::Control*> column;
  for (int k = 0; k < frmScanFreqs::kRows; ++k) {
    ui::Control& c = lists::addRowControl(form, kind, name, k, at, frame);
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
      Check1(rowColumn(form, ui::Kind::CheckBox, "Check1", fraBand, RowColumn::Button)),
      txtFreq(rowColumn(form, ui::Kind::TextBox, "txtFreq", fraBand, RowColumn::Freq)),
      txtMode(rowColumn(form, ui::Kind::TextBox, "txtMode", fraBand, RowColumn::Mode)),
      txtInfo(rowColumn(form, ui::Kind::TextBox, "txtInfo", fraBand, RowColumn::Info)),
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
  form.font = lists::windowFont();

  place(fraBand, 60, 0, 4815, 6495).caption = "Freqs";
  fraBand.backColor = kWindowGrey;

  place(lblDelay, 120, 6660, 1050, 255).caption = "Delay Secs";
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

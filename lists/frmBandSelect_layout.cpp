// The band list window's controls, as designed: a frame of 14 rows over the error label and
// the four buttons.
#include "lists/child_window_layout.h"
#include "lists/frmBandSelect.h"

using lists::RowColumn;

namespace {

constexpr int kRows = static_cast<int>(lists::kBandListRows);
constexpr int kLastRow = kRows - 1;
// The row that Get Freq fills stands out in pale yellow.
constexpr ui::Color kLastRowFreqBack = 0xC0FFFF;
constexpr ui::Color kLastRowBack = 0x80FFFF;

}  // namespace

frmBandSelect::frmBandSelect(Platform& platform, DisplayZarvinStatus& link, FrontPanel& frm)
    : form(platform.ui, "frmBandSelect"),
      fraBand(add(ui::Kind::Frame, "fraBand", 0, 0, 4815, 6975, "Band")),
      lblError(add(ui::Kind::Label, "lblError", 1200, 7080, 2655, 375, "Frequency Error")),
      cmdGetFreq(add(ui::Kind::Button, "cmdGetFreq", 120, 7560, 855, 495, "Get Freq")),
      cmdSort(add(ui::Kind::Button, "cmdSort", 1200, 7560, 735, 495, "Sort")),
      cmdWriteFile(add(ui::Kind::Button, "cmdWriteFile", 2160, 7560, 855, 495, "Write File")),
      cmdExit(add(ui::Kind::Button, "cmdExit", 4080, 7560, 735, 495, "Exit")),
      SyncTimer(add(ui::Kind::Timer, "SyncTimer", 0, 0, 0, 0)),
      m_platform(platform),
      m_link(link),
      m_frm(frm) {
  form.caption = "Frequency Select";
  form.width = 4860;
  form.height = 8196;
  form.backColor = ui::kPanelGrey;
  form.font = lists::windowFont();
  lblError.visible = false;
  lblError.backColor = ui::kPanelGrey;
  SyncTimer.enabled = false;
  for (int k = 0; k < kRows; ++k) addRow(k);
  wireEvents();
}

ui::Control& frmBandSelect::add(ui::Kind kind, const std::string& name, int left, int top,
                                int width, int height, const std::string& caption) {
  ui::Control& c = lists::place(form.add(kind, name), left, top, width, height);
  c.caption = caption;
  return c;
}

void frmBandSelect::addRow(int k) {
  auto inRow = [this, k](ui::Kind kind, const std::string& name, RowColumn column) {
    return &lists::addRowControl(form, kind, name, k, column, fraBand);
  };
  Option1.push_back(inRow(ui::Kind::OptionButton, "Option1", RowColumn::Button));
  txtFreq.push_back(inRow(ui::Kind::TextBox, "txtFreq", RowColumn::Freq));
  txtMode.push_back(inRow(ui::Kind::TextBox, "txtMode", RowColumn::Mode));
  txtInfo.push_back(inRow(ui::Kind::TextBox, "txtInfo", RowColumn::Info));
  for (ui::Control* box : {txtFreq[k], txtMode[k], txtInfo[k]}) {
    box->foreColor = ui::kSysWindowText;
    box->backColor = k == kLastRow ? kLastRowBack : ui::kFrameGrey;
  }
  if (k == kLastRow) txtFreq[k]->backColor = kLastRowFreqBack;
}

void frmBandSelect::wireEvents() {
  for (int k = 0; k < kRows; ++k) Option1[k]->onClick = [this, k] { Option1_Click(k); };
  SyncTimer.onTimer = [this] { SyncTimer_Timer(); };
  cmdGetFreq.onClick = [this] { cmdGetFreq_Click(); };
  cmdSort.onClick = [this] { cmdSort_Click(); };
  cmdWriteFile.onClick = [this] { cmdWriteFile_Click(); };
  cmdExit.onClick = [this] { cmdExit_Click(); };
  form.onQueryUnload = [this](bool& cancel) { Form_QueryUnload(cancel); };
  form.onUnload = [this] { Form_Unload(); };
}

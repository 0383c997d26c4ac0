// The band list window's controls, as designed: a frame of 14 rows over the error label and
// the four buttons.
#include "lists/frmBandSelect.h"

namespace {

constexpr int kRows = static_cast<int>(lists::kBandListRows);
constexpr int kLastRow = kRows - 1;
constexpr int kRowTop = 240;
constexpr int kRowPitch = 480;
constexpr int kRowHeight = 375;
// The row that Get Freq fills stands out in pale yellow.
constexpr ui::Color kLastRowFreqBack = 0xC0FFFF;
constexpr ui::Color kLastRowBack = 0x80FFFF;

ui::Font windowFont() {
  ui::Font font;
  font.size = 8.25;
  font.bold = false;
  return font;
}

}  // namespace

frmBandSelect::frmBandSelect(Platform& platform, DisplayZarvinStatus& link, FrontPanel& frm)
    : form(platform.ui, "frmBandSelect"),
      fraBand(add(ui::Kind::Frame, "fraBand", -1, 0, 0, 4815, 6975, "Band")),
      lblError(add(ui::Kind::Label, "lblError", -1, 1200, 7080, 2655, 375, "Frequency Error")),
      cmdGetFreq(add(ui::Kind::Button, "cmdGetFreq", -1, 120, 7560, 855, 495, "Get Freq")),
      cmdSort(add(ui::Kind::Button, "cmdSort", -1, 1200, 7560, 735, 495, "Sort")),
      cmdWriteFile(add(ui::Kind::Button, "cmdWriteFile", -1, 2160, 7560, 855, 495, "Write File")),
      cmdExit(add(ui::Kind::Button, "cmdExit", -1, 4080, 7560, 735, 495, "Exit")),
      SyncTimer(add(ui::Kind::Timer, "SyncTimer", -1, 0, 0, 0, 0)),
      m_platform(platform),
      m_link(link),
      m_frm(frm) {
  form.caption = "Frequency Select";
  form.width = 4860;
  form.height = 8196;
  form.backColor = ui::kPanelGrey;
  form.font = windowFont();
  lblError.visible = false;
  lblError.backColor = ui::kPanelGrey;
  SyncTimer.enabled = false;
  for (int k = 0; k < kRows; ++k) addRow(k);
  wireEvents();
}

ui::Control& frmBandSelect::add(ui::Kind kind, const std::string& name, int index, int left,
                                int top, int width, int height, const std::string& caption) {
  bool inFrame = name == "Option1" || name == "txtFreq" || name == "txtMode" || name == "txtInfo";
  ui::Control& c = form.add(kind, name, index, inFrame ? &form.get("fraBand") : nullptr);
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  c.caption = caption;
  c.font = windowFont();
  return c;
}

void frmBandSelect::addRow(int k) {
  int top = kRowTop + kRowPitch * k;
  Option1.push_back(&add(ui::Kind::OptionButton, "Option1", k, 120, top, 255, kRowHeight));
  txtFreq.push_back(&add(ui::Kind::TextBox, "txtFreq", k, 480, top, 1095, kRowHeight));
  txtMode.push_back(&add(ui::Kind::TextBox, "txtMode", k, 1680, top, 735, kRowHeight));
  txtInfo.push_back(&add(ui::Kind::TextBox, "txtInfo", k, 2520, top, 2175, kRowHeight));
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

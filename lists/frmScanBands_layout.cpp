// The band sweep's window: its controls, where they stand, and which procedure each event
// runs.
#include "lists/child_window_layout.h"
#include "lists/frmScanBands.h"

using lists::place;

namespace {

constexpr int kPresetSize = 495;
constexpr int kPresetPitch = 600;
constexpr int kOptionPitch = 315;

/// A band preset button in the 3 x 3 grid.
ui::Control& preset(ui::Form& form, const std::string& name, const std::string& caption, int row,
                    int column) {
  ui::Control& c = form.add(ui::Kind::Button, name);
  place(c, 120 + kPresetPitch * column, 120 + kPresetPitch * row, kPresetSize, kPresetSize);
  c.caption = caption;
  return c;
}

std::vector<ui::Control*> options(ui::Form& form, const std::string& name, ui::Control& frame,
                                  const std::vector<std::string>& captions, int width) {
  std::vector<ui::Control*> group;
  for (std::size_t k = 0; k < captions.size(); ++k) {
    ui::Control& c = form.add(ui::Kind::OptionButton, name, static_cast<int>(k), &frame);
    place(c, 90, 180 + kOptionPitch * static_cast<int>(k), width, 255).caption = captions[k];
    c.backColor = ui::kSysButtonFace;
    group.push_back(&c);
  }
  return group;
}

ui::Control& unitsLabel(ui::Form& form, int index, int left) {
  ui::Control& c = form.add(ui::Kind::Label, "Label3", index);
  place(c, left, 2730, 1095, 255).caption = "MHz";
  c.backColor = ui::kPanelGrey;
  return c;
}

}  // namespace

frmScanBands::frmScanBands(Platform& p, DisplayZarvinStatus& l, FrontPanel& panel)
    : platform(p),
      link(l),
      frm(panel),
      form(p.ui, "frmScanBands"),
      cmd160M(preset(form, "cmd160M", "160", 0, 0)),
      cmd75M(preset(form, "cmd75M", "75", 0, 1)),
      cmd40M(preset(form, "cmd40M", "40", 0, 2)),
      cmd30M(preset(form, "cmd30M", "30 ", 1, 0)),
      cmd20M(preset(form, "cmd20M", "20", 1, 1)),
      cmd17M(preset(form, "cmd17M", "17", 1, 2)),
      cmd15M(preset(form, "cmd15M", "15", 2, 0)),
      cmd12M(preset(form, "cmd12M", "12", 2, 1)),
      cmd10M(preset(form, "cmd10M", "10", 2, 2)),
      Frame1(form.add(ui::Kind::Frame, "Frame1")),
      Option1(options(form, "Option1", Frame1, {"10Hz", "50Hz", "100Hz", "500Hz", "1KHz"}, 855)),
      Frame2(form.add(ui::Kind::Frame, "Frame2")),
      Option2(options(form, "Option2", Frame2, {"Fast Scan", "Slow Scan"}, 1095)),
      Label1(form.add(ui::Kind::Label, "Label1")),
      Label2(form.add(ui::Kind::Label, "Label2")),
      txtScanLow(form.add(ui::Kind::TextBox, "txtScanLow")),
      txtScanHi(form.add(ui::Kind::TextBox, "txtScanHi")),
      Label3({&unitsLabel(form, 0, 120), &unitsLabel(form, 1, 1440)}),
      cmdScanUp(form.add(ui::Kind::Button, "cmdScanUp")),
      cmdStop(form.add(ui::Kind::Button, "cmdStop")),
      cmdPauseCont(form.add(ui::Kind::Button, "cmdPauseCont")),
      txtFreq(form.add(ui::Kind::TextBox, "txtFreq")) {
  layOut();
  wireEvents();
}

void frmScanBands::layOut() {
  form.caption = "Scan Bands";
  form.width = 4512;
  form.height = 4416;
  form.font = lists::windowFont();

  place(Frame1, 2040, 60, 1095, 1815);
  place(Frame2, 3240, 60, 1215, 855);
  Option1[2]->value = 1;  // 100Hz
  Option2[0]->value = 1;  // Fast Scan

  place(Label1, 120, 2040, 1095, 255).caption = "Lower";
  place(Label2, 1440, 2040, 1095, 255).caption = "Upper Limit";
  Label1.backColor = ui::kPanelGrey;
  Label2.backColor = ui::kPanelGrey;
  place(txtScanLow, 120, 2310, 1095, 375);
  place(txtScanHi, 1440, 2310, 1095, 375);
  txtScanLow.backColor = ui::kWhite;
  txtScanHi.backColor = ui::kWhite;
  txtScanLow.foreColor = ui::kBlack;
  txtScanHi.foreColor = ui::kBlack;
  place(txtFreq, 2760, 2310, 1575, 375).backColor = ui::kWhite;

  place(cmdScanUp, 120, 3600, 1095, 495).caption = "Scan";
  place(cmdStop, 1440, 3600, 1095, 495).caption = "Stop";
  place(cmdPauseCont, 2760, 3600, 1095, 495).caption = "Pause";
}

void frmScanBands::wireEvents() {
  cmd160M.onClick = [this] { cmd160M_Click(); };
  cmd75M.onClick = [this] { cmd75M_Click(); };
  cmd40M.onClick = [this] { cmd40M_Click(); };
  cmd30M.onClick = [this] { cmd30M_Click(); };
  cmd20M.onClick = [this] { cmd20M_Click(); };
  cmd17M.onClick = [this] { cmd17M_Click(); };
  cmd15M.onClick = [this] { cmd15M_Click(); };
  cmd12M.onClick = [this] { cmd12M_Click(); };
  cmd10M.onClick = [this] { cmd10M_Click(); };
  for (int k = 0; k < static_cast<int>(Option1.size()); ++k) {
    Option1[k]->onClick = [this, k] { Option1_Click(k); };
  }
  for (int k = 0; k < static_cast<int>(Option2.size()); ++k) {
    Option2[k]->onClick = [this, k] { Option2_Click(k); };
  }
  cmdScanUp.onClick = [this] { cmdScanUp_Click(); };
  cmdStop.onClick = [this] { cmdStop_Click(); };
  cmdPauseCont.onClick = [this] { cmdPauseCont_Click(); };
  form.onQueryUnload = [this](bool& cancel) { Form_QueryUnload(cancel); };
  form.onUnload = [this] { Form_Unload(); };
}

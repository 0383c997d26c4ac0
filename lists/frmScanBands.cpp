// The band sweep's opening, presets, step and rate choices, pause and ways out.
#include "lists/frmScanBands.h"

#include <iterator>

#include "lists/child_window_layout.h"
#include "lists/child_window_modal.h"

namespace {

constexpr int kStepUnits[] = {1, 5, 10, 50, 100};
constexpr double kFastStepSecs = 0.5;
constexpr double kSlowStepSecs = 1.5;

}  // namespace

void frmScanBands::showModal() {
  lists::loadAndShowModal(form, [this] { Form_Load(); });
}

void frmScanBands::Form_Load() {
  // Where the scanner opens, and likewise not pulled back onto the screen.
  lists::placeOverBandFrame(form, frm);
  paused = false;
  stepUnits = 10;
  stepSecs = 0.4;
  infoLabelWasVisible = frm.lblInfo.visible;
  frm.lblInfo.visible = false;
  infoWasVisible = frm.txtInfo.visible;
  frm.txtInfo.visible = true;
  bool inBand = false;  // shows the scanning state while gScanning is raised
  link.gShowInBand(inBand);
}

void frmScanBands::setLimits(const std::string& lower, const std::string& upper) {
  txtScanLow.foreColor = ui::kBlack;
  txtScanHi.foreColor = ui::kBlack;
  txtScanLow.caption = lower;
  txtScanHi.caption = upper;
}

void frmScanBands::cmd160M_Click() {
  setLimits("1.800", "2.000");
}
void frmScanBands::cmd75M_Click() {
  setLimits("3.500", "4.000");
}
void frmScanBands::cmd40M_Click() {
  setLimits("7.000", "7.300");
}
void frmScanBands::cmd30M_Click() {
  setLimits("10.100", "10.150");
}
void frmScanBands::cmd20M_Click() {
  setLimits("14.00", "14.350");
}
void frmScanBands::cmd17M_Click() {
  setLimits("18.068", "18.168");
}
void frmScanBands::cmd15M_Click() {
  setLimits("21.000", "21.450");
}
void frmScanBands::cmd12M_Click() {
  setLimits("24.890", "24.990");
}
void frmScanBands::cmd10M_Click() {
  setLimits("28.000", "29.700");
}

void frmScanBands::Option1_Click(int index) {
  if (index >= 0 && index < static_cast<int>(std::size(kStepUnits))) stepUnits = kStepUnits[index];
}

void frmScanBands::Option2_Click(int index) {
  stepSecs = index == 0 ? kFastStepSecs : kSlowStepSecs;
}

void frmScanBands::cmdPauseCont_Click() {
  paused = !paused;
  cmdPauseCont.caption = paused ? "Con't" : "Pause";
  cmdStop.enabled = !paused;
}

void frmScanBands::cmdStop_Click() {
  stopScan = true;
}

void frmScanBands::Form_QueryUnload(bool& cancel) {
  (void)cancel;  // closing always proceeds
  cmdStop_Click();
  closing = true;
  closeScanBands();
}

void frmScanBands::Form_Unload() {
  frm.form.enabled = true;
}

void frmScanBands::closeScanBands() {
  form.hide();
  frm.txtInfo.visible = infoWasVisible;
  // Nothing else shows the label again, and the band list and scanner write to it.
  frm.lblInfo.visible = infoLabelWasVisible;
}

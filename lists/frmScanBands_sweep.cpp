// The sweep: from the lower limit upward in steps, each frequency confirmed by the tune
// handshake, and again from the bottom after a beep and a pause at the top.
#include "lists/frmScanBands.h"
#include "lists/scan_rules.h"
#include "lists/tune_handshake.h"
#include "platform/runtime_error.h"

namespace {

constexpr double kTopWait = 2.0;
constexpr double kPauseTick = 0.3;

}  // namespace

void frmScanBands::cmdScanUp_Click() {
  stopScan = false;
  closing = false;
  try {
    while (sweepPass()) {
    }
  } catch (const RuntimeError& e) {
    link.gShowInfo(errorText("cmdScanUp_Click", e));
  }
  cmdScanUp.enabled = true;
  if (closing) closeScanBands();
}

bool frmScanBands::sweepPass() {
  cmdScanUp.enabled = false;
  txtScanLow.foreColor = ui::kBlack;
  txtScanHi.foreColor = ui::kBlack;
  if (radioIsLocal()) {
    form.close();
    return false;
  }
  if (txtScanLow.caption->empty()) return false;
  // The limits are read once a pass, so an edit or a preset takes effect after the top.
  long lower = lists::freqTextToUnits(txtScanLow.caption);
  long upper = lists::freqTextToUnits(txtScanHi.caption);
  if (!limitInRange(txtScanLow, lower) || !limitInRange(txtScanHi, upper)) return false;
  for (long current = lower;;) {
    if (stopScan || closing) return false;
    if (radioIsLocal()) {
      form.close();
      return false;
    }
    if (!waitWhilePaused()) return false;
    if (current > upper) {
      platform.ui.beep();
      link.gDelay(kTopWait);
      return true;
    }
    std::string command = lists::sweepCommand(current);
    current += stepUnits;  // the step in force now
    auto abandoned = [this] { return stopScan || closing; };
    auto showCommand = [this, &command] { txtFreq.caption = command + "0"; };
    if (!lists::tuneHandshake(link, command, abandoned, showCommand)) return false;
    if (link.gFreq == command) link.gShowFrequency();
    link.gDelay(stepSecs);  // the rate in force now
  }
}

bool frmScanBands::limitInRange(ui::Control& box, long units) {
  if (lists::isRadioFrequency(units)) return true;
  box.foreColor = ui::kRed;
  box.caption = "Error";
  return false;
}

bool frmScanBands::waitWhilePaused() {
  while (paused) {
    link.gDelay(kPauseTick);
    link.gSendSync("U");
    if (closing) return false;
    // The keep-alive's answers are taken up here, so a switch to LOCAL is seen while paused.
    link.readWaitingResponse();
    if (radioIsLocal()) {
      form.close();
      return false;
    }
  }
  return true;
}

bool frmScanBands::radioIsLocal() const {
  // The sweep updates no display but the digits, so the caption alone would never turn to
  // LOCAL while it runs: the radio's own last report counts too.
  return frm.lblREMOTE.caption == "LOCAL" || link.gRemote == "R0";
}

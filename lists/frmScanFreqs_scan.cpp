// The scan: every checked row in turn, over and over, each tuned by the tune handshake and
// held for the dwell.
#include <algorithm>
#include <cmath>

#include "lists/frmScanFreqs.h"
#include "lists/list_rules.h"
#include "lists/scan_rules.h"
#include "lists/tune_handshake.h"
#include "platform/runtime_error.h"

namespace {

constexpr ui::Color kIdleColor = ui::kLightGrey;
constexpr ui::Color kHighlight = ui::kRed;

}  // namespace

void frmScanFreqs::cmdScan_Click() {
  stopScan = false;
  cmdScan.visible = false;
  cmdStop.visible = true;
  lblError.visible = false;
  for (ui::Control* c : Check1) c->backColor = kIdleColor;
  m_scanning = true;
  try {
    scanPasses();
  } catch (const RuntimeError& e) {
    link.gShowInfo(errorText("cmdScan_Click", e));
  }
  m_scanning = false;
  cmdScan.visible = true;
  cmdStop.visible = false;
  txtDelay.caption = std::to_string(dwellSecs);
}

void frmScanFreqs::scanPasses() {
  for (;;) {
    link.gSendSync("U");
    if (stopScan) return;
    // The dwell of every row of this pass, shown as it is used.
    dwellSecs = dwellFromBox();
    txtDelay.caption = std::to_string(dwellSecs);
    if (checkedRows() == 0) return;
    for (int row = 0; row < kRows; ++row) {
      if (stopScan) return;
      if (Check1[row]->value != 1) continue;
      if (!scanRow(row)) return;
    }
  }
}

bool frmScanFreqs::scanRow(int row) {
  Check1[row]->backColor = kHighlight;
  if (txtFreq[row]->caption->empty()) return false;  // silently; the row stays highlighted
  std::optional<std::string> command = lists::scanFrequencyCommand(txtFreq[row]->caption);
  if (!command) {
    lblError.visible = true;
    return false;
  }
  std::string mode =
      lists::modeCodeForWord(txtMode[row]->caption, lists::ModeWords::Scanner).value_or(link.gMode);
  frm.lblInfo.caption = txtInfo[row]->caption;
  // The mode goes first, so the radio lands on the frequency in the row's mode.
  if (link.gMode != mode) {
    link.gSetMode(mode);
    // The mode change yields: a Stop or a close meanwhile ends the scan before the frequency.
    if (stopScan) return false;
  }
  if (!lists::tuneHandshake(link, *command, [this] { return stopScan; })) return false;
  if (link.gFreq == *command) link.gShowFrequency();
  if (!dwell()) return false;
  txtDelay.caption = std::to_string(dwellSecs);
  Check1[row]->backColor = kIdleColor;
  return true;
}

bool frmScanFreqs::dwell() {
  double start = link.now();
  for (double elapsed = 0; elapsed < dwellSecs; elapsed = link.elapsedSince(start)) {
    txtDelay.caption = std::to_string(static_cast<int>(elapsed));
    // Awake for the next whole second shown, the keep-alive and the dwell's end.
    double nextSecond = std::floor(elapsed) + 1 - elapsed;
    platform.ui.doEvents(std::min({nextSecond, dwellSecs - elapsed, link.secondsToSyncDue("U")}));
    if (stopScan) return false;
    link.gSendSync("U");
    link.readWaitingResponse();
  }
  return true;
}

int frmScanFreqs::checkedRows() const {
  return static_cast<int>(std::count_if(Check1.begin(), Check1.end(),
                                        [](const ui::Control* c) { return c->value == 1; }));
}

// The panel's ways into the other windows: the band buttons, the data box button and the
// menus. Every window opens modally over a disabled panel and enables it again as it closes,
// so each procedure here returns only when its window has gone.
#include <functional>

#include "panel/frmZarvin.h"
#include "platform/runtime_error.h"

namespace {

constexpr const char* kHelpFile = "ZarvinV093.hlp";

// One band list window serves every band: gBand tells it which list to load.
void showBandList(frmZarvin& f, const char* band, const std::function<void()>& open) {
  f.form.enabled = false;
  f.link.gBand = band;
  open();
}

// After a scan the transmit controls follow the radio's last frequency again. A frequency
// that is no number has nobody here to report it to: it counts as out of band, which keeps
// the transmit controls locked.
bool inBandAfterScan(DisplayZarvinStatus& link) {
  try {
    return link.gIsInBand();
  } catch (const RuntimeError&) {
    return false;
  }
}

// The scanners keep the radio in receive, so a transmission that the keep-alive keys (XMT,
// TUNE or the amplifier's tune cycle) ends first, as the cycle's ends end it (XMT and TUNE
// by their off clicks, served once the scan is over): otherwise the main loop's keep-alive
// would key the radio again on the scan's last frequency. A radio whose last word still says it
// transmits (its own panel held it when the "U" went out, and its hand-back went unheard) has
// its "U" too: no scan sweeps a carrier.
void showScanning(DisplayZarvinStatus& link) {
  link.transmitter.unkeyBeforeScan();
  link.gScanning = true;
  bool inBand = false;
  link.gShowInBand(inBand);
}

void endScanning(DisplayZarvinStatus& link) {
  link.gScanning = false;
  bool inBand = inBandAfterScan(link);
  link.gShowInBand(inBand);
}

}  // namespace

void frmZarvin::band160MCmd() {
  showBandList(*this, "160", [this] { openChild(childWindows.bandSelect, "frmBandSelect"); });
  band160MFlag = false;
}

void frmZarvin::band75MCmd() {
  showBandList(*this, "75", [this] { openChild(childWindows.bandSelect, "frmBandSelect"); });
  band75MFlag = false;
}

void frmZarvin::band60MCmd() {
  // The button reads "60 "; the key has no blank.
  showBandList(*this, "60", [this] { openChild(childWindows.bandSelect, "frmBandSelect"); });
  band60MFlag = false;
}

void frmZarvin::band40MCmd() {
  showBandList(*this, "40", [this] { openChild(childWindows.bandSelect, "frmBandSelect"); });
  band40MFlag = false;
}

void frmZarvin::band30MCmd() {
  showBandList(*this, "30", [this] { openChild(childWindows.bandSelect, "frmBandSelect"); });
  band30MFlag = false;
}

void frmZarvin::band20MCmd() {
  showBandList(*this, "20", [this] { openChild(childWindows.bandSelect, "frmBandSelect"); });
  band20MFlag = false;
}

void frmZarvin::band17MCmd() {
  showBandList(*this, "17", [this] { openChild(childWindows.bandSelect, "frmBandSelect"); });
  band17MFlag = false;
}

void frmZarvin::band15MCmd() {
  showBandList(*this, "15", [this] { openChild(childWindows.bandSelect, "frmBandSelect"); });
  band15MFlag = false;
}

void frmZarvin::band12MCmd() {
  showBandList(*this, "12", [this] { openChild(childWindows.bandSelect, "frmBandSelect"); });
  band12MFlag = false;
}

void frmZarvin::band10MCmd() {
  showBandList(*this, "10", [this] { openChild(childWindows.bandSelect, "frmBandSelect"); });
  band10MFlag = false;
}

void frmZarvin::bandWWVCmd() {
  showBandList(*this, "WWV", [this] { openChild(childWindows.bandSelect, "frmBandSelect"); });
  bandWWVFlag = false;
}

void frmZarvin::bandMARSCmd() {
  showBandList(*this, "MARS", [this] { openChild(childWindows.bandSelect, "frmBandSelect"); });
  bandMARSFlag = false;
}

void frmZarvin::viewInDataCmd() {
  // While the caption reads "Hide Data" the parser writes each response into the box.
  if (!txtInData.visible) {
    txtInData.visible = true;
    txtInData.caption = "";
    cmdViewInData.caption = "Hide Data";
  } else {
    txtInData.visible = false;
    cmdViewInData.caption = "Show Data";
  }
  viewInDataFlag = false;
}

void frmZarvin::mnuScanBands_Click() {
  showScanning(link);
  form.enabled = false;
  openChild(childWindows.scanBands, "frmScanBands");
  endScanning(link);
}

void frmZarvin::mnuScanFreqs_Click() {
  form.enabled = false;
  showScanning(link);
  openChild(childWindows.scanFreqs, "frmScanFreqs");
  endScanning(link);
}

void frmZarvin::mnuPortSetup_Click() {
  form.enabled = false;
  openChild(childWindows.portSetup, "frmPortSetup");
}

void frmZarvin::mnuAudioSetup_Click() {
  form.enabled = false;
  openChild(childWindows.audioSetup, "frmAudioSetup");
}

void frmZarvin::mnuHelpAbout_Click() {
  form.enabled = false;
  openChild(childWindows.about, "frmHelp");
}

void frmZarvin::mnuHelpZarvin_Click() {
  // The help file lies beside the program; whether it exists is the viewer's business.
  platform.ui.showHelp(kHelpFile);
}

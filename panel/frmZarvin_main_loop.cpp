// The main loop: one pass after the other, each showing what the radio reported, keeping the
// link alive, keeping the transmit indicator right and serving the request flags in order,
// a keyed transmitter's off clicks first.
#include <algorithm>

#include "link/panel_keying.h"
#include "panel/frmZarvin.h"

namespace {

constexpr double kAmpTuneTimeout = 20.0;
constexpr int kMaxUnansweredSyncs = 5;

struct RequestFlag {
  bool frmZarvin::*flag;
  void (frmZarvin::*action)();
};

// The order in which a pass serves the flags, once the off clicks of a keyed transmitter have
// been served (serveRequestFlags).
constexpr RequestFlag kRequestFlags[] = {
    {&frmZarvin::audioSourceFlag, &frmZarvin::audioSourceCmd},
    {&frmZarvin::agcFlag, &frmZarvin::agcCmd},
    {&frmZarvin::audioFlag, &frmZarvin::audioCmd},
    {&frmZarvin::bfoFlag, &frmZarvin::bfoCmd},
    {&frmZarvin::bfo100Flag, &frmZarvin::bfo100Cmd},
    {&frmZarvin::clippingFlag, &frmZarvin::clippingCmd},
    {&frmZarvin::band160MFlag, &frmZarvin::band160MCmd},
    {&frmZarvin::band75MFlag, &frmZarvin::band75MCmd},
    {&frmZarvin::band60MFlag, &frmZarvin::band60MCmd},
    {&frmZarvin::band40MFlag, &frmZarvin::band40MCmd},
    {&frmZarvin::band30MFlag, &frmZarvin::band30MCmd},
    {&frmZarvin::band20MFlag, &frmZarvin::band20MCmd},
    {&frmZarvin::band17MFlag, &frmZarvin::band17MCmd},
    {&frmZarvin::band15MFlag, &frmZarvin::band15MCmd},
    {&frmZarvin::band12MFlag, &frmZarvin::band12MCmd},
    {&frmZarvin::band10MFlag, &frmZarvin::band10MCmd},
    {&frmZarvin::bandWWVFlag, &frmZarvin::bandWWVCmd},
    {&frmZarvin::bandMARSFlag, &frmZarvin::bandMARSCmd},
    {&frmZarvin::meterFlag, &frmZarvin::meterCmd},
    {&frmZarvin::freqFlag, &frmZarvin::freqCmd},
    {&frmZarvin::modeFlag, &frmZarvin::modeCmd},
    {&frmZarvin::muteFlag, &frmZarvin::muteCmd},
    {&frmZarvin::pttFlag, &frmZarvin::pttCmd},
    {&frmZarvin::sideToneFlag, &frmZarvin::sideToneCmd},
    {&frmZarvin::tuneFlag, &frmZarvin::tuneCmd},
    {&frmZarvin::viewInDataFlag, &frmZarvin::viewInDataCmd},
    {&frmZarvin::voxFlag, &frmZarvin::voxCmd},
    {&frmZarvin::xmitFlag, &frmZarvin::xmitCmd},
    {&frmZarvin::ampPwrFlag, &frmZarvin::ampPwrCmd},
    {&frmZarvin::ampOprFlag, &frmZarvin::ampOprCmd},
    {&frmZarvin::tuneAmpFlag, &frmZarvin::tuneAmpCmd},
    {&frmZarvin::m2vFlag, &frmZarvin::m2vCmd},
    {&frmZarvin::v2mFlag, &frmZarvin::v2mCmd},
    {&frmZarvin::m2cFlag, &frmZarvin::m2cCmd},
    {&frmZarvin::c2mFlag, &frmZarvin::c2mCmd},
    {&frmZarvin::getStatusFlag, &frmZarvin::getStatusCmd},
};

}  // namespace

frmZarvin::Entry frmZarvin::mainLoop() {
  // A break met during the set-ups is over, but a device lost meanwhile still needs its
  // reopen: forgetting it would leave the loop writing to nothing until the sync gives up.
  link.gComBreak = link.MSComm1.deviceGone();
  link.gScanning = false;
  link.gSyncCount = 0;
  m_loopArmed = true;
  for (;;) {
    if (lblREMOTE.caption != panelMode) {
      if (panelMode == "REMOTE" && lblREMOTE.caption == "LOCAL") return Entry::LocalSetup;
      if (panelMode == "LOCAL" && lblREMOTE.caption == "REMOTE") return Entry::RemoteSetup;
      // No set-up has run, or the radio reported no usable state: synchronise again, which
      // waits for the radio or for new port settings while handling events.
      return Entry::Synchronise;
    }
    Entry next = mainLoopPass();
    if (next != Entry::LoopEntry) return next;
  }
}

frmZarvin::Entry frmZarvin::mainLoopPass() {
  platform.ui.doEvents(secondsToNextDue());
  if (link.gComBreak) return Entry::PortSetupReopen;
  link.gUpdateDisplay();
  if (panelMode == "REMOTE") {
    if (link.gAmpTuning) {
      double t = link.now();
      if (static_cast<float>(t) < static_cast<float>(link.gAmpTuneStart)) {
        link.gAmpTuneStart -= 86400.0;  // midnight passed; the time is tested next pass
      } else if (t - link.gAmpTuneStart > kAmpTuneTimeout) {
        // Back to receive before the message waits for OK, whoever keyed the transmitter.
        link.transmitter.unkey();
        platform.ui.messageBox("Tune Cancelled");
        getStatusCmd();
      }
    }
    link.gSendSync(link.gSyncChar);
    if (link.MSComm1.inBufferCount() > 0) link.gReadResponse();
    if (link.gXmitNew) {
      link.gSyncCount = 0;
      if (link.gSyncChar == "U") {
        lblU.backColor = link.gXmit ? ui::kRed : ui::kGreen;
      } else if (link.gSyncChar == "K") {
        lblU.backColor = ui::kRed;
      }
      link.gXmitNew = false;
    }
    if (link.gSyncCount > kMaxUnansweredSyncs) {
      // Answers that no longer arrive say nothing of what the radio still hears: it goes back
      // to receive before the message waits for OK.
      link.transmitter.unkey();
      platform.ui.messageBox("No Sync Response. OK to Restart.");
      return Entry::PortSetupFull;
    }
  }
  // A report read here while keyed is shown before any click puts its command on the line: a
  // retune out of band ends the transmission first.
  if (link.transmitter.keyed()) link.gUpdateDisplay();
  showTransmitState();
  serveRequestFlags();
  if (link.gPortSetupChanged) return Entry::PortSetupFull;
  if (lblREMOTE.caption == "REMOTE" && link.gAudioSetupChanged) return Entry::RemoteSetup;
  if (link.MSComm1.inBufferCount() > 0) link.gReadResponse();
  return Entry::LoopEntry;
}

// The radio's input and the user's actions end the yield by themselves. What an earlier pass
// left to do (a response read at its end, a click during an action's wait, a transmit state to
// show) is due at once; otherwise only the time-outs of a REMOTE pass are.
double frmZarvin::secondsToNextDue() const {
  if (passHasWork()) return 0;
  if (panelMode != "REMOTE") return ui::kNoTimeLimit;
  double wait = link.secondsToSyncDue(link.gSyncChar);
  if (link.gAmpTuning) {
    double elapsed = link.now() - link.gAmpTuneStart;
    wait = std::min(wait, elapsed < 0 ? 0.0 : std::max(0.0, kAmpTuneTimeout - elapsed));
  }
  return wait;
}

bool frmZarvin::passHasWork() const {
  for (const RequestFlag& r : kRequestFlags) {
    if (this->*r.flag) return true;
  }
  bool audioToApply = lblREMOTE.caption == "REMOTE" && link.gAudioSetupChanged;
  return link.gComBreak || link.gPortSetupChanged || audioToApply ||
         (link.MSComm1.portOpen() && link.MSComm1.inBufferCount() > 0) || link.hasStatusToShow() ||
         transmitIndicatorBehind() || (panelMode == "REMOTE" && link.gXmitNew);
}

bool frmZarvin::transmitIndicatorBehind() const {
  return (lblXMTRCV.caption == "Receive" && link.gXmit) ||
         (lblXMTRCV.caption == "Transmit" && !link.gXmit);
}

void frmZarvin::showTransmitState() {
  if (!transmitIndicatorBehind()) return;
  if (link.gXmit) {
    lblU.backColor = ui::kRed;
    lblXMTRCV.backColor = ui::kRed;
    lblXMTRCV.caption = "Transmit";
    link.gShowMeterFunction();
    // Enter, the only end of an entry, is locked from here on: one that an error abandoned
    // half-way ends now (one under way ends by itself once the transmitter keys).
    if (!keypadDone) endKeypadEntry();
    cmdFreq.enabled = false;
    cmdEnter.enabled = false;
    for (ui::Control* digit : cmdF) digit->enabled = false;
  } else {
    lblXMTRCV.backColor = ui::kGreen;
    lblXMTRCV.caption = "Receive";
    link.gShowMeterFunction();
    // Whatever state the set-up had given them, also in LOCAL operation.
    cmdFreq.enabled = true;
    cmdEnter.enabled = true;
    for (ui::Control* digit : cmdF) digit->enabled = true;
  }
}

void frmZarvin::serveRequestFlags() {
  // An off click made is served before anything else: an action earlier in the order may hold
  // the loop (a band list, until the user closes it) with the transmitter keyed meanwhile.
  if (xmitFlag && cmdXmit.caption == kXmitOff) xmitCmd();
  if (tuneFlag && cmdTune.caption == kTuneOff) tuneCmd();
  if (tuneAmpFlag && link.gAmpTuning) tuneAmpCmd();
  for (const RequestFlag& r : kRequestFlags) {
    if (this->*r.flag) (this->*r.action)();
  }
}

void frmZarvin::lowerKeyingFlags() {
  if (cmdXmit.caption != kXmitOff) xmitFlag = false;
  if (cmdTune.caption != kTuneOff) tuneFlag = false;
  if (!link.gAmpTuning) tuneAmpFlag = false;
}

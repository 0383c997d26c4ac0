// Synchronising with the radio: "?" until it answers, then the set-up its state asks for.
#include "panel/frmZarvin.h"

namespace {

constexpr double kReopenInterval = 5.0;

}  // namespace

frmZarvin::Entry frmZarvin::synchronise() {
  // Shows the radio's R status in white and names the set-up it asks for; Synchronise when
  // it names neither.
  auto setUpForRadioState = [this] {
    link.gShowRemote();
    lblREMOTE.foreColor = ui::kWhite;
    if (link.gRemote == "R1") return Entry::RemoteSetup;
    if (link.gRemote == "R0") return Entry::LocalSetup;
    return Entry::Synchronise;
  };
  // The link is lost or new: a transmission still keyed ends now, rather than leaving the
  // carrier on while no radio answers and no off click is served (a radio that hears but does
  // not answer, a break on the line). XMT and TUNE show it ended once the loop serves their off
  // clicks after the set-up.
  link.transmitter.unkey();
  link.gDelay(0.5);
  link.gRemoteNew = false;
  // An answer from before a restart must not count: the radio has to answer afresh.
  link.gGotHashDot = false;
  sendStatusRequest();
  // The first answer counts with any R line, complete or not.
  if (waitingChars() > 0) {
    step([&] { link.gReadResponse(); });
    if (link.gRemoteNew) {
      Entry next = setUpForRadioState();
      if (next != Entry::Synchronise) return next;
    }
  }
  for (;;) {
    platform.ui.doEvents(0);
    if (link.gPortSetupChanged) return Entry::PortSetupFull;
    // A device that went away is opened afresh at once, and a port that could not be opened
    // (an unplugged adapter) is tried again now and then; a break on the line is waited out.
    bool retry = !link.MSComm1.portOpen() && link.elapsedSince(m_lastOpenTry) >= kReopenInterval;
    if (!link.gPortNumber.empty() && (link.MSComm1.deviceGone() || retry)) openPort();
    sendStatusRequest();
    if (waitingChars() > 0) {
      step([&] { link.gFlushInput(); });
      sendStatusRequest();
      step([&] { link.gReadResponse(); });
      // A full answer without a usable R line: keep asking.
      if (link.gGotHashDot) {
        Entry next = setUpForRadioState();
        if (next != Entry::Synchronise) return next;
      }
    } else if (link.MSComm1.commEvent() == kCommEventBreak) {
      link.gDelay(5.0);
    }
  }
}

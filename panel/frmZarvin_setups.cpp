// The REMOTE and LOCAL set-ups (first cut: mode and firmware only).
#include "panel/frmZarvin.h"

bool frmZarvin::waitForFullAnswer() {
  link.gRemoteNew = false;
  link.gGotHashDot = false;
  for (int polls = 0; polls < 10; ++polls) {
    sendStatusRequest();
    link.gReadResponse();
    if (link.gGotHashDot) return true;
    platform.ui.doEvents(0);
  }
  return false;
}

frmZarvin::Entry frmZarvin::remoteSetup() {
  panelMode = "REMOTE";
  link.gAudioSetupChanged = false;
  if (!waitForFullAnswer()) {
    lblComStat.caption = "No Com";
    return Entry::Synchronise;
  }
  detectFirmware();
  link.gSyncChar = "U";
  return Entry::LoopEntry;
}

frmZarvin::Entry frmZarvin::localSetup() {
  panelMode = "LOCAL";
  if (!waitForFullAnswer()) {
    lblComStat.caption = "No Com";
    return Entry::Synchronise;
  }
  detectFirmware();
  link.gSyncChar = " ";
  return Entry::LoopEntry;
}

// Keying the transmitter (XMT), the tune carrier (TUNE) and the external amplifier.
//
// "K" keys and "U" unkeys; both are also the keep-alive character, so each action leaves the
// new state in gSyncChar for the main loop's keep-alive to repeat.
#include <initializer_list>
#include <string>

#include "link/panel_keying.h"
#include "panel/frmZarvin.h"

namespace {

constexpr const char* kSwitchingUp = " >> ";
constexpr const char* kSwitchingDown = " << ";
constexpr double kAmpSettle = 0.2;
constexpr double kRestoreSettle = 0.5;

// The restore after a tune must end even when the radio never reports the saved value: one
// step more than the longest way round the mode cycle (3) and the audio-source cycle (2).
constexpr int kMaxModeSteps = 4;
constexpr int kMaxSourceSteps = 3;

bool isOneOf(const std::string& value, std::initializer_list<const char*> codes) {
  for (const char* code : codes) {
    if (value == code) return true;
  }
  return false;
}

bool isModeCode(const std::string& v) {
  return isOneOf(v, {"M1", "M2", "M3", "M4"});
}
bool isSourceCode(const std::string& v) {
  return isOneOf(v, {"H1", "H2", "H3"});
}
bool isSideToneCode(const std::string& v) {
  return isOneOf(v, {"S0", "S1"});
}
bool isPttCode(const std::string& v) {
  return isOneOf(v, {"'0", "'1"});
}

// XMT as its own off click leaves it: "XMT ON", and both transmit buttons as the band rule
// gives them.
void showXmitOff(frmZarvin& f) {
  f.cmdXmit.caption = kXmitOn;
  enableTransmitButtons(f, f.link.transmitAllowed());
}

// XMT comes back only where the transmitter may be keyed, as after XMT's own off; Mode only
// where the set-up had given it, so not under the radio's own front panel.
void showTuneOff(frmZarvin& f, bool panelControls) {
  f.cmdTune.caption = kTuneOn;
  enableTransmitButtons(f, f.link.transmitAllowed());
  if (panelControls) f.cmdMode.enabled = true;
}

// Keys the transmitter in AME for tuning; the settings that the tune changes are kept for
// its end.
void startTune(frmZarvin& f) {
  DisplayZarvinStatus& link = f.link;
  f.savedMode = link.gMode;
  f.savedSideTone = link.gSideTone;
  f.savedPTT = link.gPTT;
  f.savedAudioSource = link.gAudioSource;
  link.gSetMode("M3");
  link.gSendSync("K");
  link.gSyncChar = "K";
  f.cmdTune.caption = kTuneOff;
  f.cmdXmit.enabled = false;
  f.cmdMode.enabled = false;
}

// Brings the mode back. Generation 2 sets it; the others can only step it round.
void restoreMode(frmZarvin& f) {
  DisplayZarvinStatus& link = f.link;
  if (!isModeCode(f.savedMode)) return;
  if (link.gFWType == 2) {
    link.gSetMode(f.savedMode);
    return;
  }
  for (int step = 0; step < kMaxModeSteps && link.gMode != f.savedMode; ++step) link.gNextMode();
}

// Puts back the audio source, side tone and PTT enable that the tune changed, each only
// towards a value the radio had really reported at the start.
void restoreOtherSettings(frmZarvin& f) {
  DisplayZarvinStatus& link = f.link;
  if (isSourceCode(f.savedAudioSource)) {
    for (int step = 0; step < kMaxSourceSteps && link.gAudioSource != f.savedAudioSource; ++step) {
      link.gSendCommand("H", true, kRestoreSettle);
      link.gReadResponse();
    }
  }
  if (isSideToneCode(f.savedSideTone) && link.gSideTone != f.savedSideTone) {
    link.gSendCommand("S", true, kRestoreSettle);
    link.gReadResponse();
  }
  // On the oldest firmware a mode step may switch the PTT enable, and stepping the mode
  // does not put it back.
  if (link.gFWType == 1 && isPttCode(f.savedPTT) && link.gPTT != f.savedPTT) link.gTogglePTT();
}

// Unkeys and puts back what the tune changed. A stop that runs after the radio went LOCAL
// (raised by the end of an amplifier tune cycle) puts back only what the radio takes under
// its own front panel, generation 2's absolute mode code: the older firmware would ignore
// every step back, each mode step with its error message.
void stopTune(frmZarvin& f) {
  DisplayZarvinStatus& link = f.link;
  link.gSendSync("U");
  // Receive from here on: a run-time error in a later step sends the main loop back to its
  // entry, whose keep-alive must not key the radio again.
  link.gSyncChar = "U";
  link.gReadResponse();
  bool panelControls = f.lblREMOTE.caption != "LOCAL";
  if (panelControls || link.gFWType == 2) restoreMode(f);
  if (panelControls) restoreOtherSettings(f);
  showTuneOff(f, panelControls);
}

// A band check that ran during the keying click's own waits (a band list's timer tick) and
// found the frequency out of band locked the button before it showed keyed: the transmission
// ends as that check ends one it finds keyed, through the off click, raised after this one.
void endIfLockedWhileKeying(frmZarvin& f, const ui::Control& button, const char* keyed) {
  if (button.caption == keyed && !button.enabled) f.link.unkeyNow();
}

}  // namespace

// A click raised before its button was locked (by the band check, or by the other button
// keying meanwhile) keys nothing: the lock is the one rule for where the transmitter may key.
void frmZarvin::xmitCmd() {
  if (cmdXmit.caption == kXmitOn && cmdXmit.enabled) {
    link.gSendSync("K");
    cmdXmit.caption = kXmitOff;
    link.gSyncChar = "K";
    cmdTune.enabled = false;
  } else if (cmdXmit.caption == kXmitOff) {
    link.gSendSync("U");
    link.gSyncChar = "U";
    showXmitOff(*this);
  }
  xmitFlag = false;
  endIfLockedWhileKeying(*this, cmdXmit, kXmitOff);
}

void frmZarvin::tuneCmd() {
  if (cmdTune.caption == kTuneOn && cmdTune.enabled) {
    startTune(*this);
  } else if (cmdTune.caption == kTuneOff) {
    stopTune(*this);
  }
  tuneFlag = false;
  endIfLockedWhileKeying(*this, cmdTune, kTuneOff);
}

void frmZarvin::ampPwrCmd() {
  if (lblAmpPwr.caption == "OFF") {
    lblAmpPwr.caption = kSwitchingUp;
    link.gSendCommand("O2", true, kAmpSettle);
  } else if (lblAmpPwr.caption == "ON") {
    lblAmpPwr.caption = kSwitchingDown;
    link.gSendCommand("O1", true, kAmpSettle);
  }
  ampPwrFlag = false;
}

void frmZarvin::ampOprCmd() {
  if (lblAmpOpStby.caption == "Standby") {
    lblAmpOpStby.caption = kSwitchingUp;
    link.gSendCommand("O4", true, kAmpSettle);
  } else if (lblAmpOpStby.caption == "Operate") {
    lblAmpOpStby.caption = kSwitchingDown;
    link.gSendCommand("O3", true, kAmpSettle);
  }
  ampOprFlag = false;
}

void frmZarvin::tuneAmpCmd() {
  if (link.gAmpTuning) {
    link.endAmpTuneCycle();
    link.gSendCommand("U", false, kAmpSettle);
  } else if (lblAmpTuned.caption == "Start Tune" && link.transmitAllowed()) {
    // The cycle keys the transmitter, so only where XMT and TUNE may key it.
    lblAmpTuned.caption = kSwitchingUp;
    link.gAmpTuning = true;
    link.gAmpTuneStart = link.now();
    link.gSendCommand("K", false, kAmpSettle);
    link.gSyncChar = "K";
    // A band check during the wait above saw nothing keyed yet: the cycle ends as it would.
    if (!link.transmitAllowed()) link.unkeyNow();
  }
  tuneAmpFlag = false;
}

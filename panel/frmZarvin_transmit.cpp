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
  f.link.transmitter.enableButtons(f.link.transmitter.mayKey());
}

// XMT comes back only where the transmitter may be keyed, as after XMT's own off; Mode only
// where the set-up had given it, so not under the radio's own front panel.
void showTuneOff(frmZarvin& f, bool panelControls) {
  f.cmdTune.caption = kTuneOn;
  f.link.transmitter.enableButtons(f.link.transmitter.mayKey());
  if (panelControls) f.cmdMode.enabled = true;
}

// A device that has gone answers no step back: each would wait for its answer in vain (a mode
// step with its message), while the port waits for the loop to open it afresh.
bool deviceThere(const DisplayZarvinStatus& link) {
  return !link.MSComm1.deviceGone();
}

// Brings the mode back. Generation 2 sets it; the others can only step it round.
void restoreMode(frmZarvin& f) {
  DisplayZarvinStatus& link = f.link;
  if (!isModeCode(f.savedMode)) return;
  if (link.gFWType == 2) {
    link.gSetMode(f.savedMode);
    return;
  }
  for (int step = 0; step < kMaxModeSteps && link.gMode != f.savedMode && deviceThere(link); ++step)
    link.gNextMode();
}

// Puts back the audio source, side tone and PTT enable that the tune changed, each only
// towards a value the radio had really reported at the start.
void restoreOtherSettings(frmZarvin& f) {
  DisplayZarvinStatus& link = f.link;
  if (isSourceCode(f.savedAudioSource)) {
    for (int step = 0;
         step < kMaxSourceSteps && link.gAudioSource != f.savedAudioSource && deviceThere(link);
         ++step) {
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

// Puts back what the tune changed. After the radio went LOCAL (a stop raised by the end of
// an amplifier tune cycle) only what the radio takes under its own front panel goes back,
// generation 2's absolute mode code: the older firmware would ignore every step back, each mode
// step with its error message.
void putBackAfterTune(frmZarvin& f) {
  bool panelControls = f.lblREMOTE.caption != "LOCAL";
  if (panelControls || f.link.gFWType == 2) restoreMode(f);
  if (panelControls) restoreOtherSettings(f);
  showTuneOff(f, panelControls);
}

// Keys the transmitter in AME for tuning; the settings that the tune changes are kept for its
// end. Shown keyed before the mode's waits, which may see the transmission ended (a scan menu):
// then nothing keys after them, and what the tune changed goes back. Returns whether it keyed.
bool startTune(frmZarvin& f) {
  DisplayZarvinStatus& link = f.link;
  f.savedMode = link.gMode;
  f.savedSideTone = link.gSideTone;
  f.savedPTT = link.gPTT;
  f.savedAudioSource = link.gAudioSource;
  Transmitter::Keying keying = link.transmitter.beginKeying();
  f.cmdTune.caption = kTuneOff;
  f.cmdXmit.enabled = false;
  f.cmdMode.enabled = false;
  link.gSetMode("M3");
  if (link.transmitter.key(keying, Transmitter::kKeepAliveSettle)) return true;
  putBackAfterTune(f);
  return false;
}

// Unkeys, then puts back what the tune changed. A stop raised by an end that has unkeyed
// already has no answer to its "U" to wait for.
void stopTune(frmZarvin& f) {
  bool keyed = f.link.transmitter.keyed();
  f.link.transmitter.unkey();
  if (keyed) f.link.gReadResponse();
  putBackAfterTune(f);
}

}  // namespace

// A click raised before its button was locked (by the band check, or by the other button
// keying meanwhile) keys nothing: the lock is the one rule for where the transmitter may key.
// XMT shows keyed before the wait of its "K": whatever ends the transmission inside that wait
// finds it keyed, and XMT then shows it ended.
// A keying click lowers its flag before its waits, so that a click made in them, on the button
// that shows keyed, is the user's off click and is served next. Ended in its waits, it lowers
// the flag again: that end raised the off click already, and is the same click.
void frmZarvin::xmitCmd() {
  Transmitter& transmitter = link.transmitter;
  if (cmdXmit.caption == kXmitOn && cmdXmit.enabled) {
    xmitFlag = false;
    Transmitter::Keying keying = transmitter.beginKeying();
    cmdXmit.caption = kXmitOff;
    cmdTune.enabled = false;
    if (transmitter.key(keying, Transmitter::kKeepAliveSettle)) return;
    showXmitOff(*this);
  } else if (cmdXmit.caption == kXmitOff) {
    transmitter.unkey();
    showXmitOff(*this);
  }
  xmitFlag = false;
}

void frmZarvin::tuneCmd() {
  if (cmdTune.caption == kTuneOn && cmdTune.enabled) {
    tuneFlag = false;
    if (startTune(*this)) return;
  } else if (cmdTune.caption == kTuneOff) {
    stopTune(*this);
  }
  tuneFlag = false;
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
  Transmitter& transmitter = link.transmitter;
  if (link.gAmpTuning) {
    transmitter.unkey(kAmpSettle);
  } else if (lblAmpTuned.caption == "Start Tune" && transmitter.mayKey()) {
    // The cycle keys the transmitter, so only where XMT and TUNE may key it.
    tuneAmpFlag = false;
    lblAmpTuned.caption = kSwitchingUp;
    link.gAmpTuning = true;
    link.gAmpTuneStart = link.now();
    if (transmitter.key(transmitter.beginKeying(), kAmpSettle)) return;
  }
  tuneAmpFlag = false;
}

// The external amplifier's state (O lines) and its tuner's progress (T lines) on the "Amp"
// group. The amplifier buttons compare these captions, so they are exact.
#include "link/DisplayZarvinStatus.h"
#include "link/panel_keying.h"

namespace {

// Ends what XMT or TUNE had keyed as that button's own off click ends it, once the
// transmitter has been sent back to receive: the click is raised for the main loop to serve.
void raiseKeyedOffClicks(FrontPanel& frm) {
  if (frm.cmdXmit.caption == kXmitOff && frm.cmdXmit.onClick) frm.cmdXmit.onClick();
  if (frm.cmdTune.caption == kTuneOff && frm.cmdTune.onClick) frm.cmdTune.onClick();
}

struct AmpRow {
  const char* code;
  const char* power;
  ui::Color powerBack;
  const char* operate;
  ui::Color operateBack;
  bool operating;  // the tuner label keeps its caption and the tune button is live
};

constexpr AmpRow kAmpRows[] = {
    {"O1", "OFF", ui::kWhite, "", ui::kWhite, false},      // switched off
    {"O2", "ON", ui::kRed, "Warmup", ui::kYellow, false},  // warming up
    {"O3", "ON", ui::kRed, "Standby", ui::kGreen, false},  // standing by
    {"O4", "ON", ui::kRed, "Operate", ui::kRed, true},     // operating
};

}  // namespace

void DisplayZarvinStatus::gShowAmpState() {
  for (const AmpRow& row : kAmpRows) {
    if (gAmp != row.code) continue;
    frm.lblAmpPwr.caption = row.power;
    frm.lblAmpPwr.backColor = row.powerBack;
    frm.lblAmpOpStby.caption = row.operate;
    frm.lblAmpOpStby.backColor = row.operateBack;
    if (row.operating) {
      frm.lblAmpTuned.backColor = ui::kYellow;
    } else {
      frm.lblAmpTuned.caption = "";
      frm.lblAmpTuned.backColor = ui::kWhite;
    }
    frm.cmdTuneAmp.enabled = row.operating;
    return;
  }
}

void DisplayZarvinStatus::gShowAmpTune() {
  if (gAmp != "O4") return;
  ui::Control& tuned = frm.lblAmpTuned;
  if (gAmpTune == "T1") {
    // During a cycle the idle and ready reports must not bring back "Start Tune".
    if (gAmpTuning) return;
    tuned.caption = "";
    tuned.backColor = ui::kWhite;
  } else if (gAmpTune == "T2") {
    if (gAmpTuning) return;
    tuned.caption = "Start Tune";
    tuned.backColor = ui::kGreen;
  } else if (gAmpTune == "T3") {
    tuned.caption = "Tuning";
    tuned.backColor = ui::kYellow;
  } else if (gAmpTune == "T4") {
    tuned.caption = "Tuned";
    tuned.backColor = ui::kRed;
    // Only the cycle that the panel's TUN button keyed ends here: a "Tuned" report that
    // arrives at any other time (a status answer while XMT keys) must not unkey.
    if (!gAmpTuning) return;
    endAmpTuneCycle();
    gSendSync(gSyncChar);
  }
}

void DisplayZarvinStatus::endAmpTuneCycle() {
  gAmpTuning = false;
  gSyncChar = "U";
  // Each runs as its own off click's action, from the main loop: TUNE's stop steps the radio
  // back and waits for its answers, never nested in the display or the timer tick that saw
  // the cycle end; and an off click that the user made meanwhile is the same click, which
  // must not find XMT already off and key again.
  raiseKeyedOffClicks(frm);
}

void DisplayZarvinStatus::unkeyNow() {
  if (gSyncChar != "K") return;
  endAmpTuneCycle();
  gSendSync(gSyncChar);
}

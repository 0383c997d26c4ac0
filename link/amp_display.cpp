// The external amplifier's state (O lines) and its tuner's progress (T lines) on the "Amp"
// group. The amplifier buttons compare these captions, so they are exact.
#include "link/DisplayZarvinStatus.h"

namespace {

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
    transmitter.unkey();
  }
}

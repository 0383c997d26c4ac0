// BFO and RF gain. The BFO commands go straight to the port, one per slider event, so that
// dragging the slider is heard at once; the RF gain goes through gSendCommand.
#include <algorithm>
#include <cmath>
#include <string>

#include "panel/frmZarvin.h"

namespace {

constexpr int kBfoCentre = 100;  // slider position of no offset
constexpr int kBfoMax = 200;
constexpr int kBfoHzPerStep = 10;
constexpr double kBfoZeroSettle = 0.05;
constexpr double kRfGainSettle = 0.1;

// A number as `width` digits, zero-padded.
std::string zeroPadded(int value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// The BFO command for the offset kept in `offset`, written without waiting for the output
// buffer. A port that cannot take it drops it, as a busy one would.
void writeBfo(DisplayZarvinStatus& link, const std::string& offset) {
  try {
    link.MSComm1.output("B" + offset + "\n");
  } catch (const RuntimeError&) {
  }
}

}  // namespace

void frmZarvin::bfoCmd() {
  if (!bfoOn) {
    // Switching on resends the kept offset; after a switch-off that is no offset at all.
    bfoOn = true;
    lblBFOOn.caption = "BFO";
    lblPorM.caption = "";
    writeBfo(link, link.gBFOOffset);
    lblBFOState.caption = "ON";
    sliBFO.visible = true;
    sliBFO.enabled = true;
  } else {
    bfoOn = false;
    sliBFO.value = kBfoCentre;
    lblBFOslider.caption = "000";
    link.gBFOOffset = zeroPadded(kBfoCentre, 3);
    writeBfo(link, link.gBFOOffset);
    lblBFOState.caption = "OFF";
    sliBFO.enabled = false;
    lblBFOOn.caption = "";
    lblPorM.caption = "";
  }
  bfoFlag = false;
}

void frmZarvin::bfo100Cmd() {
  // Zeroing keeps the on/off state (lblBFOState stays true to it) but forgets the offset, so
  // that a later switch-on cannot bring back an offset the panel no longer shows.
  link.gSendCommand("B" + zeroPadded(kBfoCentre, 3), true, kBfoZeroSettle);
  sliBFO.value = kBfoCentre;
  link.gBFOOffset = zeroPadded(kBfoCentre, 3);
  lblBFOslider.caption = "000";
  lblPorM.caption = "";
  bfo100Flag = false;
}

void frmZarvin::sliBFO_Scroll() {
  // The radio takes 000 to 200 only; a slider laid out with another range must not make it
  // send a longer or negative code.
  int v = std::clamp(sliBFO.value.get(), 0, kBfoMax);
  int hz = (v - kBfoCentre) * kBfoHzPerStep;
  if (v < kBfoCentre) {
    lblBFOslider.caption = std::to_string(hz);
    lblPorM.caption = "-";
  } else if (v == kBfoCentre) {
    lblPorM.caption = "";
    lblBFOslider.caption = "000";
  } else {
    lblPorM.caption = "+";
    lblBFOslider.caption = "+" + std::to_string(hz);
  }
  link.gBFOOffset = zeroPadded(v, 3);
  writeBfo(link, link.gBFOOffset);
}

void frmZarvin::sliRFGain_Scroll() {
  // The slider shows gain (its maximum is full gain); the radio takes attenuation steps.
  int maximum = std::max(sliRFGain.max.get(), 0);
  int position = std::clamp(sliRFGain.value.get(), 0, maximum);
  int attenuation = maximum - position;
  int percent = maximum > 0 ? static_cast<int>(std::lround(100.0 * position / maximum)) : 100;
  lblRFGain.caption = std::to_string(percent) + "%";
  link.gSendCommand("G" + zeroPadded(attenuation, 2), true, kRfGainSettle);
}

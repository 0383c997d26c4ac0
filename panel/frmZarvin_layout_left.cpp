// The left column: meter, RF gain, BFO and the switch buttons with their states.
#include "link/front_panel.h"
#include "panel/frmZarvin_layout_parts.h"

namespace layout {
namespace {

void layOutMeter(FrontPanel& p) {
  captionedFrame(p.fraMeter);
  place(p.fraMeter, 16, 16, 244, 90);
  place(p.cmdMeter, 8, 20, 30, 24);
  p.cmdMeter.font = sans(7.8);
  p.cmdMeter.toolTip = "Next Meter Function";
  place(p.lblMeter, 42, 21, 100, 22);
  stateLabel(p.lblMeter, ui::kLightGrey);
  place(p.lblPk, 148, 21, 26, 22);
  stateLabel(p.lblPk, ui::kLightGrey);
  place(p.lblMeterPk, 176, 21, 60, 22);
  stateLabel(p.lblMeterPk, ui::kLightGrey);
  p.lblMeterPk.font = sans(9.6);
  place(p.pbMeter, 8, 50, 228, 18);
  p.pbMeter.min = 0;
  p.pbMeter.max = 21;
  p.pbMeter.value = 0;
  // The scales are 38 characters spaced to line up under the bar: a fixed-pitch face at
  // 6 pixels a character spans the bar's 228 pixels exactly.
  place(p.lblMeterScale, 8, 68, 228, 15);
  p.lblMeterScale.font = ui::Font{"Courier New", 7.8, true};
  p.lblMeterScale.backColor = ui::kFrameGrey;
  p.lblMeterScale.alignment =
      ui::Alignment::Center;  // no inset: the text starts at the bar's left end
}

void layOutRfGain(FrontPanel& p) {
  captionedFrame(p.fraRF);
  place(p.fraRF, 16, 112, 244, 56);
  place(p.sliRFGain, 8, 22, 186, 26);
  p.sliRFGain.min = 0;
  p.sliRFGain.max = 63;
  p.sliRFGain.value = 63;
  p.sliRFGain.smallChange = 1;
  p.sliRFGain.largeChange = 5;
  p.sliRFGain.toolTip = "Adjust RF Gain";
  p.sliRFGain.backColor = ui::kFrameGrey;
  place(p.lblRFGain, 198, 24, 38, 22);
  stateLabel(p.lblRFGain, ui::kSysButtonFace);
  p.lblRFGain.font = sans(9.6);
}

void layOutBfo(FrontPanel& p) {
  captionedFrame(p.fraBFO);
  place(p.fraBFO, 16, 174, 244, 84);
  place(p.cmdBFO100, 8, 22, 40, 24);
  p.cmdBFO100.font = sans(9.6);
  p.cmdBFO100.toolTip = "Zero the BFO Offset";
  place(p.cmdBFO, 52, 22, 30, 24);
  p.cmdBFO.font = sans(7.8);
  p.cmdBFO.toolTip = "Toggle BFO State";
  place(p.lblBFOState, 86, 23, 48, 22);
  stateLabel(p.lblBFOState, ui::kSysButtonFace);
  p.lblBFOState.font = sans(9.6);
  place(p.sliBFO, 8, 52, 186, 26);
  p.sliBFO.min = 0;
  p.sliBFO.max = 200;
  p.sliBFO.value = 100;
  p.sliBFO.smallChange = 1;
  p.sliBFO.largeChange = 10;
  p.sliBFO.toolTip = "Adjust BFO Offset";
  p.sliBFO.backColor = ui::kFrameGrey;
  place(p.lblBFOslider, 198, 54, 38, 22);
  stateLabel(p.lblBFOslider, ui::kSysButtonFace);
  p.lblBFOslider.font = sans(9.6);
}

/// A switch button with its state label underneath, in column col (0 to 2) of row row (0, 1).
void switchPair(ui::Control& button, ui::Control& state, int col, int row, double buttonPoints) {
  int x = 8 + col * 76;
  int y = 8 + row * 52;
  place(button, x, y, 72, 24);
  button.font = sans(buttonPoints);
  place(state, x, y + 26, 72, 21);
  stateLabel(state, ui::kSysButtonFace);
  state.font = sans(9.6);
}

}  // namespace

void layOutMeterGroups(FrontPanel& p) {
  layOutMeter(p);
  layOutRfGain(p);
  layOutBfo(p);
}

void layOutLeftButtons(FrontPanel& p) {
  plainFrame(p.fraLeftButtons);
  place(p.fraLeftButtons, 16, 264, 244, 177);
  switchPair(p.cmdMute, p.lblMute, 0, 0, 7.8);
  p.cmdMute.toolTip = "Toggle Panel Speaker";
  switchPair(p.cmdSideTone, p.lblSideTone, 1, 0, 7.8);
  switchPair(p.cmdAudio, p.lblInput, 2, 0, 9.6);
  p.cmdAudio.toolTip = "Select Local or Remote Audio";
  switchPair(p.cmdVOX, p.lblVox, 0, 1, 7.8);
  switchPair(p.cmdClipping, p.lblClipping, 1, 1, 7.8);
  p.cmdClipping.enabled = false;
  switchPair(p.cmdPTT, p.lblPTT, 2, 1, 7.8);

  place(p.cmdTune, 8, 110, 110, 44);
  p.cmdTune.enabled = false;
  place(p.cmdXmit, 122, 110, 110, 44);
  p.cmdXmit.enabled = false;

  int x = 8;
  for (ui::Control* spare : {&p.Command3, &p.Command4, &p.Command5, &p.Command6}) {
    place(*spare, x, 159, 53, 12);
    spare->toolTip = "No Function";
    spare->enabled = false;
    x += 57;
  }
}

}  // namespace layout

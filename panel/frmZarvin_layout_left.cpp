// The left column: meter, RF gain, BFO and the switch buttons with their states.
#include "link/front_panel.h"
#include "panel/frmZarvin_layout_parts.h"

namespace layout {
namespace {

/// A label showing a value or state in the groups: centred on button-face grey, 9.6 pt bold.
void valueLabel(ui::Control& label, int x, int y, int width, int height) {
  place(label, x, y, width, height);
  stateLabel(label, ui::kSysButtonFace);
  label.font = sans(9.6);
}

/// A slider across its group, from 0 to max, with the label of its value at its right end.
void sliderWithValue(ui::Control& slider, ui::Control& value, int y, int max, int start,
                     int largeChange, const std::string& toolTip) {
  place(slider, 8, y, 186, 26);
  slider.min = 0;
  slider.max = max;
  slider.value = start;
  slider.smallChange = 1;
  slider.largeChange = largeChange;
  slider.toolTip = toolTip;
  slider.backColor = ui::kFrameGrey;
  valueLabel(value, 198, y + 2, 38, 22);
}

void layOutMeter(FrontPanel& p) {
  captionedFrame(p.fraMeter);
  place(p.fraMeter, 16, 16, 244, 90);
  tippedButton(p.cmdMeter, 8, 20, 30, 24, 7.8, "Next Meter Function");
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
  sliderWithValue(p.sliRFGain, p.lblRFGain, 22, 63, 63, 5, "Adjust RF Gain");
}

void layOutBfo(FrontPanel& p) {
  captionedFrame(p.fraBFO);
  place(p.fraBFO, 16, 174, 244, 84);
  tippedButton(p.cmdBFO100, 8, 22, 40, 24, 9.6, "Zero the BFO Offset");
  tippedButton(p.cmdBFO, 52, 22, 30, 24, 7.8, "Toggle BFO State");
  valueLabel(p.lblBFOState, 86, 23, 48, 22);
  sliderWithValue(p.sliBFO, p.lblBFOslider, 52, 200, 100, 10, "Adjust BFO Offset");
}

/// A switch button with its state label underneath, in column col (0 to 2) of row row (0, 1).
void switchPair(ui::Control& button, ui::Control& state, int col, int row, double buttonPoints) {
  int x = 8 + col * 76;
  int y = 8 + row * 52;
  place(button, x, y, 72, 24);
  button.font = sans(buttonPoints);
  valueLabel(state, x, y + 26, 72, 21);
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

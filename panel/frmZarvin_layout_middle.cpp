// The middle column: the frequency group, and under it the amplifier, channel and keypad groups.
#include <vector>

#include "link/front_panel.h"
#include "panel/frmZarvin_layout_parts.h"

namespace layout {
namespace {

struct StateCell {
  ui::Control* label;
  int width;
};

/// A selector button followed on its row by its state labels, each as wide as given.
void selectorRow(ui::Control& button, int y, const std::vector<StateCell>& cells) {
  place(button, 8, y, 76, 24);
  button.font = sans(9.6);
  int x = 88;
  for (const StateCell& cell : cells) {
    place(*cell.label, x, y + 1, cell.width, 22);
    stateLabel(*cell.label, ui::kLightGrey);
    cell.label->foreColor = ui::kSysButtonText;
    x += cell.width + 3;
  }
}

/// The VFO digits read as kilohertz with two decimals: 2 digits, ",", 3 digits, ".", 2 digits.
void layOutVfoDigits(FrontPanel& p) {
  plainFrame(p.fraFreq);
  place(p.fraFreq, 8, 48, 282, 76);
  const ui::Font digitFont{"Courier New", 36, true};
  int x = 4;
  for (int i = 0; i < 7; ++i) {
    if (i == 2 || i == 5) {
      ui::Control& separator = i == 2 ? p.Command1 : p.Command2;
      place(separator, x, 4, 18, 68);
      separator.font = digitFont;
      x += 18;
    }
    place(*p.cmdF[i], x, 4, 34, 68);
    p.cmdF[i]->font = digitFont;
    x += 34;
  }
  p.cmdF[0]->toolTip = "Left Click Up,Right Click Down";
}

}  // namespace

void layOutFrequencyGroup(FrontPanel& p) {
  captionedFrame(p.Frame1);
  place(p.Frame1, 266, 16, 360, 220);
  place(p.lblInfo, 8, 20, 216, 22);
  p.lblInfo.foreColor = ui::kBlack;
  p.lblInfo.backColor = ui::kLightGrey;
  p.lblInfo.font = sans(9.6);
  place(p.shaInBand, 232, 22, 18, 18);
  p.shaInBand.shape = ui::ShapeKind::Circle;
  p.shaInBand.fillColor = 0xC000;
  place(p.lblInBand, 254, 22, 98, 20);
  p.lblInBand.foreColor = ui::kBlack;
  p.lblInBand.backColor = ui::kFrameGrey;
  p.lblInBand.font = sans(9.6);

  layOutVfoDigits(p);
  place(p.lblPorM, 298, 50, 32, 40);
  stateLabel(p.lblPorM, ui::kFrameGrey);
  p.lblPorM.font = sans(23.4);
  place(p.lblBFOOn, 294, 94, 50, 20);
  stateLabel(p.lblBFOOn, ui::kFrameGrey);
  p.lblBFOOn.font = sans(9.6);

  selectorRow(p.cmdMode, 132, {{&p.lblUSB, 38}, {&p.lblLSB, 36}, {&p.lblAME, 40}, {&p.lblCW, 32}});
  p.cmdMode.toolTip = "Select Next Mode";
  place(p.lblXMTRCV, 262, 133, 90, 22);
  stateLabel(p.lblXMTRCV, ui::kSysWindow);
  p.lblXMTRCV.foreColor = ui::kSysWindowText;

  selectorRow(p.cmdAudioSource, 160,
              {{&p.lblMIC, 36}, {&p.lblAUDIO2, 66}, {&p.lblPATCH, 58}, {&p.lblREMOTEAudio, 72}});
  p.cmdAudioSource.toolTip = "Select Local Audio I/O";
  p.lblREMOTEAudio.foreColor = ui::kSysGrayText;

  selectorRow(p.cmdAGC, 188,
              {{&p.lblAGCSlow, 50}, {&p.lblAGCMed, 42}, {&p.lblAGCFast, 46}, {&p.lblAGCOff, 38}});
  p.cmdAGC.toolTip = "Select Next AGC";
}

void layOutAmpAndChannel(FrontPanel& p) {
  captionedFrame(p.fraAmp);
  place(p.fraAmp, 266, 242, 212, 110);
  struct AmpRow {
    ui::Control* button;
    double buttonPoints;
    const char* toolTip;
    ui::Control* label;
  };
  const AmpRow rows[] = {
      {&p.cmdAmpPwr, 7.8, "Turn Amp ON / OFF", &p.lblAmpPwr},
      {&p.cmdAmpOpr, 9.6, "Place AMP in Operate / Standby", &p.lblAmpOpStby},
      {&p.cmdTuneAmp, 9.6, "Start Amp Tune Cycle", &p.lblAmpTuned},
  };
  int y = 20;
  for (const AmpRow& row : rows) {
    tippedButton(*row.button, 8, y, 70, 24, row.buttonPoints, row.toolTip);
    place(*row.label, 84, y + 1, 120, 22);
    stateLabel(*row.label, ui::kWhite);
    row.label->font = sans(7.8);
    y += 30;
  }
  p.cmdAmpPwr.enabled = false;
  p.cmdAmpOpr.enabled = false;

  captionedFrame(p.fraChan);
  place(p.fraChan, 266, 358, 212, 83);
  int x = 8;
  for (int i = 0; i < 7; ++i) {
    place(*p.cmdChanF[i], x, 26, 19, 36);
    x += i == 1 || i == 4 ? 26 : 20;  // gaps where the VFO display has its separators
  }
  p.cmdChanF[0]->toolTip = "Set Freq for Channel";
  place(p.cmbChMode, 166, 30, 40, 26);
  p.cmbChMode.items = {"U", "L", "A", "C"};
  p.cmbChMode.editableText = false;
  p.cmbChMode.font = sans(10.8, false);
  p.cmbChMode.backColor = ui::kSysWindow;
  p.cmbChMode.foreColor = ui::kSysWindowText;
  p.cmbChMode.toolTip = "Select Mode for Channel";
}

}  // namespace layout

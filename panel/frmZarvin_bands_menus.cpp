// Band buttons, data box and menus. (placeholder: not built yet)
#include "panel/frmZarvin.h"

void frmZarvin::band160MCmd() {
  band160MFlag = false;
}
void frmZarvin::band75MCmd() {
  band75MFlag = false;
}
void frmZarvin::band60MCmd() {
  band60MFlag = false;
}
void frmZarvin::band40MCmd() {
  band40MFlag = false;
}
void frmZarvin::band30MCmd() {
  band30MFlag = false;
}
void frmZarvin::band20MCmd() {
  band20MFlag = false;
}
void frmZarvin::band17MCmd() {
  band17MFlag = false;
}
void frmZarvin::band15MCmd() {
  band15MFlag = false;
}
void frmZarvin::band12MCmd() {
  band12MFlag = false;
}
void frmZarvin::band10MCmd() {
  band10MFlag = false;
}
void frmZarvin::bandWWVCmd() {
  bandWWVFlag = false;
}
void frmZarvin::bandMARSCmd() {
  bandMARSFlag = false;
}
void frmZarvin::viewInDataCmd() {
  viewInDataFlag = false;
}
void frmZarvin::mnuScanBands_Click() {}
void frmZarvin::mnuScanFreqs_Click() {}
void frmZarvin::mnuPortSetup_Click() {
  form.enabled = false;
  openChild(childWindows.portSetup, "frmPortSetup");
}

void frmZarvin::mnuAudioSetup_Click() {
  form.enabled = false;
  openChild(childWindows.audioSetup, "frmAudioSetup");
}

void frmZarvin::mnuHelpAbout_Click() {
  form.enabled = false;
  openChild(childWindows.about, "frmHelp");
}
void frmZarvin::mnuHelpZarvin_Click() {}

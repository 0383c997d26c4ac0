#include "panel/frmZarvin.h"

// The click procedures of the flag buttons only raise their request flags; the main loop
// serves them in its fixed order.

void frmZarvin::cmdAudioSource_Click() {
  audioSourceFlag = true;
}
void frmZarvin::cmdAGC_Click() {
  agcFlag = true;
}
void frmZarvin::cmdAudio_Click() {
  audioFlag = true;
}
void frmZarvin::cmdBFO_Click() {
  bfoFlag = true;
}
void frmZarvin::cmdBFO100_Click() {
  bfo100Flag = true;
}
void frmZarvin::cmdClipping_Click() {
  clippingFlag = true;
}
void frmZarvin::cmd160M_Click() {
  band160MFlag = true;
}
void frmZarvin::cmd75M_Click() {
  band75MFlag = true;
}
void frmZarvin::cmd60M_Click() {
  band60MFlag = true;
}
void frmZarvin::cmd40M_Click() {
  band40MFlag = true;
}
void frmZarvin::cmd30M_Click() {
  band30MFlag = true;
}
void frmZarvin::cmd20M_Click() {
  band20MFlag = true;
}
void frmZarvin::cmd17M_Click() {
  band17MFlag = true;
}
void frmZarvin::cmd15M_Click() {
  band15MFlag = true;
}
void frmZarvin::cmd12M_Click() {
  band12MFlag = true;
}
void frmZarvin::cmd10M_Click() {
  band10MFlag = true;
}
void frmZarvin::cmdWWV_Click() {
  bandWWVFlag = true;
}
void frmZarvin::cmdMARS_Click() {
  bandMARSFlag = true;
}
void frmZarvin::cmdMeter_Click() {
  meterFlag = true;
}
void frmZarvin::cmdFreq_Click() {
  platform.ui.beep();
  freqFlag = true;
}
void frmZarvin::cmdMode_Click() {
  modeFlag = true;
}
void frmZarvin::cmdMute_Click() {
  muteFlag = true;
}
void frmZarvin::cmdPTT_Click() {
  pttFlag = true;
}
void frmZarvin::cmdSideTone_Click() {
  sideToneFlag = true;
}
void frmZarvin::cmdTune_Click() {
  tuneFlag = true;
}
void frmZarvin::cmdViewInData_Click() {
  viewInDataFlag = true;
}
void frmZarvin::cmdVOX_Click() {
  voxFlag = true;
}
void frmZarvin::cmdXmit_Click() {
  xmitFlag = true;
}
void frmZarvin::cmdAmpPwr_Click() {
  ampPwrFlag = true;
}
void frmZarvin::cmdAmpOpr_Click() {
  ampOprFlag = true;
}
void frmZarvin::cmdTuneAmp_Click() {
  tuneAmpFlag = true;
}
void frmZarvin::cmdM2V_Click() {
  m2vFlag = true;
}
void frmZarvin::cmdV2M_Click() {
  v2mFlag = true;
}
void frmZarvin::cmdM2C_Click() {
  m2cFlag = true;
}
void frmZarvin::cmdC2M_Click() {
  c2mFlag = true;
}
void frmZarvin::cmdGetStatus_Click() {
  getStatusFlag = true;
}

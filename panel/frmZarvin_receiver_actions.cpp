// Receiver setting actions. (placeholder: not built yet)
#include "panel/frmZarvin.h"

void frmZarvin::audioSourceCmd() {
  audioSourceFlag = false;
}
void frmZarvin::agcCmd() {
  agcFlag = false;
}
void frmZarvin::audioCmd() {
  audioFlag = false;
}
void frmZarvin::clippingCmd() {
  clippingFlag = false;
}
void frmZarvin::meterCmd() {
  meterFlag = false;
}
void frmZarvin::modeCmd() {
  modeFlag = false;
}
void frmZarvin::muteCmd() {
  muteFlag = false;
}
void frmZarvin::pttCmd() {
  pttFlag = false;
}
void frmZarvin::sideToneCmd() {
  sideToneFlag = false;
}
void frmZarvin::voxCmd() {
  voxFlag = false;
}
void frmZarvin::getStatusCmd() {
  getStatusFlag = false;
}

// Transmit, tune and amplifier actions. (placeholder: not built yet)
#include "panel/frmZarvin.h"

void frmZarvin::xmitCmd() {
  xmitFlag = false;
}
void frmZarvin::tuneCmd() {
  tuneFlag = false;
}
void frmZarvin::ampPwrCmd() {
  ampPwrFlag = false;
}
void frmZarvin::ampOprCmd() {
  ampOprFlag = false;
}
void frmZarvin::tuneAmpCmd() {
  tuneAmpFlag = false;
}

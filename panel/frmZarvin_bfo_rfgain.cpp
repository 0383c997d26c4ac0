// BFO and RF gain. (placeholder: not built yet)
#include "panel/frmZarvin.h"

void frmZarvin::bfoCmd() {
  bfoFlag = false;
}
void frmZarvin::bfo100Cmd() {
  bfo100Flag = false;
}
void frmZarvin::sliBFO_Scroll() {}
void frmZarvin::sliRFGain_Scroll() {}

// Keypad frequency entry. (placeholder: not built yet)
#include "panel/frmZarvin.h"

void frmZarvin::freqCmd() {
  freqFlag = false;
}
void frmZarvin::cmd0_Click() {}
void frmZarvin::cmd1_Click() {}
void frmZarvin::cmd2_Click() {}
void frmZarvin::cmd3_Click() {}
void frmZarvin::cmd4_Click() {}
void frmZarvin::cmd5_Click() {}
void frmZarvin::cmd6_Click() {}
void frmZarvin::cmd7_Click() {}
void frmZarvin::cmd8_Click() {}
void frmZarvin::cmd9_Click() {}
void frmZarvin::cmdEnter_Click() {}

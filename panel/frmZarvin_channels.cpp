// Memory channel transfers. (placeholder: not built yet)
#include "panel/frmZarvin.h"

void frmZarvin::m2vCmd() {
  m2vFlag = false;
}
void frmZarvin::v2mCmd() {
  v2mFlag = false;
}
void frmZarvin::m2cCmd() {
  m2cFlag = false;
}
void frmZarvin::c2mCmd() {
  c2mFlag = false;
}
void frmZarvin::txtLoadCh_GotFocus() {}
void frmZarvin::vscLoadCh_Change() {}
void frmZarvin::txtStoreCh_GotFocus() {}
void frmZarvin::vscStoreCh_Change() {}

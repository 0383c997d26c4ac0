// Mouse digit stepping. (placeholder: not built yet)
#include "panel/frmZarvin.h"

void frmZarvin::cmdF_MouseDown(int index, int button, int shift) {
  (void)index;
  (void)button;
  (void)shift;
}
void frmZarvin::cmdF_MouseUp(int index, int button, int shift) {
  (void)index;
  (void)button;
  (void)shift;
}
void frmZarvin::cmdChanF_MouseDown(int index, int button, int shift) {
  (void)index;
  (void)button;
  (void)shift;
}
void frmZarvin::cmdChanF_MouseUp(int index, int button, int shift) {
  (void)index;
  (void)button;
  (void)shift;
}

#include "app/child_windows.h"

#include "panel/frmZarvin.h"

void wireChildWindows(frmZarvin& main) {
  (void)main;
}

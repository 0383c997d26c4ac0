#include "panel/frmZarvin_layout.h"

#include "link/front_panel.h"

void layOutFrontPanel(FrontPanel& panel) {
  panel.form.width = 10692;
  panel.form.height = 7740;
}

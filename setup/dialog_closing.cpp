#include "setup/dialog_closing.h"

namespace dialog {

void unloadDialog(ui::Form& dialog, ui::Form& opener) {
  dialog.hide();
  dialog.unload();
  opener.enabled = true;
}

}  // namespace dialog

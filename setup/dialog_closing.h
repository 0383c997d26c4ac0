#pragma once
#include "platform/ui/form.h"

namespace dialog {

/// How a settings dialog's own buttons (Exit, Cancel, Apply) close it: hidden, then unloaded
/// without asking its close-box handler, then the window that opened it is enabled again.
void unloadDialog(ui::Form& dialog, ui::Form& opener);

}  // namespace dialog

#pragma once
#include <functional>

#include "platform/ui/form.h"

namespace lists {

/// Runs the window's load event, then shows it modally; returns when it has closed. On every
/// way out, an exception included, a window that is not unloaded yet is closed as by its close
/// box, so that the front panel is never left disabled.
void loadAndShowModal(ui::Form& window, const std::function<void()>& formLoad);

}  // namespace lists

#pragma once
#include <memory>

#include "platform/ui/fltk/control_view.h"

namespace ui::fltk {

/// The view and widget of a control; nullptr for menus, menu items and timers, which have no
/// widget of their own.
std::unique_ptr<ControlView> makeControlView(Control& control, ViewContext& context);

}  // namespace ui::fltk

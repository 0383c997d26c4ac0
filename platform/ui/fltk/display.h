#pragma once
#include <string>

namespace ui::fltk {

/// Connects FLTK to the X display that DISPLAY names: that of an X11 session, or XWayland's
/// under Wayland. Returns "" when connected; otherwise one line saying what is missing and
/// what to do, where FLTK would print its bare "Can't open display" and end the program.
std::string connectDisplay();

}  // namespace ui::fltk

#pragma once
#include <functional>
#include <string>

namespace ui::fltk {

/// Connects FLTK to the X display that DISPLAY names: that of an X11 session, or XWayland's
/// under Wayland. Returns "" when connected; otherwise one line saying what is missing or
/// refused and what to do, where FLTK would print its bare "Can't open display" and Xlib the
/// server's reason on lines of its own.
std::string connectDisplay();

/// What runs when the connection to the display breaks (the X server ended or went away);
/// the program then ends at once with status 1. Xlib lets no program go on after that, so
/// lastWords runs inside Xlib's error handler: it must finish without entering FLTK, and
/// whatever it throws is dropped.
void onDisplayLost(std::function<void()> lastWords);

}  // namespace ui::fltk

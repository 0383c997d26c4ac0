#pragma once
#include <FL/Fl_Window.H>

namespace ui::fltk {

/// Gives the front panel's window its icon (a small transceiver), for the window manager to
/// show in the title bar and the task list. Call it before the window is first shown.
void givePanelIcon(Fl_Window& window);

}  // namespace ui::fltk

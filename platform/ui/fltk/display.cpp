#include "platform/ui/fltk/display.h"

#include <FL/x.H>

#include <cstdlib>

namespace ui::fltk {

std::string connectDisplay() {
  const char* name = std::getenv("DISPLAY");
  const std::string remedy =
      "start the panel from a desktop session (X11, or XWayland under Wayland)";
  if (name == nullptr || *name == '\0') {
    return "no graphical session (DISPLAY is not set): " + remedy;
  }
  Display* display = XOpenDisplay(name);
  if (display == nullptr) {
    return "cannot open the display \"" + std::string(name) + "\" that DISPLAY names: " + remedy;
  }
  fl_open_display(display);
  return {};
}

}  // namespace ui::fltk

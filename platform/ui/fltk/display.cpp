#include "platform/ui/fltk/display.h"

#include <FL/x.H>
#include <unistd.h>

#include <cstdlib>

namespace ui::fltk {
namespace {

// Xlib's handler gets no pointer of ours, so what it runs is kept here, set once at the start.
std::function<void()>& displayLostAction() {
  static std::function<void()> action;
  return action;
}

int onIoError(Display*) {
  try {
    if (displayLostAction()) displayLostAction()();
  } catch (...) {
    // Nothing may unwind through Xlib.
  }
  _exit(1);
}

}  // namespace

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
  XSetIOErrorHandler(&onIoError);
  return {};
}

void onDisplayLost(std::function<void()> lastWords) {
  displayLostAction() = std::move(lastWords);
}

}  // namespace ui::fltk

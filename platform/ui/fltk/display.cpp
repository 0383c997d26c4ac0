#include "platform/ui/fltk/display.h"

#include <FL/x.H>
#include <sys/mman.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
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

// The text as one line: each run of blanks, line ends and control characters becomes a blank.
std::string oneLine(const std::string& text) {
  std::string line;
  for (unsigned char c : text) {
    bool blank = std::isspace(c) || std::iscntrl(c);
    if (!blank) line += static_cast<char>(c);
    if (blank && !line.empty() && line.back() != ' ') line += ' ';
  }
  if (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

std::string readFrom(int fd) {
  std::string text;
  char part[256];
  lseek(fd, 0, SEEK_SET);
  for (ssize_t n; (n = read(fd, part, sizeof part)) > 0;) text.append(part, n);
  return text;
}

// A server that refuses the connection gives its reason, which Xlib writes straight to the
// error output before it returns no display. It goes to a file in memory instead, so that
// what the user reads is one line of ours; what Xlib says of a display that opens is passed on.
Display* openDisplay(const char* name, std::string& refusal) {
  int saved = dup(STDERR_FILENO);
  int capture = memfd_create("xlib-output", MFD_CLOEXEC);
  if (saved < 0 || capture < 0 || dup2(capture, STDERR_FILENO) < 0) {
    if (saved >= 0) close(saved);
    if (capture >= 0) close(capture);
    return XOpenDisplay(name);
  }
  Display* display = XOpenDisplay(name);
  std::fflush(stderr);
  dup2(saved, STDERR_FILENO);
  close(saved);
  std::string said = readFrom(capture);
  close(capture);
  if (display != nullptr) {
    std::fputs(said.c_str(), stderr);
  } else {
    refusal = oneLine(said);
  }
  return display;
}

}  // namespace

std::string connectDisplay() {
  const char* name = std::getenv("DISPLAY");
  const std::string remedy =
      "start the panel from a desktop session (X11, or XWayland under Wayland)";
  if (name == nullptr || *name == '\0') {
    return "no graphical session (DISPLAY is not set): " + remedy;
  }
  std::string refusal;
  Display* display = openDisplay(name, refusal);
  if (display == nullptr && !refusal.empty()) {
    return "the display \"" + std::string(name) + "\" refused the connection (" + refusal +
           "): start the panel as the desktop session's own user, not through sudo or su, or "
           "set XAUTHORITY to that session's authority file";
  }
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

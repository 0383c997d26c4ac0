// The yardstick of bench/idle: the least an FLTK program costs, one window shown and the
// program blocked in Fl::wait() until the window is closed.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

int main() {
  Fl_Window window(320, 200, "idle");
  window.end();
  window.show();
  while (Fl::first_window() != nullptr) Fl::wait();
  return 0;
}

#include "platform/ui/fltk/window_identity.h"

#include <FL/Fl_Image.H>
#include <FL/Fl_Pixmap.H>
#include <FL/Fl_Window.H>

namespace ui::fltk {
namespace {

constexpr const char* kWindowClass = "zarvin";

// A transceiver: grey cabinet, green digits on a dark display, tuning knob, a row of keys and
// the red transmit lamp.
const char* const kPanelIcon[] = {
    "32 32 6 1",
    ". c None",
    "k c #202020",
    "g c #808080",
    "G c #00FF00",
    "w c #E0E0E0",
    "r c #FF0000",
    ".............................k..",
    "............................k...",
    "...........................k....",
    "..........................k.....",
    ".........................k......",
    "........................k.......",
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    ".kggggggggggggggggggggggggggggk.",
    ".kggggggggggggggggggggggggggggk.",
    ".kggkkkkkkkkkkkkkkkkkkggkkkkggk.",
    ".kggkGGGkGGGkGGGkGGGkkgkwkwwkgk.",
    ".kggkGkGkkkGkGkGkkkGkkgkwkwwkgk.",
    ".kggkGkGkkkGkGkGkkkGkkkwwwwwwkk.",
    ".kggkGGGkGGGkGGGkGGGkkgkwwwwkgk.",
    ".kggkkkkkkkkkkkkkkkkkkgkwwwwkgk.",
    ".kggggggggggggggggggggggkkkkggk.",
    ".kggggggggggggggggggggggggggggk.",
    ".kggggggggggggggggggggggggggggk.",
    ".kggwwwwgwwwwgwwwwgwwwwgggggggk.",
    ".kggwwwwgwwwwgwwwwgwwwwggrrrggk.",
    ".kggwwwwgwwwwgwwwwgwwwwggrrrggk.",
    ".kggwwwwgwwwwgwwwwgwwwwggrrrggk.",
    ".kggkkkkgkkkkgkkkkgkkkkgggggggk.",
    ".kggggggggggggggggggggggggggggk.",
    ".kggggggggggggggggggggggggggggk.",
    ".kggggggggggggggggggggggggggggk.",
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    "...kkkk..................kkkk...",
    "...kkkk..................kkkk...",
    "................................",
    "................................",
    "................................",
};

}  // namespace

void claimEveryWindow() {
  Fl_Window::default_xclass(kWindowClass);
  Fl_Pixmap picture(kPanelIcon);
  Fl_RGB_Image icon(&picture);
  Fl_Window::default_icon(&icon);  // FLTK keeps its own copy
}

}  // namespace ui::fltk

#pragma once
#include <FL/Enumerations.H>

#include "platform/ui/control.h"

namespace ui::fltk {

struct FlFont {
  Fl_Font face;
  Fl_Fontsize size;  // pixels
};

/// A sans face for the proportional fonts, the courier face for Courier New; bold kept.
FlFont toFlFont(const Font& font);

}  // namespace ui::fltk

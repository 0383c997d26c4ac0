#pragma once
#include <FL/Enumerations.H>

#include "platform/ui/control.h"

namespace ui::fltk {

/// The screen colour of a model colour: &HBBGGRR, or &H80000000 plus a system colour index.
Fl_Color toFlColor(Color colour);

}  // namespace ui::fltk

#pragma once
#include <string>

#include "platform/ui/control.h"
#include "platform/ui/form.h"

class FrontPanel;

/// What the list windows (the band list, the scanner and the band sweep) share in their
/// layout: the font, placing a control, the grid of list rows, and where the window opens.
namespace lists {

/// The windows' font: 8-point MS Sans Serif, not bold.
ui::Font windowFont();

/// Sets a control's place (twips, inside its container) and the windows' font; returns it.
ui::Control& place(ui::Control& c, int left, int top, int width, int height);

/// The columns of a list row, left to right: the row's option or check button, then the
/// frequency, mode and free-text boxes.
enum class RowColumn { Button, Freq, Mode, Info };

/// Adds control `name(row)` inside `frame` and places it in its column of row `row`: the rows
/// stand 480 twips apart from 240 down, each 375 high. Colours are left to the window.
ui::Control& addRowControl(ui::Form& form, ui::Kind kind, const std::string& name, int row,
                           RowColumn column, ui::Control& frame);

/// Puts the window at the front panel's top, its left edge as far from the panel's right edge
/// as the band frame is wide: over the right-hand part of the panel. Not pulled back onto the
/// screen.
void placeOverBandFrame(ui::Form& window, const FrontPanel& frm);

}  // namespace lists

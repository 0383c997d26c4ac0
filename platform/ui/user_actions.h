#pragma once
#include <string>

#include "platform/ui/control.h"

/// What a user does to a control, shared by the FLTK renderer and the headless driver so that
/// both deliver events the same way. Each action is ignored when the control cannot be reached
/// (hidden or disabled, itself, a container or its form) and returns whether it was delivered.
namespace ui {

bool userClick(Control& c);
bool userMouseDown(Control& c, int button, int shift = 0);
/// A release is delivered even when the control has meanwhile been disabled, so that a
/// stepping loop waiting for it always ends.
bool userMouseUp(Control& c, int button, int shift = 0);
/// Typing into a text or combo box: sets the text and raises onChange.
bool userSetText(Control& c, const std::string& text);
/// Choosing an option button: it is set and the others of its container cleared; onClick.
bool userChooseOption(Control& c);
/// Clicking a check box: its value flips between 0 and 1; onClick.
bool userToggleCheck(Control& c);
/// Moving a scroll bar (onChange) or a slider (onScroll) to a value, clamped to its range.
bool userSetValue(Control& c, int value);
/// Giving a control the keyboard focus; onGotFocus.
bool userFocus(Control& c);

}  // namespace ui

#pragma once

class Fl_Window;

namespace ui::fltk {

/// Puts the program's rules in front of FLTK's event dispatch, for the whole process:
/// - while a pop-up menu (a menu bar's or a drop-down list's) is open and the pointer has left
///   its menus, the keys that move through a menu are ignored until the pointer is back on an
///   item: FLTK 1.3.8 then indexes its list of open menus with -1 on BackSpace, Shift+Tab and,
///   after some keys, Up;
/// - a window that takes no input (see takesInput) gets no click, key or wheel turn; the keys
///   typed into a window behind a message box go to the box;
/// - Return on a form's focused command button presses it as Space does; on any other
///   control of a form it does nothing.
void installInputFilter();
/// Gives the dispatch back to FLTK alone.
void removeInputFilter();

/// True while a pop-up menu is open (FLTK's menu loop holds the pointer grab).
bool popupOpen();

/// False for a disabled window and for one that a modal window other than a pop-up menu
/// (a message box) holds behind it.
bool takesInput(const Fl_Window& window);

}  // namespace ui::fltk

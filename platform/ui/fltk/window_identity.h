#pragma once

namespace ui::fltk {

/// Gives every window shown from now on, the panel, its child windows, the message boxes and
/// the help viewer alike, the program's icon (a small transceiver) and its window class
/// (WM_CLASS "zarvin", "Zarvin"), so that the window manager shows them as the program's and a
/// task bar groups them under it.
void claimEveryWindow();

}  // namespace ui::fltk

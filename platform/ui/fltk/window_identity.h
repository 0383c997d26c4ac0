#pragma once

namespace ui::fltk {

/// The window class that every window of the program carries ("zarvin", and "Zarvin" as its
/// capitalised form in WM_CLASS).
inline constexpr const char* kWindowClass = "zarvin";

/// Gives every window shown from now on, the panel, its child windows, the message boxes and
/// the help viewer alike, the program's icon (a small transceiver) and window class, so that
/// the window manager shows them as the program's and a task bar groups them under it.
void claimEveryWindow();

}  // namespace ui::fltk

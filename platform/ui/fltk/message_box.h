#pragma once
#include <string>

namespace ui::fltk {

/// Shows text in a modal dialog with one OK button and returns when it is closed (OK, Enter,
/// Escape or the close box). Other windows go on handling their events meanwhile.
void runMessageBox(const std::string& title, const std::string& text);

}  // namespace ui::fltk

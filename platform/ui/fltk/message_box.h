#pragma once
#include <functional>
#include <string>

namespace ui::fltk {

/// Shows text in a modal dialog with one OK button and returns when it is closed (OK, Enter,
/// Escape or the close box), or as soon as `interrupted` holds after an event. Other windows
/// go on handling their events meanwhile.
void runMessageBox(const std::string& title, const std::string& text,
                   const std::function<bool()>& interrupted);

}  // namespace ui::fltk

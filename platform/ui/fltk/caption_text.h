#pragma once
#include <string>

namespace ui::fltk {

/// A caption for an FLTK label: every "@" doubled, so that it is shown as written instead of
/// starting a symbol. "&" is left alone: buttons show it as the access-key mark ("&&" is a
/// literal "&"), boxes show it as it is.
std::string labelText(const std::string& caption);

/// A list entry for Fl_Menu_::add(): shown literally, with no submenu, divider or access key.
std::string menuEntryText(const std::string& item);

/// Text for a multi-line box: CR LF and lone CR become LF.
std::string multiLineText(const std::string& text);

}  // namespace ui::fltk

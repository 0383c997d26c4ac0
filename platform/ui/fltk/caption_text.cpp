#include "platform/ui/fltk/caption_text.h"

namespace ui::fltk {

std::string labelText(const std::string& caption) {
  std::string out;
  out.reserve(caption.size() + 2);
  for (char ch : caption) {
    out += ch;
    if (ch == '@') out += '@';
  }
  return out;
}

std::string menuEntryText(const std::string& item) {
  std::string out;
  out.reserve(item.size() + 4);
  if (!item.empty() && item.front() == '_') out += '\\';
  for (char ch : item) {
    if (ch == '/' || ch == '\\') out += '\\';
    if (ch == '&' || ch == '@') out += ch;
    out += ch;
  }
  return out;
}

std::string multiLineText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out += text[i];
    } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
      out += '\n';
    }
  }
  return out;
}

}  // namespace ui::fltk

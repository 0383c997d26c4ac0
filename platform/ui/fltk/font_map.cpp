#include "platform/ui/fltk/font_map.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/ui/fltk/units.h"

namespace ui::fltk {
namespace {

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return text;
}

Fl_Font baseFace(const std::string& name) {
  std::string lower = lowerCase(name);
  if (lower.find("courier") != std::string::npos) return FL_COURIER;
  if (lower.find("times") != std::string::npos) return FL_TIMES;
  return FL_HELVETICA;
}

}  // namespace

FlFont toFlFont(const Font& font) {
  Fl_Font face = baseFace(font.name);
  if (font.bold) face += FL_BOLD;
  return {face, std::max(1, pointsToPixels(font.size))};
}

}  // namespace ui::fltk

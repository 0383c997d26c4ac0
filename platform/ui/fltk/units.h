#pragma once
#include <cmath>

namespace ui::fltk {

/// The model measures in twips: 15 to a pixel on a 96 dpi screen.
constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

/// Font sizes are points; the screen is taken as 96 dpi.
inline int pointsToPixels(double points) {
  return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

}  // namespace ui::fltk

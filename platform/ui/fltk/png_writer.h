#pragma once
#include <string>

namespace ui::fltk {

/// Writes 8-bit RGB pixels (rows from the top, 3 bytes a pixel) as a PNG file through libpng.
/// False on failure.
bool writePng(const std::string& path, int width, int height, const unsigned char* rgb);

}  // namespace ui::fltk

#include "platform/ui/fltk/png_writer.h"

#include <png.h>

namespace ui::fltk {

bool writePng(const std::string& path, int width, int height, const unsigned char* rgb) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  // The simplified API reports errors in `image` instead of longjmp-ing through our frames.
  const bool written = png_image_write_to_file(&image, path.c_str(), 0, rgb, 0, nullptr) != 0;
  png_image_free(&image);
  return written;
}

}  // namespace ui::fltk

#include "platform/ui/fltk/colour_map.h"

#include <array>
#include <cstdint>

namespace ui::fltk {
namespace {

constexpr Color kSystemFlag = 0x80000000;

struct Rgb {
  std::uint8_t r, g, b;
};

// The classic desktop palette, by system colour index.
constexpr std::array<Rgb, 25> kSystemColours{{
    {200, 200, 200},  // 0x00 scroll bar
    {0, 128, 128},    // 0x01 desktop
    {10, 36, 106},    // 0x02 active title bar
    {128, 128, 128},  // 0x03 inactive title bar
    {212, 208, 200},  // 0x04 menu bar
    {255, 255, 255},  // 0x05 window background
    {0, 0, 0},        // 0x06 window frame
    {0, 0, 0},        // 0x07 menu text
    {0, 0, 0},        // 0x08 window text
    {255, 255, 255},  // 0x09 active title bar text
    {212, 208, 200},  // 0x0A active border
    {212, 208, 200},  // 0x0B inactive border
    {128, 128, 128},  // 0x0C application workspace
    {10, 36, 106},    // 0x0D highlight
    {255, 255, 255},  // 0x0E highlighted text
    {212, 208, 200},  // 0x0F button face
    {128, 128, 128},  // 0x10 button shadow
    {128, 128, 128},  // 0x11 grey (disabled) text
    {0, 0, 0},        // 0x12 button text
    {212, 208, 200},  // 0x13 inactive title bar text
    {255, 255, 255},  // 0x14 button highlight
    {64, 64, 64},     // 0x15 3-D dark shadow
    {212, 208, 200},  // 0x16 3-D light
    {0, 0, 0},        // 0x17 tooltip text
    {255, 255, 225},  // 0x18 tooltip background
}};

}  // namespace

Fl_Color toFlColor(Color colour) {
  if ((colour & kSystemFlag) != 0) {
    std::size_t index = colour & 0xFF;
    Rgb rgb = index < kSystemColours.size() ? kSystemColours[index] : Rgb{212, 208, 200};
    return fl_rgb_color(rgb.r, rgb.g, rgb.b);
  }
  auto red = static_cast<std::uint8_t>(colour & 0xFF);
  auto green = static_cast<std::uint8_t>((colour >> 8) & 0xFF);
  auto blue = static_cast<std::uint8_t>((colour >> 16) & 0xFF);
  return fl_rgb_color(red, green, blue);
}

}  // namespace ui::fltk

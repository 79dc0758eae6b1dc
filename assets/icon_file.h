// Decoding of the program icon (.ico) and the mouse cursors (.cur). Portable, standard library
// only: the Windows build hands these files to the system, the Linux build and the tests read
// them here.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace n5::assets {

struct IconImage {
  int width = 0;
  int height = 0;
  int hotspot_x = 0;  // cursors only; 0 for icons
  int hotspot_y = 0;
  int bit_count = 0;  // of the image's colour (XOR) bitmap: 1, 4, 8, 24 or 32
  bool is_cursor = false;
  // Top-down, 0xAARRGGBB. Where the AND mask is set the alpha is 0 and the RGB part keeps the
  // XOR colour, because Windows XORs that colour onto the screen: a transparent pixel is
  // 0x00000000, anything else with alpha 0 inverts what lies beneath.
  std::vector<std::uint32_t> argb;
};

// Decodes the first image of an icon or cursor file holding BI_RGB device-independent bitmaps
// of 1, 4 or 8 bits per pixel with a palette, or of 24 or 32 bits per pixel, followed by their
// 1-bit AND mask (optional for 32 bits, whose alpha channel is used when any pixel has one).
// PNG-compressed images, malformed headers and short files yield nothing; the decoder never
// reads outside `file`.
std::optional<IconImage> DecodeIconFile(std::span<const std::uint8_t> file);

}  // namespace n5::assets

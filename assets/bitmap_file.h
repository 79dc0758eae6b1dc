// Decoding of the launcher's pictures: uncompressed 24-bit Windows bitmaps (.bmp). Portable,
// standard library only, so every front end and the tests can look inside the same files.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace n5::assets {

struct Bitmap {
  int width = 0;
  int height = 0;
  int bit_count = 0;              // as stored in the file; always 24 for a decoded picture
  std::vector<std::uint8_t> rgb;  // top-down rows, 3 bytes (R, G, B) per pixel, no padding
};

// Accepts bottom-up and top-down 24-bit BI_RGB bitmaps with a BITMAPINFOHEADER or one of its
// larger successors. Anything else, and any file too short for what its headers announce
// (rows padded to 4 bytes, the last one included), yields nothing; the decoder never reads
// outside `file`.
std::optional<Bitmap> DecodeBmp(std::span<const std::uint8_t> file);

}  // namespace n5::assets

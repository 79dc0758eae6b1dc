// Small picture, icon and cursor files built byte by byte for the decoder tests, written
// independently of the artwork generator's encoders so that the two cannot share a mistake.
#pragma once

#include <cstdint>
#include <vector>

namespace n5::assets::testdata {

using FileBytes = std::vector<std::uint8_t>;

// Index of pixel (x, y) in a row-major buffer, computed in std::size_t.
constexpr std::size_t PixelIndex(int x, int y, int width) {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
         static_cast<std::size_t>(x);
}

inline void PutU16(FileBytes& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

inline void PutU32(FileBytes& b, std::size_t at, std::uint32_t v) {
  PutU16(b, at, v & 0xFFFF);
  PutU16(b, at + 2, v >> 16);
}

inline void AppendU16(FileBytes& b, std::uint32_t v) {
  b.resize(b.size() + 2);
  PutU16(b, b.size() - 2, v);
}

inline void AppendU32(FileBytes& b, std::uint32_t v) {
  b.resize(b.size() + 4);
  PutU32(b, b.size() - 4, v);
}

inline void AppendInfoHeader(FileBytes& b, std::uint32_t size, std::int32_t width,
                             std::int32_t height, int bits, std::uint32_t colours_used = 0) {
  const std::size_t start = b.size();
  AppendU32(b, size);
  AppendU32(b, static_cast<std::uint32_t>(width));
  AppendU32(b, static_cast<std::uint32_t>(height));
  AppendU16(b, 1);
  AppendU16(b, static_cast<std::uint32_t>(bits));
  AppendU32(b, 0);  // BI_RGB
  AppendU32(b, 0);
  AppendU32(b, 0);
  AppendU32(b, 0);
  AppendU32(b, colours_used);
  AppendU32(b, 0);
  b.resize(start + size, 0);  // larger header versions: the extra fields stay zero
}

// A 24-bit bitmap of `rgb` pixels given top-down (0xRRGGBB); a negative `height` stores the
// rows top-down, a positive one bottom-up as usual.
inline FileBytes MakeBmp(int width, int height, const std::vector<std::uint32_t>& rgb,
                         std::uint32_t info_size = 40) {
  const int rows = height < 0 ? -height : height;
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  FileBytes b = {'B', 'M'};
  AppendU32(b, static_cast<std::uint32_t>(14 + info_size + stride * rows));
  AppendU32(b, 0);
  AppendU32(b, 14 + info_size);
  AppendInfoHeader(b, info_size, width, height, 24);
  for (int stored = 0; stored < rows; ++stored) {
    const int y = height < 0 ? stored : rows - 1 - stored;
    const std::size_t row_start = b.size();
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = rgb[PixelIndex(x, y, width)];
      b.push_back(static_cast<std::uint8_t>(c));
      b.push_back(static_cast<std::uint8_t>(c >> 8));
      b.push_back(static_cast<std::uint8_t>(c >> 16));
    }
    b.resize(row_start + stride, 0xEE);  // padding that must not leak into the picture
  }
  return b;
}

struct IconRecipe {
  bool cursor = false;
  int hotspot_x = 0;
  int hotspot_y = 0;
  int width = 0;
  int height = 0;
  int bits = 8;
  std::vector<std::uint32_t> palette;  // 0xRRGGBB, written as given (may be short)
  std::vector<std::uint32_t> pixels;   // top-down; palette indices, or 0xAARRGGBB for 24/32
  std::vector<bool> mask;              // top-down, AND bits; empty writes no mask
};

inline FileBytes MakeIconFile(const IconRecipe& recipe) {
  FileBytes dib;
  AppendInfoHeader(dib, 40, recipe.width, 2 * recipe.height, recipe.bits,
                   static_cast<std::uint32_t>(recipe.palette.size()));
  for (std::uint32_t c : recipe.palette) AppendU32(dib, c & 0xFFFFFF);  // B, G, R, 0
  const auto pack = [&](int bits, const auto& value_at) {
    const std::size_t stride = (static_cast<std::size_t>(recipe.width) * bits + 31) / 32 * 4;
    for (int y = recipe.height - 1; y >= 0; --y) {
      FileBytes row(stride, 0);
      for (int x = 0; x < recipe.width; ++x) {
        const std::uint32_t v = value_at(PixelIndex(x, y, recipe.width));
        if (bits >= 24) {
          for (int k = 0; k < bits / 8; ++k) {
            row[static_cast<std::size_t>(x * bits / 8 + k)] =
                static_cast<std::uint8_t>(v >> (8 * k));
          }
        } else {
          const int bit = x * bits;
          row[static_cast<std::size_t>(bit / 8)] |=
              static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
        }
      }
      dib.insert(dib.end(), row.begin(), row.end());
    }
  };
  pack(recipe.bits, [&](std::size_t i) { return recipe.pixels[i]; });
  if (!recipe.mask.empty()) pack(1, [&](std::size_t i) { return recipe.mask[i] ? 1U : 0U; });

  FileBytes b;
  AppendU16(b, 0);
  AppendU16(b, recipe.cursor ? 2 : 1);
  AppendU16(b, 1);
  b.push_back(static_cast<std::uint8_t>(recipe.width));
  b.push_back(static_cast<std::uint8_t>(recipe.height));
  b.push_back(0);
  b.push_back(0);
  AppendU16(b, recipe.cursor ? static_cast<std::uint32_t>(recipe.hotspot_x) : 1);
  AppendU16(b, recipe.cursor ? static_cast<std::uint32_t>(recipe.hotspot_y)
                             : static_cast<std::uint32_t>(recipe.bits));
  AppendU32(b, static_cast<std::uint32_t>(dib.size()));
  AppendU32(b, 22);
  b.insert(b.end(), dib.begin(), dib.end());
  return b;
}

}  // namespace n5::assets::testdata

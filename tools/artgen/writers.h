// Encoders for the files the launcher carries: lossless PNG pictures, and palettised icons and
// cursors with an AND transparency mask.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace n5::artgen {

// Writes a picture as a lossless PNG file (SDL2_image's encoder, no time stamp, so the same
// pixels give the same file); `rgb` is top-down R, G, B.
void WritePng(const std::filesystem::path& path, int width, int height,
              const std::vector<std::uint8_t>& rgb);

struct PalettedImage {
  int width = 0;
  int height = 0;
  int bit_count = 8;                                 // 1, 4 or 8
  std::vector<std::array<std::uint8_t, 3>> palette;  // R, G, B; padded to 2^bit_count entries
  std::vector<std::uint8_t> indices;                 // top-down, one palette index per pixel
  std::vector<bool> transparent;                     // top-down, true sets the AND mask bit
};

struct HotSpot {
  int x = 0;
  int y = 0;
};

// An .ico file holding one image.
std::vector<std::uint8_t> EncodeIcon(const PalettedImage& image);
// A .cur file holding one image with the given hot spot.
std::vector<std::uint8_t> EncodeCursor(const PalettedImage& image, HotSpot hot_spot);

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace n5::artgen

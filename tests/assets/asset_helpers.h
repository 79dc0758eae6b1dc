// Access to the decoded embedded artwork for the tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "assets/bitmap_file.h"
#include "assets/embedded_assets.h"
#include "assets/icon_file.h"
#include "assets/probe_colours.h"
#include "test_files.h"

namespace n5::assets::testdata {

// Decoding is checked by the embedding tests; here a failure just stops the calling test.
inline Bitmap LoadBitmap(AssetId id) {
  auto bitmap = DecodeBmp(Bytes(id));
  if (!bitmap) ADD_FAILURE() << FileName(id) << " does not decode";
  return bitmap.value_or(Bitmap{});
}

inline IconImage LoadIcon(AssetId id) {
  auto icon = DecodeIconFile(Bytes(id));
  if (!icon) ADD_FAILURE() << FileName(id) << " does not decode";
  return icon.value_or(IconImage{});
}

inline Rgb PixelAt(const Bitmap& b, int x, int y) {
  const auto at = PixelIndex(x, y, b.width) * 3;
  return {b.rgb[at], b.rgb[at + 1], b.rgb[at + 2]};
}

inline std::uint32_t PixelAt(const IconImage& icon, int x, int y) {
  return icon.argb[PixelIndex(x, y, icon.width)];
}

inline std::uint8_t Alpha(std::uint32_t argb) {
  return static_cast<std::uint8_t>(argb >> 24);
}

// Relative luminance and contrast ratio as the WCAG define them; 4.5 is their threshold for
// normal-sized text.
inline double Luminance(Rgb c) {
  const auto linear = [](std::uint8_t v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

inline double Contrast(Rgb a, Rgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline std::ostream& operator<<(std::ostream& out, Rgb c) {
  return out << "rgb(" << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ")";
}

}  // namespace n5::assets::testdata

// Access to the decoded embedded artwork for the tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "assets/embedded_assets.h"
#include "assets/probe_colours.h"
#include "linux/sdl_images.h"

namespace n5::assets::testdata {

// Index of pixel (x, y) in a row-major buffer, computed in std::size_t.
constexpr std::size_t PixelIndex(int x, int y, int width) {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
         static_cast<std::size_t>(x);
}

// A decoded picture, cursor or icon: top-down ARGB, alpha from the AND mask for the latter.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
};
struct Bitmap : Image {};
struct IconImage : Image {
  int hotspot_x = 0;
  int hotspot_y = 0;
};

// Copies a decoded surface out and frees it; an empty image for nullptr.
inline Image TakeImage(SDL_Surface* surface) {
  Image image;
  if (surface == nullptr) return image;
  image.width = surface->w;
  image.height = surface->h;
  image.argb.resize(PixelIndex(0, surface->h, surface->w));
  for (int y = 0; y < surface->h; ++y) {
    std::memcpy(&image.argb[PixelIndex(0, y, surface->w)],
                static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch,
                static_cast<std::size_t>(surface->w) * sizeof(std::uint32_t));
  }
  SDL_FreeSurface(surface);
  return image;
}

// Decoding is checked by the embedding tests; here a failure just stops the calling test.
inline Bitmap LoadBitmap(AssetId id) {
  Bitmap bitmap{TakeImage(linux_ui::DecodePicture(Bytes(id)))};
  if (bitmap.argb.empty()) ADD_FAILURE() << FileName(id) << " does not decode";
  return bitmap;
}

inline IconImage LoadIcon(AssetId id) {
  IconImage icon{TakeImage(linux_ui::DecodeIconOrCursor(Bytes(id)))};
  if (icon.argb.empty()) ADD_FAILURE() << FileName(id) << " does not decode";
  if (auto hot_spot = linux_ui::CursorHotSpot(Bytes(id))) {
    icon.hotspot_x = hot_spot->x;
    icon.hotspot_y = hot_spot->y;
  }
  return icon;
}

inline Rgb PixelAt(const Bitmap& b, int x, int y) {
  const std::uint32_t p = b.argb[PixelIndex(x, y, b.width)];
  return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
          static_cast<std::uint8_t>(p)};
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

#include "win32/pixels.h"

#include <algorithm>
#include <cmath>

namespace n5::win32 {

int PixelOf(float twips) {
  return static_cast<int>(std::floor(twips / form::kTwipsPerPixel + 0.5F));
}

float TwipsOf(int pixels) {
  return static_cast<float>(pixels) * form::kTwipsPerPixel;
}

PixelRect PlacedPixels(const form::Rect& twips) {
  return {PixelOf(twips.left), PixelOf(twips.top), PixelOf(twips.right()), PixelOf(twips.bottom())};
}

PixelRect CoveringPixels(const form::Rect& twips) {
  auto down = [](float v) { return static_cast<int>(std::floor(v / form::kTwipsPerPixel)); };
  auto up = [](float v) { return static_cast<int>(std::ceil(v / form::kTwipsPerPixel)); };
  return {down(twips.left), down(twips.top), up(twips.right()), up(twips.bottom())};
}

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
  PixelRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
  if (r.empty()) return {};
  return r;
}

}  // namespace n5::win32

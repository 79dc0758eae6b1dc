#include "linux/pixel_rects.h"

#include <algorithm>
#include <cmath>

namespace n5::linux_ui {
namespace {

// Far beyond any screen, and small enough that a width never overflows an int.
constexpr double kLimit = 1 << 24;

int Pixel(double twips, double (*round)(double)) {
  if (std::isnan(twips)) return 0;
  return static_cast<int>(std::clamp(round(twips / form::kTwipsPerPixel), -kLimit, kLimit));
}

SDL_Rect FromEdges(int left, int top, int right, int bottom) {
  return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

}  // namespace

SDL_Rect PlacedPixels(const form::Rect& r) {
  auto nearest = [](double v) { return std::round(v); };
  return FromEdges(Pixel(r.left, nearest), Pixel(r.top, nearest), Pixel(r.right(), nearest),
                   Pixel(r.bottom(), nearest));
}

SDL_Rect CoveredPixels(const form::Rect& r) {
  auto down = [](double v) { return std::floor(v); };
  auto up = [](double v) { return std::ceil(v); };
  return FromEdges(Pixel(r.left, down), Pixel(r.top, down), Pixel(r.right(), up),
                   Pixel(r.bottom(), up));
}

float ToTwips(int pixels) {
  return static_cast<float>(pixels) * form::kTwipsPerPixel;
}

}  // namespace n5::linux_ui

#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "pixel_index.h"

namespace n5::artgen {

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double SmoothStep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

Distance Circle(double cx, double cy, double radius) {
  return [=](double x, double y) { return std::hypot(x - cx, y - cy) - radius; };
}

Distance RoundedBox(double left, double top, double right, double bottom, double radius) {
  const double cx = (left + right) / 2;
  const double cy = (top + bottom) / 2;
  const double hx = (right - left) / 2 - radius;
  const double hy = (bottom - top) / 2 - radius;
  return [=](double x, double y) {
    const double qx = std::abs(x - cx) - hx;
    const double qy = std::abs(y - cy) - hy;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
  };
}

Distance Ring(double cx, double cy, double radius, double half_width) {
  return [=](double x, double y) {
    return std::abs(std::hypot(x - cx, y - cy) - radius) - half_width;
  };
}

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(PixelCount(width, height), fill) {}

Colour Canvas::At(int x, int y) const {
  return pixels_[PixelIndex(x, y, width_)];
}

void Canvas::Set(int x, int y, Colour c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[PixelIndex(x, y, width_)] = c;
}

void Canvas::Blend(int x, int y, Colour c, double opacity) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || opacity <= 0) return;
  auto& p = pixels_[PixelIndex(x, y, width_)];
  p = Mix(p, c, std::min(opacity, 1.0));
}

void Canvas::Paint(const std::function<Colour(double x, double y)>& shade) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) Set(x, y, shade(x + 0.5, y + 0.5));
  }
}

void Canvas::Fill(const Distance& shape, const std::function<Colour(double x, double y)>& shade,
                  double opacity) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const double px = x + 0.5;
      const double py = y + 0.5;
      // A one-pixel ramp across the outline approximates the covered area of the pixel.
      const double coverage = std::clamp(0.5 - shape(px, py), 0.0, 1.0);
      if (coverage > 0) Blend(x, y, shade(px, py), coverage * opacity);
    }
  }
}

void Canvas::Fill(const Distance& shape, Colour c, double opacity) {
  Fill(
      shape, [c](double, double) { return c; }, opacity);
}

void Canvas::Stamp(const std::vector<double>& coverage, int mask_width, int left, int top, Colour c,
                   double opacity) {
  if (mask_width <= 0) return;
  const int mask_height = static_cast<int>(coverage.size()) / mask_width;
  for (int y = 0; y < mask_height; ++y) {
    for (int x = 0; x < mask_width; ++x) {
      Blend(left + x, top + y, c, coverage[PixelIndex(x, y, mask_width)] * opacity);
    }
  }
}

std::vector<std::uint8_t> Canvas::ToRgb() const {
  std::vector<std::uint8_t> out;
  out.reserve(pixels_.size() * 3);
  const auto byte = [](double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
  };
  for (const auto& p : pixels_) {
    out.push_back(byte(p.r));
    out.push_back(byte(p.g));
    out.push_back(byte(p.b));
  }
  return out;
}

}  // namespace n5::artgen

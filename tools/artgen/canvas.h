// A floating-point RGB drawing surface with anti-aliased shapes described by signed distance
// functions. Working in doubles keeps gradients and translucent layers free of rounding until
// the single conversion to bytes when a file is written.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "assets/probe_colours.h"

namespace n5::artgen {

struct Colour {
  double r = 0;
  double g = 0;
  double b = 0;
};

constexpr Colour FromRgb(n5::assets::Rgb c) {
  return {static_cast<double>(c.r), static_cast<double>(c.g), static_cast<double>(c.b)};
}
Colour Mix(Colour a, Colour b, double t);  // t = 0 gives a, t = 1 gives b
double SmoothStep(double edge0, double edge1, double x);

// Signed distance in pixels from a point to a shape's outline: negative inside.
using Distance = std::function<double(double x, double y)>;
Distance Circle(double cx, double cy, double radius);
Distance RoundedBox(double left, double top, double right, double bottom, double radius);
Distance Ring(double cx, double cy, double radius, double half_width);

class Canvas {
 public:
  Canvas(int width, int height, Colour fill);

  int width() const { return width_; }
  int height() const { return height_; }
  Colour At(int x, int y) const;
  void Set(int x, int y, Colour c);
  // Lays `c` over the pixel with the given opacity (0..1); out-of-range points are ignored.
  void Blend(int x, int y, Colour c, double opacity);

  // Paints every pixel with `shade(x, y)`, evaluated at the pixel centre.
  void Paint(const std::function<Colour(double x, double y)>& shade);
  // Fills a shape with anti-aliased edges; `opacity` scales the coverage.
  void Fill(const Distance& shape, const std::function<Colour(double x, double y)>& shade,
            double opacity = 1.0);
  void Fill(const Distance& shape, Colour c, double opacity = 1.0);
  // Lays `c` over the pixels of a coverage mask placed with its top-left corner at (left, top).
  void Stamp(const std::vector<double>& coverage, int mask_width, int left, int top, Colour c,
             double opacity = 1.0);

  // The picture as 8-bit RGB, top-down, rounded to the nearest value.
  std::vector<std::uint8_t> ToRgb() const;

 private:
  int width_;
  int height_;
  std::vector<Colour> pixels_;
};

}  // namespace n5::artgen

// Between the form's twips and the screen's pixels (15 twips to the pixel at 96 dpi; the
// launcher does not scale itself, Windows scales the whole window). Portable: no Windows
// header.
#pragma once

#include "form/types.h"

namespace n5::win32 {

// A rectangle in pixels, right and bottom exclusive, as Windows has them.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool empty() const { return right <= left || bottom <= top; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The nearest pixel to a position in twips (halves go to the right and down).
int PixelOf(float twips);
// A pixel position in twips.
float TwipsOf(int pixels);

// Where a control is drawn: each edge at its nearest pixel.
PixelRect PlacedPixels(const form::Rect& twips);
// Every pixel that an area touches, for repainting: edges moved outwards.
PixelRect CoveringPixels(const form::Rect& twips);

PixelRect Intersect(const PixelRect& a, const PixelRect& b);

}  // namespace n5::win32

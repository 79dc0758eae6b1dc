// The palettised 32x32 images: the two pointing-hand cursors and the program icon.
#pragma once

#include "text.h"
#include "writers.h"

namespace n5::artgen {

// Black outline, white fill, 1 bit per pixel; the fingertip's top is at (5, 0).
PalettedImage DrawHandCursor();
// Grey-shaded, 8 bits per pixel; the fingertip's top centre is at kColourHandHotSpot.
PalettedImage DrawColourHandCursor();
inline constexpr HotSpot kHandHotSpot{0, 0};
inline constexpr HotSpot kColourHandHotSpot{13, 5};

// A red "N" and a black "5" on a light rounded plate, 8 bits per pixel.
PalettedImage DrawProgramIcon(const FontFile& font);

}  // namespace n5::artgen

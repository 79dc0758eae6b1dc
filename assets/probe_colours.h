// Known pixels of the launcher's pictures, for tests that look at what was drawn on screen.
// Each point lies in a flat area of its picture that no caption, description or footer text
// covers when the launcher draws it, so finding exactly this colour there shows that the
// picture itself (and not some fallback fill) was drawn at the right place. The generator in
// tools/artgen paints these colours from these constants.
#pragma once

#include <cstdint>

namespace n5::assets {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

struct ProbePoint {
  int x = 0;  // in the picture's own coordinates, origin top-left
  int y = 0;
  Rgb colour;
};

// Right of the description area (x 220..460, y 120..270), below it and above the footer
// band, in the deep blue that stays flat from y 290 down to the footer right of x 400.
inline constexpr ProbePoint kBackgroundProbe{470, 312, {16, 50, 112}};

// The menu bars carry their centred caption from about 10 px below their top edge, so their
// upper-left corner area is free; the probes sit in each bar's flat upper band.
inline constexpr ProbePoint kNormalItemProbe{4, 4, {206, 224, 247}};
inline constexpr ProbePoint kHoverItemProbe{4, 4, {255, 234, 150}};
inline constexpr ProbePoint kDesignedItemProbe{4, 4, {226, 240, 255}};

}  // namespace n5::assets

#include "linux/pixel_rects.h"

#include <limits>

#include <gtest/gtest.h>

namespace n5::linux_ui {
namespace {

TEST(PixelRectsTest, PlacesControlsAtTheNearestPixelAndRepaintsEveryPixelTouched) {
  struct Case {
    form::Rect twips;
    SDL_Rect placed;
    SDL_Rect covered;
  } cases[] = {
      {{0, 0, 7530, 5805}, {0, 0, 502, 387}, {0, 0, 502, 387}},
      {{362, 1800, 2115, 510}, {24, 120, 141, 34}, {24, 120, 142, 34}},
      {{3302, 1950, 3600, 2250}, {220, 130, 240, 150}, {220, 130, 241, 150}},
      {{7, 8, 1, 1}, {0, 1, 1, 0}, {0, 0, 1, 1}},
      {{-20, -20, 10, 10}, {-1, -1, 0, 0}, {-2, -2, 2, 2}},
      {{100, 100, -50, 10}, {7, 7, 0, 0}, {6, 6, 0, 2}},
  };
  for (const Case& c : cases) {
    SDL_Rect placed = PlacedPixels(c.twips);
    SDL_Rect covered = CoveredPixels(c.twips);
    EXPECT_TRUE(SDL_RectEquals(&placed, &c.placed))
        << c.twips.left << "," << c.twips.top << ": " << placed.x << "," << placed.y << " "
        << placed.w << "x" << placed.h;
    EXPECT_TRUE(SDL_RectEquals(&covered, &c.covered))
        << c.twips.left << "," << c.twips.top << ": " << covered.x << "," << covered.y << " "
        << covered.w << "x" << covered.h;
  }
  EXPECT_EQ(ToTwips(94), 1410);
}

TEST(PixelRectsTest, NeverOverflowsOnOddValues) {
  const float huge = std::numeric_limits<float>::max();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (form::Rect r : {form::Rect{huge, huge, huge, huge}, form::Rect{-huge, -huge, huge, huge},
                       form::Rect{nan, nan, nan, nan}}) {
    for (SDL_Rect p : {PlacedPixels(r), CoveredPixels(r)}) {
      EXPECT_GE(p.w, 0);
      EXPECT_GE(p.h, 0);
      EXPECT_LE(p.x, 1 << 24);
      EXPECT_GE(p.x, -(1 << 24));
    }
  }
}

}  // namespace
}  // namespace n5::linux_ui

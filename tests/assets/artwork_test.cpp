// What the launcher relies on in its artwork: where text can be read, where the mouse points,
// what the window frame and the end-to-end probes look like.
#include <gtest/gtest.h>

#include <set>

#include "asset_helpers.h"

namespace n5::assets {
namespace {

using testdata::Alpha;
using testdata::Bitmap;
using testdata::Contrast;
using testdata::IconImage;
using testdata::LoadBitmap;
using testdata::LoadIcon;
using testdata::PixelAt;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kCaptionNavy{12, 32, 76};  // the menu captions' colour

struct Area {
  int left, top, right, bottom;  // inclusive
};

// The lowest contrast between `text` and any pixel of `area`.
double WorstContrast(const Bitmap& b, Area area, Rgb text) {
  double worst = 100;
  for (int y = area.top; y <= area.bottom; ++y) {
    for (int x = area.left; x <= area.right; ++x) {
      worst = std::min(worst, Contrast(PixelAt(b, x, y), text));
    }
  }
  return worst;
}

// First and last row of `area` holding a pixel whose red is at least `min_red`: the backdrop's
// blue never gets there, white and light text does.
std::pair<int, int> InkRows(const Bitmap& b, Area area, int min_red) {
  int first = -1;
  int last = -1;
  for (int y = area.top; y <= area.bottom; ++y) {
    for (int x = area.left; x <= area.right; ++x) {
      if (PixelAt(b, x, y).r < min_red) continue;
      if (first < 0) first = y;
      last = y;
    }
  }
  return {first, last};
}

TEST(Background, HasAOnePixelBlackFrame) {
  const Bitmap b = LoadBitmap(AssetId::Background);
  ASSERT_EQ(b.width, 502);
  for (int x = 0; x < b.width; ++x) {
    EXPECT_EQ(PixelAt(b, x, 0), kBlack) << "top edge at x " << x;
    EXPECT_EQ(PixelAt(b, x, b.height - 1), kBlack) << "bottom edge at x " << x;
    if (x > 0 && x < b.width - 1) {
      EXPECT_NE(PixelAt(b, x, 1), kBlack) << "inside the top edge at x " << x;
      EXPECT_NE(PixelAt(b, x, b.height - 2), kBlack) << "inside the bottom edge at x " << x;
    }
  }
  for (int y = 0; y < b.height; ++y) {
    EXPECT_EQ(PixelAt(b, 0, y), kBlack) << "left edge at y " << y;
    EXPECT_EQ(PixelAt(b, b.width - 1, y), kBlack) << "right edge at y " << y;
    if (y > 0 && y < b.height - 1) {
      EXPECT_NE(PixelAt(b, 1, y), kBlack) << "inside the left edge at y " << y;
      EXPECT_NE(PixelAt(b, b.width - 2, y), kBlack) << "inside the right edge at y " << y;
    }
  }
}

TEST(Background, TextAreasKeepTheirTextReadable) {
  const Bitmap b = LoadBitmap(AssetId::Background);
  const struct {
    const char* what;
    Area area;
    Rgb text;
  } areas[] = {
      {"white description", {220, 120, 460, 270}, kWhite},
      {"black footer text", {1, 359, 500, 371}, kBlack},
  };
  for (const auto& a : areas) EXPECT_GE(WorstContrast(b, a.area, a.text), 4.5) << a.what;
}

TEST(Background, LeavesTheMenuColumnPlain) {
  // Plain backdrop: no edges of drawn shapes or text, only gradients a level or two per pixel.
  const Bitmap b = LoadBitmap(AssetId::Background);
  const auto step = [](Rgb a, Rgb c) {
    return std::max({std::abs(a.r - c.r), std::abs(a.g - c.g), std::abs(a.b - c.b)});
  };
  int steepest = 0;
  for (int y = 120; y <= 310; ++y) {
    for (int x = 24; x <= 165; ++x) {
      steepest = std::max(steepest, step(PixelAt(b, x, y), PixelAt(b, x + 1, y)));
      steepest = std::max(steepest, step(PixelAt(b, x, y), PixelAt(b, x, y + 1)));
    }
  }
  EXPECT_LE(steepest, 2);
}

TEST(Background, CarriesTitleAndWelcomeLineInTheUpperLeft) {
  const Bitmap b = LoadBitmap(AssetId::Background);
  const struct {
    const char* what;
    Area search;
    int min_red;
    int top_at_least;
    int bottom_at_most;
    int min_height;
  } lines[] = {
      {"title", {20, 8, 300, 68}, 230, 25, 60, 26},
      {"welcome line", {20, 66, 300, 100}, 170, 72, 92, 12},
  };
  for (const auto& line : lines) {
    SCOPED_TRACE(line.what);
    const auto [first, last] = InkRows(b, line.search, line.min_red);
    ASSERT_GE(first, 0) << "no text found";
    EXPECT_GE(first, line.top_at_least);
    EXPECT_LE(last, line.bottom_at_most);
    EXPECT_GE(last - first + 1, line.min_height);
  }
}

TEST(Probes, LieClearOfEveryText) {
  // The description area, the footer band and the bars' centred captions.
  const auto& bg = kBackgroundProbe;
  EXPECT_TRUE(bg.x > 460 || bg.y > 270) << "inside the description area";
  EXPECT_LT(bg.y, 350) << "inside the footer band";
  EXPECT_TRUE(bg.x > 0 && bg.x < 501 && bg.y > 0) << "on the frame";
  for (const auto& bar : {kNormalItemProbe, kHoverItemProbe, kDesignedItemProbe}) {
    EXPECT_LT(bar.x, 10);
    EXPECT_GE(bar.y, 2);
    EXPECT_LE(bar.y, 8);
  }
}

TEST(Probes, PicturesShowTheirProbeColourInAFlatArea) {
  const struct {
    AssetId id;
    ProbePoint probe;
  } cases[] = {
      {AssetId::Background, kBackgroundProbe},
      {AssetId::NormalItem, kNormalItemProbe},
      {AssetId::HoverItem, kHoverItemProbe},
      {AssetId::DesignedItem, kDesignedItemProbe},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(FileName(c.id)));
    const Bitmap b = LoadBitmap(c.id);
    ASSERT_GT(b.width, c.probe.x + 1);
    ASSERT_GT(b.height, c.probe.y + 1);
    // Its neighbours too, so a picture drawn a pixel off still shows the colour.
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        EXPECT_EQ(PixelAt(b, c.probe.x + dx, c.probe.y + dy), c.probe.colour)
            << "at " << c.probe.x + dx << "," << c.probe.y + dy;
      }
    }
  }
}

TEST(Probes, TellTheThreeMenuBarLooksApart) {
  const Rgb normal =
      PixelAt(LoadBitmap(AssetId::NormalItem), kNormalItemProbe.x, kNormalItemProbe.y);
  const Rgb hover = PixelAt(LoadBitmap(AssetId::HoverItem), kHoverItemProbe.x, kHoverItemProbe.y);
  const Rgb designed =
      PixelAt(LoadBitmap(AssetId::DesignedItem), kDesignedItemProbe.x, kDesignedItemProbe.y);
  EXPECT_NE(normal, hover);
  EXPECT_NE(normal, designed);
  EXPECT_NE(hover, designed);
}

TEST(MenuBars, KeepTheNavyCaptionReadable) {
  // The caption is centred: rows 8..25 and all but the ends of the bar.
  for (const AssetId id : {AssetId::NormalItem, AssetId::HoverItem, AssetId::DesignedItem}) {
    EXPECT_GE(WorstContrast(LoadBitmap(id), {10, 8, 154, 25}, kCaptionNavy), 4.5) << FileName(id);
  }
}

TEST(Cursors, NeverInvertTheScreen) {
  // A masked pixel with a non-black colour would invert what lies beneath it.
  for (const AssetId id : {AssetId::HandCursor, AssetId::ColourHandCursor, AssetId::ProgramIcon}) {
    const IconImage image = LoadIcon(id);
    int inverting = 0;
    for (const std::uint32_t p : image.argb) inverting += Alpha(p) == 0 && p != 0;
    EXPECT_EQ(inverting, 0) << FileName(id);
  }
}

TEST(Cursors, BlackAndWhiteHandPointsFromItsTopRow) {
  const IconImage hand = LoadIcon(AssetId::HandCursor);
  ASSERT_EQ(hand.argb.size(), 32u * 32u);
  EXPECT_EQ(hand.hotspot_x, 0);
  EXPECT_EQ(hand.hotspot_y, 0);
  EXPECT_EQ(PixelAt(hand, 5, 0), 0xFF000000u) << "the fingertip's outline";
  EXPECT_EQ(PixelAt(hand, 0, 0), 0x00000000u) << "the hot spot itself lies beside the finger";
  int white = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const std::uint32_t p = PixelAt(hand, x, y);
      if (Alpha(p) == 0) continue;
      EXPECT_TRUE(p == 0xFF000000u || p == 0xFFFFFFFFu) << "at " << x << "," << y;
      if (p != 0xFFFFFFFFu) continue;
      ++white;
      // White fill is enclosed by the outline: never next to a transparent pixel.
      for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const int nx = x + dx;
        const int ny = y + dy;
        if (nx < 0 || ny < 0 || nx >= 32 || ny >= 32) continue;
        EXPECT_NE(Alpha(PixelAt(hand, nx, ny)), 0) << "fill at " << x << "," << y << " leaks";
      }
    }
  }
  EXPECT_GT(white, 100);
}

TEST(Cursors, ShadedHandHasItsHotSpotOnTheFingertip) {
  const IconImage hand = LoadIcon(AssetId::ColourHandCursor);
  ASSERT_EQ(hand.argb.size(), 32u * 32u);
  EXPECT_EQ(hand.hotspot_x, 13);
  EXPECT_EQ(hand.hotspot_y, 5);
  EXPECT_NE(Alpha(PixelAt(hand, 13, 5)), 0) << "hot spot on the hand";
  EXPECT_EQ(Alpha(PixelAt(hand, 13, 4)), 0) << "nothing above the fingertip";
  std::set<std::uint32_t> greys;
  for (const std::uint32_t p : hand.argb) {
    if (Alpha(p) == 0) continue;
    const auto r = (p >> 16) & 0xFF;
    const auto g = (p >> 8) & 0xFF;
    const auto b = p & 0xFF;
    EXPECT_TRUE(r == g && g == b) << std::hex << p << " is not grey";
    greys.insert(p);
  }
  EXPECT_GE(greys.size(), 4u) << "outline, light, shade and more";
}

TEST(ProgramIcon, ShowsARedNBeforeABlackFiveOnATransparentGround) {
  const IconImage icon = LoadIcon(AssetId::ProgramIcon);
  ASSERT_EQ(icon.argb.size(), 32u * 32u);
  for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) {
    EXPECT_EQ(Alpha(PixelAt(icon, x, y)), 0) << "corner " << x << "," << y;
  }
  long red_x = 0;
  long black_x = 0;
  int red = 0;
  int black = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const std::uint32_t p = PixelAt(icon, x, y);
      if (Alpha(p) == 0) continue;
      const int r = int(p >> 16 & 0xFF);
      const int g = int(p >> 8 & 0xFF);
      const int b = int(p & 0xFF);
      if (r >= 150 && g <= 90 && b <= 90) {
        ++red;
        red_x += x;
      }
      if (r <= 50 && g <= 50 && b <= 50) {
        ++black;
        black_x += x;
      }
    }
  }
  ASSERT_GT(red, 20);
  ASSERT_GT(black, 20);
  EXPECT_LT(red_x / red, black_x / black) << "the red letter comes first";
}

}  // namespace
}  // namespace n5::assets

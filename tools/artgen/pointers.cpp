#include "pointers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string_view>

#include "canvas.h"
#include "pixel_index.h"

namespace n5::artgen {
namespace {

constexpr int kSide = 32;

// '#' outline, 'o' fill, 'c' cuff, '.' transparent. Rows shorter than 32 continue
// transparent, missing rows too.
constexpr std::array<std::string_view, 22> kHand = {
    ".....##",            //  0  the fingertip: its left pixel is (5, 0)
    "....#oo#",           //  1
    "....#oo#",           //  2
    "....#oo#",           //  3
    "....#oo#",           //  4
    "....#oo###",         //  5
    "....#oo#oo###",      //  6
    "....#oo#oo#oo###",   //  7
    "....#oo#oo#oo#oo#",  //  8
    ".##.#oo#oo#oo#oo#",  //  9
    "#oo##oo#oo#oo#oo#",  // 10
    "#ooo#ooooooooooo#",  // 11
    ".#oooooooooooooo#",  // 12
    "..#ooooooooooooo#",  // 13
    "..#ooooooooooooo#",  // 14
    "...#oooooooooooo#",  // 15
    "...#ooooooooooo#",   // 16
    "....#oooooooooo#",   // 17
    "....#oooooooooo#",   // 18
    ".....#oooooooo#",    // 19
    ".....#oooooooo#",    // 20
    ".....##########",    // 21
};

// The larger shaded hand; rows 0..4 are empty so the fingertip sits at the hot spot (13, 5).
constexpr std::array<std::string_view, 32> kColourHand = {
    "",
    "",
    "",
    "",
    "",
    "............###",              //  5  tip, centred on x 13
    "...........#ooo#",             //  6
    "...........#ooo#",             //  7
    "...........#ooo#",             //  8
    "...........#ooo#",             //  9
    "...........#ooo#",             // 10
    "...........#ooo#",             // 11
    "...........#ooo####",          // 12
    "...........#ooo#ooo####",      // 13
    "...........#ooo#ooo#ooo###",   // 14
    ".......##..#ooo#ooo#ooo#oo#",  // 15
    "......#oo#.#ooo#ooo#ooo#oo#",  // 16
    "......#ooo##ooo#ooo#ooo#oo#",  // 17
    ".......#ooo#ooo#ooo#ooo#oo#",  // 18
    ".......#ooo#oooooooooooooo#",  // 19
    "........#ooo#ooooooooooooo#",  // 20
    "........#ooooooooooooooooo#",  // 21
    ".........#oooooooooooooooo#",  // 22
    ".........#oooooooooooooooo#",  // 23
    "..........#ooooooooooooooo#",  // 24
    "..........#oooooooooooooo#",   // 25
    "...........#ooooooooooooo#",   // 26
    "...........#ooooooooooooo#",   // 27
    "...........###############",   // 28
    "...........#ccccccccccccc#",   // 29
    "...........#ccccccccccccc#",   // 30
    "...........###############",   // 31
};

template <std::size_t N>
char Cell(const std::array<std::string_view, N>& art, int x, int y) {
  if (x < 0 || y < 0 || y >= int(N)) return '.';
  const auto row = art[std::size_t(y)];
  return x < int(row.size()) ? row[std::size_t(x)] : '.';
}

PalettedImage Blank(int bit_count) {
  PalettedImage image;
  image.width = kSide;
  image.height = kSide;
  image.bit_count = bit_count;
  image.indices.assign(PixelCount(kSide, kSide), 0);
  image.transparent.assign(PixelCount(kSide, kSide),
                           true);  // over index 0, black: leaves the screen as is
  return image;
}

// Greys for the shaded hand: light from the upper left, so fill pixels along the left and top
// outline catch it and those along the right and bottom lie in shade.
int FillGrey(int x, int y) {
  const auto outline = [&](int dx, int dy) { return Cell(kColourHand, x + dx, y + dy) == '#'; };
  int grey = 236 - (y - 5) / 2;  // a little darker towards the wrist
  if (outline(-1, 0) || outline(0, -1)) grey = 255;
  if (outline(1, 0)) grey = 184;
  if (outline(0, 1)) grey = std::min(grey, 200);
  if (outline(1, 1) && !outline(1, 0) && !outline(0, 1)) grey = std::min(grey, 214);
  return grey;
}

}  // namespace

PalettedImage DrawHandCursor() {
  PalettedImage image = Blank(1);
  image.palette = {{0, 0, 0}, {255, 255, 255}};
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const char cell = Cell(kHand, x, y);
      if (cell == '.') continue;
      const std::size_t at = PixelIndex(x, y, kSide);
      image.transparent[at] = false;
      image.indices[at] = cell == '#' ? 0 : 1;
    }
  }
  return image;
}

PalettedImage DrawColourHandCursor() {
  PalettedImage image = Blank(8);
  for (int i = 0; i < 256; ++i) {
    const auto v = static_cast<std::uint8_t>(i);
    image.palette.push_back({v, v, v});  // index = grey level
  }
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const char cell = Cell(kColourHand, x, y);
      if (cell == '.') continue;
      const std::size_t at = PixelIndex(x, y, kSide);
      image.transparent[at] = false;
      int grey = 24;  // outline: near black, softer than pure black against the shading
      if (cell == 'o') grey = FillGrey(x, y);
      if (cell == 'c') grey = y == 29 ? 176 : 150;
      image.indices[at] = static_cast<std::uint8_t>(grey);
    }
  }
  if (image.transparent[PixelIndex(kColourHandHotSpot.x, kColourHandHotSpot.y, kSide)]) {
    throw std::logic_error("the colour hand's hot spot must lie on the fingertip");
  }
  return image;
}

PalettedImage DrawProgramIcon(const FontFile& font) {
  // Paint at full colour, then keep the plate as the opaque area and build the palette.
  const Distance plate = RoundedBox(1, 1, 31, 31, 6);
  Canvas c(kSide, kSide, {0, 0, 0});
  c.Paint([](double, double y) { return Mix({255, 255, 255}, {220, 228, 238}, y / kSide); });
  // The rim: pixels inside the plate within a pixel of its edge.
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const double d = plate(x + 0.5, y + 0.5);
      if (d <= 0 && d > -1.2) c.Set(x, y, {132, 144, 164});
    }
  }
  const TextMask n = Thicken(font.Render("N", 18, true), 1);
  const TextMask five = Thicken(font.Render("5", 18, true), 1);
  const int gap = 1;
  const int left = (kSide - (n.width + gap + five.width)) / 2;
  const int top = (kSide - n.height) / 2;
  c.Stamp(n.coverage, n.width, left, top, {206, 18, 28});
  c.Stamp(five.coverage, five.width, left + n.width + gap, top + (n.height - five.height) / 2,
          {16, 16, 16});

  PalettedImage image = Blank(8);
  const auto rgb = c.ToRgb();
  std::map<std::array<std::uint8_t, 3>, std::uint8_t> index_of;
  image.palette.push_back({0, 0, 0});  // index 0 stays black for the transparent pixels
  index_of[{0, 0, 0}] = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (plate(x + 0.5, y + 0.5) > 0) continue;
      const std::size_t at = PixelIndex(x, y, kSide);
      const std::array<std::uint8_t, 3> colour{rgb[at * 3], rgb[at * 3 + 1], rgb[at * 3 + 2]};
      auto it = index_of.find(colour);
      if (it == index_of.end()) {
        if (image.palette.size() == 256) throw std::logic_error("icon needs too many colours");
        it = index_of.emplace(colour, std::uint8_t(image.palette.size())).first;
        image.palette.push_back(colour);
      }
      image.indices[at] = it->second;
      image.transparent[at] = false;
    }
  }
  return image;
}

}  // namespace n5::artgen

#include "assets/icon_file.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "test_files.h"

namespace n5::assets {
namespace {

using testdata::IconRecipe;
using testdata::MakeIconFile;
using testdata::PutU16;
using testdata::PutU32;

// Images 3 pixels wide, so that every depth's rows need padding, and 2 high, so that the
// bottom-up order shows.
IconRecipe Image(int bits, std::vector<std::uint32_t> palette, std::vector<std::uint32_t> pixels,
                 std::vector<bool> mask) {
  return {false, 0, 0, 3, 2, bits, std::move(palette), std::move(pixels), std::move(mask)};
}

struct DepthCase {
  const char* what;
  IconRecipe recipe;
  std::vector<std::uint32_t> want;  // top-down 0xAARRGGBB
};

std::vector<DepthCase> DepthCases() {
  using Pixels = std::vector<std::uint32_t>;
  const std::vector<bool> no_mask_bit = {0, 0, 0, 0, 0, 0};
  return {
      {"1 bit: black, white, transparent and inverting pixels",
       Image(1, {0x000000, 0xFFFFFF}, {0, 1, 1, 0, 1, 0}, {0, 0, 1, 1, 0, 0}),
       {0xFF000000, 0xFFFFFFFF, 0x00FFFFFF, 0x00000000, 0xFFFFFFFF, 0xFF000000}},
      {"4 bits with a short palette",
       Image(4, {0x112233, 0x445566, 0x778899}, {0, 1, 2, 2, 1, 0}, {0, 0, 0, 0, 0, 1}),
       {0xFF112233, 0xFF445566, 0xFF778899, 0xFF778899, 0xFF445566, 0x00112233}},
      {"8 bits, an index past the palette reads black",
       Image(8, {0xFF0000, 0x00FF00}, {0, 1, 200, 1, 0, 1}, no_mask_bit),
       {0xFFFF0000, 0xFF00FF00, 0xFF000000, 0xFF00FF00, 0xFFFF0000, 0xFF00FF00}},
      {"24 bits",
       Image(24, {}, Pixels{0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0x010203},
             {1, 0, 0, 0, 0, 1}),
       {0x00102030, 0xFF405060, 0xFF708090, 0xFFA0B0C0, 0xFFD0E0F0, 0x00010203}},
      {"32 bits with alpha",
       Image(32, {}, Pixels{0x80102030, 0xFF405060, 0, 0x01020304, 0xFFFFFFFF, 0x7F7F7F7F},
             no_mask_bit),
       {0x80102030, 0xFF405060, 0x00000000, 0x01020304, 0xFFFFFFFF, 0x7F7F7F7F}},
      {"32 bits without alpha are opaque, the mask still applies",
       Image(32, {}, Pixels{0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0},
             {0, 0, 0, 0, 0, 1}),
       {0xFF102030, 0xFF405060, 0xFF708090, 0xFFA0B0C0, 0xFFD0E0F0, 0x00000000}},
      {"32 bits without a mask",
       Image(32, {}, Pixels{0x80102030, 0xFF405060, 0, 0, 0, 0x10FFFFFF}, {}),
       {0x80102030, 0xFF405060, 0, 0, 0, 0x10FFFFFF}},
  };
}

TEST(DecodeIconFile, ReadsEveryDepthAndAppliesTheMask) {
  for (const auto& c : DepthCases()) {
    SCOPED_TRACE(c.what);
    const auto icon = DecodeIconFile(MakeIconFile(c.recipe));
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(icon->width, 3);
    EXPECT_EQ(icon->height, 2);
    EXPECT_EQ(icon->bit_count, c.recipe.bits);
    EXPECT_FALSE(icon->is_cursor);
    EXPECT_EQ(icon->argb, c.want);
  }
}

TEST(DecodeIconFile, TakesTheHotSpotFromACursorOnly) {
  IconRecipe recipe{true, 7, 9, 3, 2, 8, {0xFFFFFF}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
  const auto cursor = DecodeIconFile(MakeIconFile(recipe));
  ASSERT_TRUE(cursor.has_value());
  EXPECT_TRUE(cursor->is_cursor);
  EXPECT_EQ(cursor->hotspot_x, 7);
  EXPECT_EQ(cursor->hotspot_y, 9);

  // An icon keeps planes (1) and bits per pixel (8) where a cursor has its hot spot.
  recipe.cursor = false;
  const auto icon = DecodeIconFile(MakeIconFile(recipe));
  ASSERT_TRUE(icon.has_value());
  EXPECT_FALSE(icon->is_cursor);
  EXPECT_EQ(icon->hotspot_x, 0);
  EXPECT_EQ(icon->hotspot_y, 0);
}

TEST(DecodeIconFile, RejectsHeadersItCannotHonour) {
  struct Case {
    const char* what;
    std::size_t offset;
    int size;  // 1, 2 or 4 bytes
    std::uint32_t value;
  };
  constexpr std::size_t kDib = 22;  // the one image follows the directory
  const IconRecipe recipe{
      false, 0, 0, 3, 2, 8, {0xFF0000, 0x00FF00}, {0, 1, 0, 1, 0, 1}, {0, 0, 0, 0, 0, 0}};
  const auto valid = MakeIconFile(recipe);
  const Case cases[] = {
      {"reserved word set", 0, 2, 1},
      {"neither icon nor cursor", 2, 2, 3},
      {"no images", 4, 2, 0},
      {"image larger than the file", 14, 4, static_cast<std::uint32_t>(valid.size())},
      {"image starts past the end", 18, 4, static_cast<std::uint32_t>(valid.size())},
      {"image offset near the top of the range", 18, 4, 0xFFFFFFF0},
      {"PNG image", kDib, 4, 0x474E5089},
      {"core header", kDib, 4, 12},
      {"zero width", kDib + 4, 4, 0},
      {"negative width", kDib + 4, 4, static_cast<std::uint32_t>(-3)},
      {"wider than an icon can be", kDib + 4, 4, 257},
      {"odd stacked height", kDib + 8, 4, 3},
      {"negative height", kDib + 8, 4, static_cast<std::uint32_t>(-4)},
      {"more rows than stored", kDib + 8, 4, 6},
      {"two planes", kDib + 12, 2, 2},
      {"16 bits per pixel", kDib + 14, 2, 16},
      {"bit fields", kDib + 16, 4, 3},
      {"more colours than 8 bits hold", kDib + 32, 4, 257},
  };
  ASSERT_TRUE(DecodeIconFile(valid).has_value());
  for (const auto& c : cases) {
    auto file = valid;
    if (c.size == 2) {
      PutU16(file, c.offset, c.value);
    } else {
      PutU32(file, c.offset, c.value);
    }
    EXPECT_FALSE(DecodeIconFile(file).has_value()) << c.what;
  }
}

}  // namespace
}  // namespace n5::assets

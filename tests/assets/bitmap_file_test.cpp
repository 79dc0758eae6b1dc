#include "assets/bitmap_file.h"

#include <gtest/gtest.h>

#include <string>

#include "test_files.h"

namespace n5::assets {
namespace {

using testdata::MakeBmp;
using testdata::PutU16;
using testdata::PutU32;

// A colour that tells every pixel apart, so a swapped row, column or channel shows.
std::uint32_t PatternColour(int x, int y) {
  return (static_cast<std::uint32_t>(0x20 + 16 * x) << 16) |
         (static_cast<std::uint32_t>(0x30 + 32 * y) << 8) | 0x5A;
}

std::vector<std::uint32_t> Pattern(int width, int height) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) out.push_back(PatternColour(x, y));
  }
  return out;
}

TEST(DecodeBmp, ReadsEveryPixelTopDownWhateverTheStorage) {
  struct Case {
    int width;
    int height;  // negative: stored top-down
    std::uint32_t info_size;
  };
  // Widths 1..5 cover every amount of row padding, 0 to 3 bytes.
  const Case cases[] = {
      {1, 3, 40},  {2, 3, 40},  {3, 2, 40},  {4, 2, 40},  {5, 1, 40},
      {3, -2, 40}, {5, -3, 40}, {2, 2, 108}, {3, 2, 124},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("width " + std::to_string(c.width) + " height " + std::to_string(c.height) +
                 " header " + std::to_string(c.info_size));
    const int rows = c.height < 0 ? -c.height : c.height;
    const auto file = MakeBmp(c.width, c.height, Pattern(c.width, rows), c.info_size);
    const auto bitmap = DecodeBmp(file);
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(bitmap->width, c.width);
    EXPECT_EQ(bitmap->height, rows);
    EXPECT_EQ(bitmap->bit_count, 24);
    ASSERT_EQ(bitmap->rgb.size(), static_cast<std::size_t>(c.width * rows * 3));
    for (int y = 0; y < rows; ++y) {
      for (int x = 0; x < c.width; ++x) {
        const std::uint32_t want = PatternColour(x, y);
        const auto* got = &bitmap->rgb[testdata::PixelIndex(x, y, c.width) * 3];
        EXPECT_EQ(got[0], (want >> 16) & 0xFF) << "red at " << x << "," << y;
        EXPECT_EQ(got[1], (want >> 8) & 0xFF) << "green at " << x << "," << y;
        EXPECT_EQ(got[2], want & 0xFF) << "blue at " << x << "," << y;
      }
    }
  }
}

TEST(DecodeBmp, RejectsHeadersItCannotHonour) {
  struct Case {
    const char* what;
    std::size_t offset;
    int size;  // 2 or 4 bytes
    std::uint32_t value;
  };
  const auto valid = MakeBmp(3, 2, Pattern(3, 2));
  const Case cases[] = {
      {"not a bitmap", 0, 2, 0x4142},
      {"pixels start past the end", 10, 4, static_cast<std::uint32_t>(valid.size())},
      {"pixels start at the top of the address range", 10, 4, 0xFFFFFFFF},
      {"OS/2 core header", 14, 4, 12},
      {"header longer than the file", 14, 4, 0x10000},
      {"zero width", 18, 4, 0},
      {"negative width", 18, 4, static_cast<std::uint32_t>(-3)},
      {"absurd width", 18, 4, 0x7FFFFFFF},
      {"zero height", 22, 4, 0},
      {"most negative height", 22, 4, 0x80000000},
      {"more rows than stored", 22, 4, 3},
      {"no planes", 26, 2, 0},
      {"8 bits per pixel", 28, 2, 8},
      {"32 bits per pixel", 28, 2, 32},
      {"run-length encoded", 30, 4, 1},
      {"bit fields", 30, 4, 3},
  };
  ASSERT_TRUE(DecodeBmp(valid).has_value());
  for (const auto& c : cases) {
    auto file = valid;
    if (c.size == 2) {
      PutU16(file, c.offset, c.value);
    } else {
      PutU32(file, c.offset, c.value);
    }
    EXPECT_FALSE(DecodeBmp(file).has_value()) << c.what;
  }
}

}  // namespace
}  // namespace n5::assets

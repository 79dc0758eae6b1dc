#include "assets/embedded_assets.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assets/bitmap_file.h"
#include "assets/icon_file.h"

namespace n5::assets {
namespace {

enum class Kind { Picture, Cursor, Icon };

struct Role {
  AssetId id;
  const char* file_name;
  Kind kind;
  int width;
  int height;
  int bit_count;
};

// What the launcher expects of each file: the window and its controls are laid out for these
// sizes, and the Windows build loads them with these formats.
constexpr Role kRoles[] = {
    {AssetId::Background, "pictures/background.bmp", Kind::Picture, 502, 387, 24},
    {AssetId::NormalItem, "pictures/normal.bmp", Kind::Picture, 165, 34, 24},
    {AssetId::HoverItem, "pictures/hover.bmp", Kind::Picture, 165, 34, 24},
    {AssetId::DesignedItem, "pictures/designed.bmp", Kind::Picture, 165, 34, 24},
    {AssetId::HelpIcon, "pictures/help.bmp", Kind::Picture, 19, 18, 24},
    {AssetId::Banner, "pictures/banner.bmp", Kind::Picture, 199, 17, 24},
    {AssetId::HandCursor, "cursors/hand.cur", Kind::Cursor, 32, 32, 1},
    {AssetId::ColourHandCursor, "cursors/hand_colour.cur", Kind::Cursor, 32, 32, 8},
    {AssetId::ProgramIcon, "icon/n5.ico", Kind::Icon, 32, 32, 8},
};

std::vector<std::uint8_t> ReadCommittedFile(const std::string& name) {
  std::ifstream in(std::string(N5_ASSETS_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(EmbeddedAssets, NamesEachFileRelativeToTheAssetsFolder) {
  for (const auto& role : kRoles) EXPECT_EQ(FileName(role.id), role.file_name);
}

TEST(EmbeddedAssets, CarryTheCommittedFilesByteForByte) {
  for (const auto& role : kRoles) {
    SCOPED_TRACE(role.file_name);
    const auto on_disk = ReadCommittedFile(role.file_name);
    ASSERT_FALSE(on_disk.empty());
    const auto embedded = Bytes(role.id);
    EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), on_disk.begin(), on_disk.end()));
  }
}

TEST(EmbeddedAssets, EveryFileDecodesWithTheSizeAndDepthOfItsRole) {
  for (const auto& role : kRoles) {
    SCOPED_TRACE(role.file_name);
    if (role.kind == Kind::Picture) {
      const auto bitmap = DecodeBmp(Bytes(role.id));
      ASSERT_TRUE(bitmap.has_value());
      EXPECT_EQ(bitmap->width, role.width);
      EXPECT_EQ(bitmap->height, role.height);
      EXPECT_EQ(bitmap->bit_count, role.bit_count);
    } else {
      const auto icon = DecodeIconFile(Bytes(role.id));
      ASSERT_TRUE(icon.has_value());
      EXPECT_EQ(icon->is_cursor, role.kind == Kind::Cursor);
      EXPECT_EQ(icon->width, role.width);
      EXPECT_EQ(icon->height, role.height);
      EXPECT_EQ(icon->bit_count, role.bit_count);
    }
  }
}

TEST(EmbeddedAssets, IconsAndCursorsHoldOneUncompressedImageWithItsMask) {
  for (const auto& role : kRoles) {
    if (role.kind == Kind::Picture) continue;
    SCOPED_TRACE(role.file_name);
    // Directory, one entry, info header, full palette, colour rows, AND mask rows.
    const std::size_t palette = std::size_t{4} << role.bit_count;
    const auto rows = static_cast<std::size_t>(role.height);
    const std::size_t colour_rows =
        static_cast<std::size_t>(role.width * role.bit_count / 8) * rows;
    const std::size_t mask_rows = static_cast<std::size_t>((role.width + 31) / 32 * 4) * rows;
    EXPECT_EQ(Bytes(role.id).size(), 6 + 16 + 40 + palette + colour_rows + mask_rows);
  }
}

}  // namespace
}  // namespace n5::assets

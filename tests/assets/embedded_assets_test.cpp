#include "assets/embedded_assets.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "asset_helpers.h"

namespace n5::assets {
namespace {

enum class Kind { Picture, Cursor, Icon };

struct Role {
  AssetId id;
  const char* file_name;
  Kind kind;
  int width;
  int height;
  int bit_count;  // of the icons and cursors
};

// What the launcher expects of each file: the window and its controls are laid out for these
// sizes, and the Windows build loads them with these formats.
constexpr Role kRoles[] = {
    {AssetId::Background, "pictures/background.png", Kind::Picture, 502, 387, 24},
    {AssetId::NormalItem, "pictures/normal.png", Kind::Picture, 165, 34, 24},
    {AssetId::HoverItem, "pictures/hover.png", Kind::Picture, 165, 34, 24},
    {AssetId::DesignedItem, "pictures/designed.png", Kind::Picture, 165, 34, 24},
    {AssetId::HelpIcon, "pictures/help.png", Kind::Picture, 19, 18, 24},
    {AssetId::Banner, "pictures/banner.png", Kind::Picture, 199, 17, 24},
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

TEST(EmbeddedAssets, EveryFileDecodesWithTheSizeOfItsRole) {
  for (const auto& role : kRoles) {
    SCOPED_TRACE(role.file_name);
    const testdata::Image image = role.kind == Kind::Picture
                                      ? testdata::Image{testdata::LoadBitmap(role.id)}
                                      : testdata::Image{testdata::LoadIcon(role.id)};
    EXPECT_EQ(image.width, role.width);
    EXPECT_EQ(image.height, role.height);
    EXPECT_EQ(linux_ui::CursorHotSpot(Bytes(role.id)).has_value(), role.kind == Kind::Cursor);
  }
}

TEST(EmbeddedAssets, PicturesAreCompressedOpaquePng) {
  constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const auto& role : kRoles) {
    if (role.kind != Kind::Picture) continue;
    SCOPED_TRACE(role.file_name);
    const auto bytes = Bytes(role.id);
    ASSERT_GT(bytes.size(), sizeof kSignature);
    EXPECT_TRUE(std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin()));
    // Smaller than the pixels themselves: the drive reads every byte.
    EXPECT_LT(bytes.size(), static_cast<std::size_t>(role.width * role.height * 3));
    for (const std::uint32_t p : testdata::LoadBitmap(role.id).argb) {
      ASSERT_EQ(testdata::Alpha(p), 0xFF);
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

// The pictures, cursors and icon as the Linux launcher decodes them. The files come from a disc
// that may be damaged: whatever is cut short or scrambled is refused or decoded to a picture of
// consistent size, never read out of bounds (the sanitizer build checks that).
#include "linux/sdl_images.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "assets/embedded_assets.h"

namespace n5::linux_ui {
namespace {

using assets::AssetId;
using Bytes = std::vector<std::uint8_t>;

bool IsIconOrCursor(AssetId id) {
  return id == AssetId::HandCursor || id == AssetId::ColourHandCursor || id == AssetId::ProgramIcon;
}

// Decodes as the launcher decodes the file of `id`; whether a picture came out, and checks
// that it is as large as its pixels say.
bool Decodes(AssetId id, std::span<const std::uint8_t> bytes) {
  SDL_Surface* surface = IsIconOrCursor(id) ? DecodeIconOrCursor(bytes) : DecodePicture(bytes);
  if (surface == nullptr) return false;
  EXPECT_EQ(surface->format->format, SDL_PIXELFORMAT_ARGB8888);
  EXPECT_GE(surface->pitch, surface->w * 4);
  SDL_FreeSurface(surface);
  return true;
}

constexpr AssetId kAll[] = {AssetId::Background,   AssetId::NormalItem,       AssetId::HoverItem,
                            AssetId::DesignedItem, AssetId::HelpIcon,         AssetId::Banner,
                            AssetId::HandCursor,   AssetId::ColourHandCursor, AssetId::ProgramIcon};

TEST(SdlImages, CutShortFilesAreRefused) {
  for (const AssetId id : kAll) {
    SCOPED_TRACE(std::string(assets::FileName(id)));
    const auto bytes = assets::Bytes(id);
    ASSERT_TRUE(Decodes(id, bytes));
    // Empty, inside the signature or header, halfway, and the end of the pixels missing (a
    // picture's end marker alone may go: every pixel is there without it).
    const std::size_t end_of_pixels = IsIconOrCursor(id) ? 1 : 12 + 8;
    for (std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{7}, std::size_t{20},
                               bytes.size() / 2, bytes.size() - end_of_pixels}) {
      EXPECT_FALSE(Decodes(id, bytes.first(length))) << "first " << length << " bytes";
    }
  }
}

TEST(SdlImages, ScrambledFilesDecodeConsistentlyOrNotAtAll) {
  std::mt19937 random(20261211);  // fixed seed: the same cases on every run
  for (const AssetId id : kAll) {
    SCOPED_TRACE(std::string(assets::FileName(id)));
    const auto original = assets::Bytes(id);
    // Fewer rounds for the large backdrop, whose every decode takes long.
    const int rounds = original.size() > 10000 ? 20 : 200;
    for (int round = 0; round < rounds; ++round) {
      Bytes bytes(original.begin(), original.end());
      // A few bytes among the headers, where the decoders take their decisions, and one
      // anywhere.
      for (int k = 0; k < 3; ++k) bytes[random() % std::min<std::size_t>(bytes.size(), 80)] ^= 0x5A;
      bytes[random() % bytes.size()] ^= static_cast<std::uint8_t>(random() | 1);
      Decodes(id, bytes);
    }
  }
}

TEST(SdlImages, HotSpotComesFromTheCursorsDirectory) {
  EXPECT_EQ(CursorHotSpot(assets::Bytes(AssetId::HandCursor))->x, 0);
  EXPECT_EQ(CursorHotSpot(assets::Bytes(AssetId::ColourHandCursor))->x, 13);
  EXPECT_EQ(CursorHotSpot(assets::Bytes(AssetId::ColourHandCursor))->y, 5);
  struct Case {
    const char* what;
    Bytes file;
  } cases[] = {
      {"an icon, not a cursor", Bytes(assets::Bytes(AssetId::ProgramIcon).begin(),
                                      assets::Bytes(AssetId::ProgramIcon).end())},
      {"no entry", {0, 0, 2, 0, 0, 0}},
      {"a directory cut inside its entry",
       {0, 0, 2, 0, 1, 0, 32, 32, 0, 0, 5, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"empty", {}},
  };
  for (const Case& c : cases) EXPECT_FALSE(CursorHotSpot(c.file).has_value()) << c.what;
  const Bytes entry{0, 0, 2, 0, 1, 0, 32, 32, 0, 0, 5, 0, 7, 1, 0, 0, 0, 0, 0, 0, 0, 0};
  ASSERT_TRUE(CursorHotSpot(entry).has_value());
  EXPECT_EQ(CursorHotSpot(entry)->x, 5);
  EXPECT_EQ(CursorHotSpot(entry)->y, 263);
}

}  // namespace
}  // namespace n5::linux_ui

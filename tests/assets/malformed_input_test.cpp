// The decoders face files from a disc that may be damaged: short or scrambled input must be
// refused or decoded consistently, never read out of bounds (the sanitizer build checks that).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "assets/bitmap_file.h"
#include "assets/embedded_assets.h"
#include "assets/icon_file.h"

namespace n5::assets {
namespace {

bool Decodes(AssetId id, std::span<const std::uint8_t> bytes) {
  if (id == AssetId::HandCursor || id == AssetId::ColourHandCursor || id == AssetId::ProgramIcon) {
    return DecodeIconFile(bytes).has_value();
  }
  return DecodeBmp(bytes).has_value();
}

TEST(MalformedInput, EveryShortenedSmallFileIsRefused) {
  // Every proper prefix: each header field, palette entry, row and mask byte gets cut once.
  for (const AssetId id :
       {AssetId::HelpIcon, AssetId::HandCursor, AssetId::ColourHandCursor, AssetId::ProgramIcon}) {
    SCOPED_TRACE(std::string(FileName(id)));
    const auto bytes = Bytes(id);
    ASSERT_TRUE(Decodes(id, bytes));
    for (std::size_t length = 0; length < bytes.size(); ++length) {
      EXPECT_FALSE(Decodes(id, bytes.first(length))) << "first " << length << " bytes";
    }
  }
}

TEST(MalformedInput, ShortenedBackdropIsRefused) {
  const auto bytes = Bytes(AssetId::Background);
  ASSERT_TRUE(Decodes(AssetId::Background, bytes));
  const std::size_t stride = (std::size_t{502} * 3 + 3) / 4 * 4;
  const struct {
    const char* where;
    std::size_t length;
  } cuts[] = {
      {"empty", 0},
      {"inside the magic", 1},
      {"inside the file header", 10},
      {"file header only", 14},
      {"inside the info header", 30},
      {"headers only", 54},
      {"one row", 54 + stride},
      {"half the rows", 54 + stride * 193},
      {"all rows but the last", bytes.size() - stride},
      {"the last row's padding missing", bytes.size() - 2},
      {"the last byte missing", bytes.size() - 1},
  };
  for (const auto& cut : cuts) {
    EXPECT_FALSE(Decodes(AssetId::Background, bytes.first(cut.length))) << cut.where;
  }
}

TEST(MalformedInput, ScrambledHeadersDecodeConsistentlyOrNotAtAll) {
  std::mt19937 random(20240501);  // fixed seed: the same cases on every run
  for (const AssetId id : {AssetId::NormalItem, AssetId::HandCursor, AssetId::ColourHandCursor,
                           AssetId::ProgramIcon}) {
    SCOPED_TRACE(std::string(FileName(id)));
    const auto original = Bytes(id);
    for (int round = 0; round < 400; ++round) {
      std::vector<std::uint8_t> bytes(original.begin(), original.end());
      // Scramble a few bytes among the headers, where the decoders take their decisions.
      for (int k = 0; k < 3; ++k) {
        bytes[random() % 70] = static_cast<std::uint8_t>(random());
      }
      if (id == AssetId::NormalItem) {
        if (const auto b = DecodeBmp(bytes)) {
          EXPECT_EQ(b->rgb.size(), static_cast<std::size_t>(b->width) * b->height * 3);
        }
      } else if (const auto icon = DecodeIconFile(bytes)) {
        EXPECT_EQ(icon->argb.size(), static_cast<std::size_t>(icon->width) * icon->height);
      }
    }
  }
}

}  // namespace
}  // namespace n5::assets

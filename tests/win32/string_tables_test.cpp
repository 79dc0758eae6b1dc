// The string tables the Windows build compiles from texts.tsv, as the resource compiler
// writes them (a .res file made with the same resource compiler and script): every text in
// both languages, found the way the launcher finds it.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "launcher/text_table.h"
#include "launcher/text_table_data.h"
#include "win32/string_block.h"
#include "win32/text_convert.h"

namespace n5::win32 {
namespace {

constexpr std::uint16_t kStringType = 6;  // RT_STRING

// The resources of a .res file: (type, name, language) -> data, for resources whose type and
// name are numbers.
using Key = std::tuple<std::uint16_t, std::uint16_t, std::uint16_t>;

class ResFile {
 public:
  explicit ResFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    bytes_.assign(std::istreambuf_iterator<char>(in), {});
  }
  bool empty() const { return bytes_.empty(); }

  std::map<Key, std::vector<std::uint8_t>> Resources() const {
    std::map<Key, std::vector<std::uint8_t>> found;
    std::size_t at = 0;
    while (at + 8 <= bytes_.size()) {
      std::uint32_t data_size = U32(at);
      std::uint32_t header_size = U32(at + 4);
      std::size_t field = at + 8;
      std::optional<std::uint16_t> type = Ordinal(field);
      std::optional<std::uint16_t> name = Ordinal(field);
      field = (field + 3) & ~std::size_t{3};
      field += 4 + 2;  // data version, memory flags
      std::uint16_t language = U16(field);
      std::size_t data = at + header_size;
      if (data + data_size > bytes_.size()) break;
      if (type && name) {
        found[{*type, *name, language}] = std::vector<std::uint8_t>(
            bytes_.begin() + static_cast<std::ptrdiff_t>(data),
            bytes_.begin() + static_cast<std::ptrdiff_t>(data + data_size));
      }
      at = (data + data_size + 3) & ~std::size_t{3};
    }
    return found;
  }

 private:
  std::uint16_t U16(std::size_t at) const {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes_[at]) |
                                      (static_cast<unsigned char>(bytes_[at + 1]) << 8));
  }
  std::uint32_t U32(std::size_t at) const { return U16(at) | (std::uint32_t{U16(at + 2)} << 16); }
  // A type or name: 0xFFFF and a number, or a zero-terminated UTF-16 name (skipped).
  std::optional<std::uint16_t> Ordinal(std::size_t& at) const {
    if (U16(at) == 0xFFFF) {
      std::uint16_t value = U16(at + 2);
      at += 4;
      return value;
    }
    while (U16(at) != 0) at += 2;
    at += 2;
    return std::nullopt;
  }

  std::vector<char> bytes_;
};

TEST(StringTables, HoldEveryTextInBothLanguages) {
  ResFile res(N5_TEXTS_RES);
  ASSERT_FALSE(res.empty()) << N5_TEXTS_RES;
  std::map<Key, std::vector<std::uint8_t>> resources = res.Resources();
  ASSERT_FALSE(TextEntries().empty());

  for (TextVariant variant : {TextVariant::Simplified, TextVariant::Traditional}) {
    const auto language = static_cast<std::uint16_t>(LanguageId(variant));
    for (const TextEntry& entry : TextEntries()) {
      auto block = resources.find(
          {kStringType, static_cast<std::uint16_t>(StringBlockOf(entry.id)), language});
      ASSERT_NE(block, resources.end()) << entry.id << " in " << language;
      std::optional<std::u16string> text = StringInBlock(block->second, StringPositionOf(entry.id));
      ASSERT_TRUE(text) << entry.id << " in " << language;
      std::string_view expected =
          variant == TextVariant::Traditional ? entry.traditional : entry.simplified;
      EXPECT_EQ(Utf16ToUtf8(*text), expected) << entry.id << " in " << language;
    }
  }
}

TEST(StringTables, HoldNoTextOutsideTheTable) {
  ResFile res(N5_TEXTS_RES);
  ASSERT_FALSE(res.empty()) << N5_TEXTS_RES;
  int strings = 0;
  for (const auto& [key, data] : res.Resources()) {
    auto [type, block, language] = key;
    if (type != kStringType) continue;
    EXPECT_TRUE(language == 2052 || language == 1028) << language;
    for (int position = 0; position < kStringsPerBlock; ++position) {
      if (!StringInBlock(data, position)) continue;
      ++strings;
      const int id = (block - 1) * kStringsPerBlock + position;
      bool known = false;
      for (const TextEntry& entry : TextEntries()) known = known || entry.id == id;
      EXPECT_TRUE(known) << id;
    }
  }
  EXPECT_EQ(strings, static_cast<int>(2 * TextEntries().size()));
}

}  // namespace
}  // namespace n5::win32

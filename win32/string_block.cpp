#include "win32/string_block.h"

namespace n5::win32 {

std::optional<std::u16string> StringInBlock(std::span<const std::uint8_t> block, int position) {
  if (position < 0 || position >= kStringsPerBlock) return std::nullopt;
  auto unit_at = [&](std::size_t offset) {
    return static_cast<char16_t>(block[offset] | (block[offset + 1] << 8));
  };
  std::size_t offset = 0;
  for (int entry = 0;; ++entry) {
    if (offset + 2 > block.size()) return std::nullopt;
    std::size_t length = unit_at(offset);
    offset += 2;
    if (offset + 2 * length > block.size()) return std::nullopt;
    if (entry == position) {
      if (length == 0) return std::nullopt;
      std::u16string text(length, u'\0');
      for (std::size_t i = 0; i < length; ++i) text[i] = unit_at(offset + 2 * i);
      return text;
    }
    offset += 2 * length;
  }
}

}  // namespace n5::win32

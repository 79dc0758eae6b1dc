// Reading one string out of a string-table resource. Windows keeps such a table in blocks of
// sixteen strings: string id n lies in block n / 16 + 1 at position n % 16, and each entry is a
// 16-bit little-endian length followed by that many UTF-16 code units (no terminating zero).
// Portable: no Windows header.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace n5::win32 {

inline constexpr int kStringsPerBlock = 16;

// The resource id of the block that holds a string id, and the string's position in it.
constexpr int StringBlockOf(int string_id) {
  return string_id / kStringsPerBlock + 1;
}
constexpr int StringPositionOf(int string_id) {
  return string_id % kStringsPerBlock;
}

// The string at a position (0..15) of a block's bytes. Nothing when the entry is empty, the
// position is out of range, or the block ends before the entry does.
std::optional<std::u16string> StringInBlock(std::span<const std::uint8_t> block, int position);

}  // namespace n5::win32

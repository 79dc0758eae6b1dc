// Bounds-checked little-endian reads over a byte span, shared by the picture decoders. Every
// read reports failure instead of touching memory past the end, so a decoder can treat any
// short or lying file the same way: it returns nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace n5::assets::detail {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t size() const { return bytes_.size(); }

  // The sub-range [offset, offset + length), or nothing if it does not lie inside.
  std::optional<std::span<const std::uint8_t>> Slice(std::uint64_t offset,
                                                     std::uint64_t length) const {
    if (offset > bytes_.size() || length > bytes_.size() - offset) return std::nullopt;
    return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
  }

  std::optional<std::uint8_t> U8(std::uint64_t offset) const {
    auto s = Slice(offset, 1);
    if (!s) return std::nullopt;
    return (*s)[0];
  }

  std::optional<std::uint16_t> U16(std::uint64_t offset) const {
    auto s = Slice(offset, 2);
    if (!s) return std::nullopt;
    return static_cast<std::uint16_t>((*s)[0] | ((*s)[1] << 8));
  }

  std::optional<std::uint32_t> U32(std::uint64_t offset) const {
    auto s = Slice(offset, 4);
    if (!s) return std::nullopt;
    return static_cast<std::uint32_t>((*s)[0]) | (static_cast<std::uint32_t>((*s)[1]) << 8) |
           (static_cast<std::uint32_t>((*s)[2]) << 16) |
           (static_cast<std::uint32_t>((*s)[3]) << 24);
  }

  std::optional<std::int32_t> I32(std::uint64_t offset) const {
    auto v = U32(offset);
    if (!v) return std::nullopt;
    return static_cast<std::int32_t>(*v);
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace n5::assets::detail

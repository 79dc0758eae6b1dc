#include "assets/bitmap_file.h"

#include <cstdlib>

#include "assets/byte_reader.h"

namespace n5::assets {
namespace {

constexpr std::uint16_t kMagicBm = 0x4D42;  // "BM" read little-endian
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
// Far beyond any picture the launcher carries; it keeps a lying header from asking for an
// allocation of gigabytes before the size check against the file can refuse it.
constexpr std::int64_t kMaxSide = 16384;

}  // namespace

std::optional<Bitmap> DecodeBmp(std::span<const std::uint8_t> file) {
  const detail::ByteReader in(file);
  const auto magic = in.U16(0);
  const auto pixel_offset = in.U32(10);
  const auto info_size = in.U32(kFileHeaderSize);
  const auto width = in.I32(kFileHeaderSize + 4);
  const auto height = in.I32(kFileHeaderSize + 8);
  const auto planes = in.U16(kFileHeaderSize + 12);
  const auto bit_count = in.U16(kFileHeaderSize + 14);
  const auto compression = in.U32(kFileHeaderSize + 16);
  if (!magic || !pixel_offset || !info_size || !width || !height || !planes || !bit_count ||
      !compression) {
    return std::nullopt;
  }
  if (*magic != kMagicBm || *info_size < kInfoHeaderSize || *planes != 1 || *bit_count != 24 ||
      *compression != kBiRgb) {
    return std::nullopt;
  }
  // The whole info header must be present even though only its first 40 bytes are used.
  if (!in.Slice(kFileHeaderSize, *info_size)) return std::nullopt;

  const std::int64_t w = *width;
  const std::int64_t h = std::llabs(static_cast<std::int64_t>(*height));
  if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide) return std::nullopt;
  const bool bottom_up = *height > 0;

  // Every row, the last one too, is padded to whole 32-bit words.
  const std::uint64_t row_bytes = static_cast<std::uint64_t>(w) * 3;
  const std::uint64_t stride = (row_bytes + 3) / 4 * 4;
  const auto pixels = in.Slice(*pixel_offset, stride * static_cast<std::uint64_t>(h));
  if (!pixels) return std::nullopt;

  Bitmap out;
  out.width = static_cast<int>(w);
  out.height = static_cast<int>(h);
  out.bit_count = *bit_count;
  out.rgb.resize(static_cast<std::size_t>(row_bytes * static_cast<std::uint64_t>(h)));
  for (std::int64_t y = 0; y < h; ++y) {
    const std::int64_t stored_row = bottom_up ? h - 1 - y : y;
    const auto src = pixels->subspan(static_cast<std::size_t>(stride * stored_row),
                                     static_cast<std::size_t>(row_bytes));
    std::uint8_t* dst = out.rgb.data() + static_cast<std::size_t>(row_bytes * y);
    for (std::size_t x = 0; x + 2 < src.size(); x += 3) {
      // Stored blue, green, red.
      dst[x] = src[x + 2];
      dst[x + 1] = src[x + 1];
      dst[x + 2] = src[x];
    }
  }
  return out;
}

}  // namespace n5::assets

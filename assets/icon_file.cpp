#include "assets/icon_file.h"

#include <array>

#include "assets/byte_reader.h"

namespace n5::assets {
namespace {

constexpr std::uint16_t kTypeIcon = 1;
constexpr std::uint16_t kTypeCursor = 2;
constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::int32_t kMaxSide = 256;  // the directory cannot describe anything larger
constexpr std::uint32_t kPngSignature = 0x474E5089;  // "\x89PNG" read little-endian

std::uint64_t Stride(std::uint64_t width, std::uint64_t bits) {
  return (width * bits + 31) / 32 * 4;
}

// The palette index or packed colour of pixel `x` in a stored row of `bits` per pixel.
std::uint32_t PaletteIndex(std::span<const std::uint8_t> row, int x, int bits) {
  const int bit = x * bits;
  const std::uint8_t byte = row[static_cast<std::size_t>(bit / 8)];
  const int shift = 8 - bits - bit % 8;  // the leftmost pixel sits in the high bits
  return (byte >> shift) & ((1U << bits) - 1U);
}

bool MaskBit(std::span<const std::uint8_t> row, int x) {
  return PaletteIndex(row, x, 1) != 0;
}

}  // namespace

std::optional<IconImage> DecodeIconFile(std::span<const std::uint8_t> file) {
  const detail::ByteReader in(file);
  const auto reserved = in.U16(0);
  const auto type = in.U16(2);
  const auto count = in.U16(4);
  if (!reserved || !type || !count) return std::nullopt;
  if (*reserved != 0 || (*type != kTypeIcon && *type != kTypeCursor) || *count == 0) {
    return std::nullopt;
  }

  // First directory entry: the hot spot of a cursor lives where an icon keeps planes and bits.
  if (!in.Slice(kDirectorySize, kEntrySize)) return std::nullopt;
  const auto hot_x = in.U16(kDirectorySize + 4);
  const auto hot_y = in.U16(kDirectorySize + 6);
  const auto image_size = in.U32(kDirectorySize + 8);
  const auto image_offset = in.U32(kDirectorySize + 12);
  if (!hot_x || !hot_y || !image_size || !image_offset) return std::nullopt;
  const auto image = in.Slice(*image_offset, *image_size);
  if (!image) return std::nullopt;
  const auto png_signature = detail::ByteReader(*image).U32(0);
  if (png_signature && *png_signature == kPngSignature) return std::nullopt;  // not supported

  const detail::ByteReader dib(*image);
  const auto header_size = dib.U32(0);
  const auto width = dib.I32(4);
  const auto double_height = dib.I32(8);  // colour bitmap and mask stacked
  const auto planes = dib.U16(12);
  const auto bits = dib.U16(14);
  const auto compression = dib.U32(16);
  const auto colours_used = dib.U32(32);
  if (!header_size || !width || !double_height || !planes || !bits || !compression ||
      !colours_used) {
    return std::nullopt;
  }
  if (*header_size < kInfoHeaderSize || *planes != 1 || *compression != kBiRgb) {
    return std::nullopt;
  }
  const int w = *width;
  if (w <= 0 || w > kMaxSide || *double_height <= 0 || *double_height % 2 != 0 ||
      *double_height / 2 > kMaxSide) {
    return std::nullopt;
  }
  const int h = *double_height / 2;
  const int bit_count = *bits;
  const bool palettised = bit_count == 1 || bit_count == 4 || bit_count == 8;
  if (!palettised && bit_count != 24 && bit_count != 32) return std::nullopt;

  std::array<std::uint32_t, 256> palette{};
  std::uint64_t palette_bytes = 0;
  if (palettised) {
    const std::uint32_t max_colours = 1U << bit_count;
    const std::uint32_t colours = *colours_used == 0 ? max_colours : *colours_used;
    if (colours > max_colours) return std::nullopt;
    palette_bytes = std::uint64_t{colours} * 4;
    const auto table = dib.Slice(*header_size, palette_bytes);
    if (!table) return std::nullopt;
    for (std::uint32_t i = 0; i < colours; ++i) {
      const auto* q = table->data() + std::size_t{i} * 4;  // blue, green, red, reserved
      palette[i] = (std::uint32_t{q[2]} << 16) | (std::uint32_t{q[1]} << 8) | q[0];
    }
    // Indices past a short palette read as black, as they do on Windows.
  }

  const std::uint64_t colour_stride = Stride(static_cast<std::uint64_t>(w), bit_count);
  const std::uint64_t mask_stride = Stride(static_cast<std::uint64_t>(w), 1);
  const std::uint64_t colour_offset = std::uint64_t{*header_size} + palette_bytes;
  const auto colour = dib.Slice(colour_offset, colour_stride * static_cast<std::uint64_t>(h));
  if (!colour) return std::nullopt;
  auto mask =
      dib.Slice(colour_offset + colour->size(), mask_stride * static_cast<std::uint64_t>(h));
  if (!mask && bit_count != 32) return std::nullopt;

  IconImage out;
  out.width = w;
  out.height = h;
  out.is_cursor = *type == kTypeCursor;
  out.hotspot_x = out.is_cursor ? *hot_x : 0;
  out.hotspot_y = out.is_cursor ? *hot_y : 0;
  out.bit_count = bit_count;
  out.argb.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  const auto at = [w](int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
  };

  bool has_alpha = false;
  for (int y = 0; y < h; ++y) {
    const std::size_t stored_row = static_cast<std::size_t>(h - 1 - y);  // bottom-up
    const auto row = colour->subspan(stored_row * colour_stride, colour_stride);
    for (int x = 0; x < w; ++x) {
      std::uint32_t pixel = 0;
      if (palettised) {
        pixel = 0xFF000000U | palette[PaletteIndex(row, x, bit_count)];
      } else {
        const std::size_t byte = static_cast<std::size_t>(x) * (bit_count / 8);
        const std::uint32_t alpha = bit_count == 32 ? row[byte + 3] : 0xFFU;
        has_alpha = has_alpha || (bit_count == 32 && alpha != 0);
        pixel = (alpha << 24) | (std::uint32_t{row[byte + 2]} << 16) |
                (std::uint32_t{row[byte + 1]} << 8) | row[byte];
      }
      out.argb[at(x, y)] = pixel;
    }
  }
  // A 32-bit image without any alpha is meant to be opaque, like the smaller depths.
  if (bit_count == 32 && !has_alpha) {
    for (auto& p : out.argb) p |= 0xFF000000U;
  }
  if (mask) {
    for (int y = 0; y < h; ++y) {
      const std::size_t stored_row = static_cast<std::size_t>(h - 1 - y);
      const auto row = mask->subspan(stored_row * mask_stride, mask_stride);
      for (int x = 0; x < w; ++x) {
        if (MaskBit(row, x)) {
          out.argb[at(x, y)] &= 0x00FFFFFFU;
        }
      }
    }
  }
  return out;
}

}  // namespace n5::assets

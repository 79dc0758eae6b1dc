#include "writers.h"

#include <fstream>

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <stdexcept>

#include "pixel_index.h"

namespace n5::artgen {
namespace {

class LittleEndian {
 public:
  explicit LittleEndian(std::vector<std::uint8_t>& out) : out_(out) {}
  void U8(unsigned v) { out_.push_back(static_cast<std::uint8_t>(v)); }
  void U16(unsigned v) {
    U8(v & 0xFF);
    U8((v >> 8) & 0xFF);
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }

 private:
  std::vector<std::uint8_t>& out_;
};

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kDirectorySize = 6 + 16;

std::uint32_t Stride(int width, int bits) {
  return static_cast<std::uint32_t>((width * bits + 31) / 32 * 4);
}

void InfoHeader(LittleEndian& le, int width, int height, int bits, std::uint32_t image_size,
                std::uint32_t pixels_per_metre) {
  le.U32(kInfoHeaderSize);
  le.U32(static_cast<std::uint32_t>(width));
  le.U32(static_cast<std::uint32_t>(height));
  le.U16(1);  // planes
  le.U16(static_cast<unsigned>(bits));
  le.U32(0);  // BI_RGB
  le.U32(image_size);
  le.U32(pixels_per_metre);
  le.U32(pixels_per_metre);
  le.U32(0);  // all colours of the depth are used
  le.U32(0);  // all are important
}

// The DIB of an icon or cursor: header with doubled height, palette, colour bits, AND mask.
std::vector<std::uint8_t> IconDib(const PalettedImage& image) {
  const int w = image.width;
  const int h = image.height;
  const std::size_t entries = std::size_t{1} << image.bit_count;
  if (image.palette.size() > entries || image.indices.size() != PixelCount(w, h) ||
      image.transparent.size() != PixelCount(w, h)) {
    throw std::invalid_argument("inconsistent icon image");
  }
  const std::uint32_t colour_stride = Stride(w, image.bit_count);
  const std::uint32_t mask_stride = Stride(w, 1);
  std::vector<std::uint8_t> out;
  LittleEndian le(out);
  InfoHeader(le, w, 2 * h, image.bit_count, (colour_stride + mask_stride) * std::uint32_t(h), 0);
  for (std::size_t i = 0; i < entries; ++i) {
    const auto c = i < image.palette.size() ? image.palette[i] : std::array<std::uint8_t, 3>{};
    le.U8(c[2]);
    le.U8(c[1]);
    le.U8(c[0]);
    le.U8(0);
  }
  const auto pack_rows = [&](int bits, std::uint32_t stride, auto value_at) {
    for (int y = h - 1; y >= 0; --y) {  // bottom-up
      std::vector<std::uint8_t> row(stride, 0);
      for (int x = 0; x < w; ++x) {
        const unsigned v = value_at(PixelIndex(x, y, w));
        const int bit = x * bits;
        row[std::size_t(bit / 8)] |= static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
      }
      out.insert(out.end(), row.begin(), row.end());
    }
  };
  pack_rows(image.bit_count, colour_stride, [&](std::size_t i) {
    if (image.indices[i] >= entries) throw std::invalid_argument("palette index out of range");
    return unsigned{image.indices[i]};
  });
  pack_rows(1, mask_stride, [&](std::size_t i) { return image.transparent[i] ? 1U : 0U; });
  return out;
}

std::vector<std::uint8_t> IconFile(const PalettedImage& image, unsigned type, unsigned word1,
                                   unsigned word2) {
  const auto dib = IconDib(image);
  std::vector<std::uint8_t> out;
  LittleEndian le(out);
  le.U16(0);
  le.U16(type);
  le.U16(1);
  le.U8(image.width >= 256 ? 0 : unsigned(image.width));
  le.U8(image.height >= 256 ? 0 : unsigned(image.height));
  le.U8(image.bit_count >= 8 ? 0 : 1U << image.bit_count);  // colour count, 0 when 256+
  le.U8(0);
  le.U16(word1);
  le.U16(word2);
  le.U32(static_cast<std::uint32_t>(dib.size()));
  le.U32(kDirectorySize);
  out.insert(out.end(), dib.begin(), dib.end());
  return out;
}

}  // namespace

void WritePng(const std::filesystem::path& path, int width, int height,
              const std::vector<std::uint8_t>& rgb) {
  if (width <= 0 || height <= 0 || rgb.size() != PixelCount(width, height) * 3) {
    throw std::invalid_argument("inconsistent picture");
  }
  // SDL only reads the pixels here.
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<std::uint8_t*>(rgb.data()), width, height, 24, width * 3, SDL_PIXELFORMAT_RGB24);
  if (surface == nullptr) throw std::runtime_error(SDL_GetError());
  std::filesystem::create_directories(path.parent_path());
  int status = IMG_SavePNG(surface, path.string().c_str());
  SDL_FreeSurface(surface);
  if (status != 0)
    throw std::runtime_error("cannot write " + path.string() + ": " + IMG_GetError());
}

std::vector<std::uint8_t> EncodeIcon(const PalettedImage& image) {
  return IconFile(image, 1, 1, unsigned(image.bit_count));  // planes, bits per pixel
}

std::vector<std::uint8_t> EncodeCursor(const PalettedImage& image, HotSpot hot_spot) {
  return IconFile(image, 2, unsigned(hot_spot.x), unsigned(hot_spot.y));
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace n5::artgen

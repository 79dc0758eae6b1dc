#include "linux/sdl_images.h"

#include <SDL2/SDL_image.h>
#include <SDL2/SDL_rwops.h>

namespace n5::linux_ui {
namespace {

using Loader = SDL_Surface* (*)(SDL_RWops*);

SDL_Surface* Decode(std::span<const std::uint8_t> file, Loader load, Uint32 format) {
  if (file.empty()) return nullptr;
  SDL_RWops* stream = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
  if (stream == nullptr) return nullptr;
  SDL_Surface* decoded = load(stream);
  SDL_RWclose(stream);
  if (decoded == nullptr) return nullptr;
  SDL_Surface* converted = SDL_ConvertSurfaceFormat(decoded, format, 0);
  SDL_FreeSurface(decoded);
  return converted;
}

SDL_Surface* LoadPng(SDL_RWops* stream) {
  return IMG_LoadTyped_RW(stream, 0, "PNG");
}

SDL_Surface* LoadIconOrCursor(SDL_RWops* stream) {
  // The second byte pair of the header: 1 an icon, 2 a cursor.
  return IMG_isCUR(stream) != 0 ? IMG_LoadCUR_RW(stream) : IMG_LoadICO_RW(stream);
}

int U16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] | (bytes[at + 1] << 8);
}

}  // namespace

SDL_Surface* DecodePicture(std::span<const std::uint8_t> file, Uint32 format) {
  return Decode(file, LoadPng, format);
}

SDL_Surface* DecodeIconOrCursor(std::span<const std::uint8_t> file) {
  return Decode(file, LoadIconOrCursor, SDL_PIXELFORMAT_ARGB8888);
}

std::optional<HotSpot> CursorHotSpot(std::span<const std::uint8_t> file) {
  // Header: reserved, type (2 for cursors), count; then 16-byte entries whose bytes 4 to 7
  // hold the hot spot's x and y.
  constexpr std::size_t kFirstEntry = 6;
  if (file.size() < kFirstEntry + 16 || U16(file, 2) != 2 || U16(file, 4) < 1) return std::nullopt;
  return HotSpot{U16(file, kFirstEntry + 4), U16(file, kFirstEntry + 6)};
}

}  // namespace n5::linux_ui

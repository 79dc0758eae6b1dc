// The pictures, cursors and icon the program carries, decoded by SDL2_image: PNG pictures, and
// the Windows cursor and icon files (their colours, with the AND mask as alpha: a pixel with
// alpha 0 and a colour other than black is one Windows would invert).
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include <SDL2/SDL_pixels.h>
#include <SDL2/SDL_surface.h>

namespace n5::linux_ui {

// A new surface in `format` (the caller frees it), or nullptr when the bytes are not a picture
// SDL2_image can read (empty, cut short, damaged).
SDL_Surface* DecodePicture(std::span<const std::uint8_t> file,
                           Uint32 format = SDL_PIXELFORMAT_ARGB8888);
// The same for a .cur or .ico file, which SDL2_image tells from its header.
SDL_Surface* DecodeIconOrCursor(std::span<const std::uint8_t> file);

struct HotSpot {
  int x = 0;
  int y = 0;
};
// The hot spot of the first image of a .cur file, which SDL2_image does not report: two
// 16-bit numbers of its directory entry. Nothing for a file too short to hold one.
std::optional<HotSpot> CursorHotSpot(std::span<const std::uint8_t> file);

}  // namespace n5::linux_ui

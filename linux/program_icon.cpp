#include "linux/program_icon.h"

#include <cstdint>
#include <optional>

#include "assets/embedded_assets.h"
#include "assets/icon_file.h"

namespace n5::linux_ui {

void SetProgramIcon(SDL_Window* window) {
  std::optional<assets::IconImage> icon =
      assets::DecodeIconFile(assets::Bytes(assets::AssetId::ProgramIcon));
  if (!icon || icon->width <= 0 || icon->height <= 0) return;
  // A pixel Windows would invert (alpha 0 with a colour) has no meaning in a taskbar icon:
  // it shows as transparent, like every other alpha-0 pixel.
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      icon->argb.data(), icon->width, icon->height, 32,
      icon->width * static_cast<int>(sizeof(std::uint32_t)), SDL_PIXELFORMAT_ARGB8888);
  if (surface == nullptr) return;
  SDL_SetWindowIcon(window, surface);
  SDL_FreeSurface(surface);
}

}  // namespace n5::linux_ui

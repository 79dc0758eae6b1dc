#include "linux/program_icon.h"

#include "assets/embedded_assets.h"
#include "linux/sdl_images.h"

namespace n5::linux_ui {

void SetProgramIcon(SDL_Window* window) {
  // A pixel Windows would invert (alpha 0 with a colour) has no meaning in a taskbar icon:
  // it shows as transparent, like every other alpha-0 pixel.
  SDL_Surface* icon = DecodeIconOrCursor(assets::Bytes(assets::AssetId::ProgramIcon));
  if (icon == nullptr) return;
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

}  // namespace n5::linux_ui

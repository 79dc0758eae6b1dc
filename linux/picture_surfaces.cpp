#include "linux/picture_surfaces.h"

#include <optional>

#include "assets/bitmap_file.h"
#include "assets/embedded_assets.h"

namespace n5::linux_ui {
namespace {

std::optional<assets::AssetId> AssetOfRole(const std::string& role) {
  using assets::AssetId;
  if (role == "background") return AssetId::Background;
  if (role == "normal") return AssetId::NormalItem;
  if (role == "hover") return AssetId::HoverItem;
  if (role == "designed") return AssetId::DesignedItem;
  if (role == "help") return AssetId::HelpIcon;
  if (role == "banner") return AssetId::Banner;
  return std::nullopt;
}

SDL_Surface* Decode(assets::AssetId id, Uint32 screen_format) {
  std::optional<assets::Bitmap> bitmap = assets::DecodeBmp(assets::Bytes(id));
  if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0) return nullptr;
  SDL_Surface* rgb =
      SDL_CreateRGBSurfaceWithFormatFrom(bitmap->rgb.data(), bitmap->width, bitmap->height, 24,
                                         bitmap->width * 3, SDL_PIXELFORMAT_RGB24);
  if (rgb == nullptr) return nullptr;
  SDL_Surface* converted = SDL_ConvertSurfaceFormat(rgb, screen_format, 0);
  SDL_FreeSurface(rgb);
  return converted;
}

}  // namespace

PictureSurfaces::~PictureSurfaces() {
  for (auto& [role, surface] : surfaces_) SDL_FreeSurface(surface);
}

SDL_Surface* PictureSurfaces::ForRole(const std::string& role) {
  auto found = surfaces_.find(role);
  if (found != surfaces_.end()) return found->second;
  std::optional<assets::AssetId> id = AssetOfRole(role);
  SDL_Surface* surface = id ? Decode(*id, screen_format_) : nullptr;
  surfaces_.emplace(role, surface);  // a picture that failed is not decoded again
  return surface;
}

}  // namespace n5::linux_ui

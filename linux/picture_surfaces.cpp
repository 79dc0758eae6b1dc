#include "linux/picture_surfaces.h"

#include <optional>

#include "linux/sdl_images.h"

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

}  // namespace

PictureSurfaces::~PictureSurfaces() {
  for (auto& [role, surface] : surfaces_) SDL_FreeSurface(surface);
}

SDL_Surface* PictureSurfaces::ForRole(const std::string& role) {
  auto found = surfaces_.find(role);
  if (found != surfaces_.end()) return found->second;
  std::optional<assets::AssetId> id = AssetOfRole(role);
  // Decoded straight into the screen's format.
  SDL_Surface* surface = id ? DecodePicture(files_(*id), screen_format_) : nullptr;
  surfaces_.emplace(role, surface);  // a picture that failed is not decoded again
  return surface;
}

}  // namespace n5::linux_ui

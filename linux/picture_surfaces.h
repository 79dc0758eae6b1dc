#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <utility>

#include <SDL2/SDL_surface.h>

#include "assets/embedded_assets.h"

namespace n5::linux_ui {

// Where the pictures' files come from: the program itself, or a test's stand-in.
using PictureFiles = std::function<std::span<const std::uint8_t>(assets::AssetId)>;

// The pictures carried in the program, each decoded and converted to the screen's pixel
// format once, on first use, so that drawing one is a plain copy. A picture whose file is
// missing or does not decode is no picture: its place stays empty.
class PictureSurfaces {
 public:
  explicit PictureSurfaces(Uint32 screen_format, PictureFiles files = assets::Bytes)
      : screen_format_(screen_format), files_(std::move(files)) {}
  ~PictureSurfaces();
  PictureSurfaces(const PictureSurfaces&) = delete;
  PictureSurfaces& operator=(const PictureSurfaces&) = delete;

  // The picture of a role ("background", "normal", ...), or nullptr for a role the program
  // carries no picture for or one that cannot be decoded.
  SDL_Surface* ForRole(const std::string& role);

 private:
  Uint32 screen_format_;
  PictureFiles files_;
  std::map<std::string, SDL_Surface*> surfaces_;
};

}  // namespace n5::linux_ui

#pragma once

#include <map>
#include <string>

#include <SDL2/SDL_surface.h>

namespace n5::linux_ui {

// The pictures carried in the program, each decoded and converted to the screen's pixel
// format once, on first use, so that drawing one is a plain copy.
class PictureSurfaces {
 public:
  explicit PictureSurfaces(Uint32 screen_format) : screen_format_(screen_format) {}
  ~PictureSurfaces();
  PictureSurfaces(const PictureSurfaces&) = delete;
  PictureSurfaces& operator=(const PictureSurfaces&) = delete;

  // The picture of a role ("background", "normal", ...), or nullptr for a role the program
  // carries no picture for or one that cannot be decoded.
  SDL_Surface* ForRole(const std::string& role);

 private:
  Uint32 screen_format_;
  std::map<std::string, SDL_Surface*> surfaces_;
};

}  // namespace n5::linux_ui

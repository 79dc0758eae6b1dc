// Text for the artwork, rasterised by SDL2_ttf from a font file into coverage masks that the
// canvas lays over its pictures in any colour.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace n5::artgen {

// Coverage (0..1) of a line of text, cropped to its ink so it can be placed by what is drawn.
struct TextMask {
  int width = 0;
  int height = 0;
  std::vector<double> coverage;
};

// Softens a mask for shadows and glows; the mask grows by `radius` on every side.
TextMask Blur(const TextMask& mask, int radius);

// Widens every stroke by `pixels` to the right: a heavier weight for letters so small that the
// font's own emboldening hardly shows.
TextMask Thicken(const TextMask& mask, int pixels);

class FontFile {
 public:
  FontFile(std::string path, int face_index);
  ~FontFile();
  FontFile(const FontFile&) = delete;
  FontFile& operator=(const FontFile&) = delete;

  // `pixel_size` is the em size in pixels; `bold` thickens the strokes, which the CJK fonts
  // at hand lack a bold face for. `spacing` adds pixels between characters, since thickened
  // Latin letters otherwise touch.
  TextMask Render(std::string_view utf8, int pixel_size, bool bold, int spacing = 0) const;

 private:
  std::string path_;
  int face_index_;
};

}  // namespace n5::artgen

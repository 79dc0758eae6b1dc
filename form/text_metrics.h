#pragma once

#include <string_view>

#include "form/types.h"

namespace n5::form {

struct TextExtent {
  float width = 0;   // twips
  float height = 0;  // twips: the height of one line in that font
};

// Measures text in a font. Each front end measures with the fonts it really draws with, so
// that labels that size themselves to their caption, and the footer centred from their widths,
// match what the user sees.
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  // The extent of text written on one line; an empty text has width 0 and one line's height.
  virtual TextExtent Measure(const Font& font, std::string_view text) = 0;
  // The height of one line: what a self-sizing label's height needs, without its text.
  virtual float LineHeight(const Font& font) { return Measure(font, {}).height; }
};

// Metrics that need no font files, for tests and the replay tool: a line is as high as the
// font's size (one point is 20 twips), a character of the Basic Latin block is half as wide as
// that and every other character as wide. Bold and underline change nothing.
class DeterministicTextMetrics final : public TextMetrics {
 public:
  TextExtent Measure(const Font& font, std::string_view text) override;
};

}  // namespace n5::form

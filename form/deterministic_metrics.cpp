#include <cmath>

#include "form/text_metrics.h"
#include "form/utf8.h"

namespace n5::form {

TextExtent DeterministicTextMetrics::Measure(const Font& font, std::string_view text) {
  const float em = font.size * 20.0F;
  float width = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    char32_t c = utf8::Next(text, pos);
    width += c < 0x80 ? em / 2 : em;
  }
  return {width, em};
}

}  // namespace n5::form

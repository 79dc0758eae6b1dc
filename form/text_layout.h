#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/text_metrics.h"
#include "form/types.h"

namespace n5::form {

// One line of a label's caption, placed in the label's own coordinates (twips).
struct TextLine {
  std::string text;
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;
};

// Lays out text in a box of the given width and height. With wrap, lines break between words
// and between any two CJK characters (closing punctuation never starts a line and opening
// punctuation never ends one); a word wider than the box breaks between characters. Lines that
// start at or below the box's bottom edge are left out; the front end clips the last one.
// Without wrap, the text stays on one line. Each line is aligned within the width.
std::vector<TextLine> LayoutText(TextMetrics& metrics, const Font& font, std::string_view text,
                                 float width, float height, Alignment alignment, bool wrap);

class Control;

// The lines of a label's caption as the label shows them: on one line when it sizes itself
// to its caption, wrapped within its width and cut off at its bottom edge otherwise.
std::vector<TextLine> LayoutLabel(TextMetrics& metrics, const Control& label);

}  // namespace n5::form

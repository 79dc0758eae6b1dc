#include "form/text_layout.h"

#include <cstddef>

#include "form/control.h"
#include "form/utf8.h"

namespace n5::form {
namespace {

bool IsSpace(char32_t c) {
  return c == U' ' || c == U'\t' || c == 0x3000;
}

// Punctuation that must not begin a line.
bool IsClosing(char32_t c) {
  switch (c) {
    case U',':
    case U'.':
    case U';':
    case U':':
    case U'!':
    case U'?':
    case U')':
    case U']':
    case U'}':
    case 0x3001:
    case 0x3002:
    case 0xFF0C:
    case 0xFF0E:
    case 0xFF1A:
    case 0xFF1B:
    case 0xFF01:
    case 0xFF1F:
    case 0xFF09:
    case 0x3011:
    case 0x300D:
    case 0x300F:
    case 0x3009:
    case 0x300B:
    case 0x201D:
    case 0x2019:
    case 0x2026:
      return true;
    default:
      return false;
  }
}

// Punctuation that must not end a line.
bool IsOpening(char32_t c) {
  switch (c) {
    case U'(':
    case U'[':
    case U'{':
    case 0xFF08:
    case 0x3010:
    case 0x300C:
    case 0x300E:
    case 0x3008:
    case 0x300A:
    case 0x201C:
    case 0x2018:
      return true;
    default:
      return false;
  }
}

struct Character {
  std::size_t begin;  // byte offset
  char32_t code;
};

std::vector<Character> Characters(std::string_view text) {
  std::vector<Character> chars;
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t begin = pos;
    chars.push_back({begin, utf8::Next(text, pos)});
  }
  return chars;
}

// Whether a line may break between chars[i - 1] and chars[i].
bool MayBreakBefore(const std::vector<Character>& chars, std::size_t i) {
  char32_t before = chars[i - 1].code;
  char32_t after = chars[i].code;
  if (IsSpace(after)) return false;  // spaces stay with the word before them
  if (IsClosing(after) || IsOpening(before)) return false;
  return IsSpace(before) || utf8::IsWide(before) || utf8::IsWide(after);
}

}  // namespace

std::vector<TextLine> LayoutText(TextMetrics& metrics, const Font& font, std::string_view text,
                                 float width, float height, Alignment alignment, bool wrap) {
  std::vector<TextLine> lines;
  const float line_height = metrics.Measure(font, {}).height;
  auto add_line = [&](std::string_view line) {
    float line_width = metrics.Measure(font, line).width;
    float x = alignment == Alignment::Center ? (width - line_width) / 2 : 0;
    lines.push_back({std::string(line), x, line_height * static_cast<float>(lines.size()),
                     line_width, line_height});
  };
  if (text.empty()) return lines;
  if (!wrap) {
    add_line(text);
    return lines;
  }

  std::vector<Character> chars = Characters(text);
  auto offset = [&](std::size_t i) { return i < chars.size() ? chars[i].begin : text.size(); };
  // The line from character first up to (not including) character end, trailing spaces dropped.
  auto slice = [&](std::size_t first, std::size_t end) {
    while (end > first && IsSpace(chars[end - 1].code)) --end;
    return text.substr(offset(first), offset(end) - offset(first));
  };

  std::size_t first = 0;
  while (first < chars.size()) {
    if (line_height * static_cast<float>(lines.size()) >= height) break;
    std::size_t end = 0;  // the chosen end of this line; 0 = none fits yet
    for (std::size_t i = first + 1; i <= chars.size(); ++i) {
      if (i < chars.size() && !MayBreakBefore(chars, i)) continue;
      if (metrics.Measure(font, slice(first, i)).width > width) break;
      end = i;
    }
    if (end == 0) {
      // Not even the first word fits: break it between characters, keeping at least one.
      end = first + 1;
      while (end < chars.size() && metrics.Measure(font, slice(first, end + 1)).width <= width) {
        ++end;
      }
    }
    add_line(slice(first, end));
    first = end;
    while (first < chars.size() && IsSpace(chars[first].code)) ++first;
  }
  return lines;
}

std::vector<TextLine> LayoutLabel(TextMetrics& metrics, const Control& label) {
  return LayoutText(metrics, label.font(), label.caption(), label.width(), label.height(),
                    label.alignment(), !label.auto_size());
}

}  // namespace n5::form

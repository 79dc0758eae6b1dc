#include "form/utf8.h"

namespace n5::utf8 {

char32_t Next(std::string_view text, std::size_t& pos) {
  constexpr char32_t kReplacement = 0xFFFD;
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(pos);
  int length = lead < 0x80           ? 1
               : (lead >> 5) == 0x6  ? 2
               : (lead >> 4) == 0xE  ? 3
               : (lead >> 3) == 0x1E ? 4
                                     : 0;
  if (length == 0 || pos + length > text.size()) {
    ++pos;
    return length == 1 ? lead : kReplacement;
  }
  if (length == 1) {
    ++pos;
    return lead;
  }
  char32_t c = lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    unsigned char b = byte(pos + i);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return kReplacement;
    }
    c = (c << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kMinimum[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++pos;
    return kReplacement;
  }
  pos += length;
  return c;
}

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) ||  // Hangul Jamo
         (c >= 0x2E80 && c <= 0x303E) ||  // CJK radicals, symbols and punctuation
         (c >= 0x3041 && c <= 0x33FF) ||  // kana, bopomofo, CJK compatibility
         (c >= 0x3400 && c <= 0x4DBF) ||  // CJK extension A
         (c >= 0x4E00 && c <= 0x9FFF) ||  // CJK unified ideographs
         (c >= 0xA000 && c <= 0xA4CF) ||  // Yi
         (c >= 0xAC00 && c <= 0xD7A3) ||  // Hangul syllables
         (c >= 0xF900 && c <= 0xFAFF) ||  // CJK compatibility ideographs
         (c >= 0xFE30 && c <= 0xFE4F) ||  // CJK compatibility forms
         (c >= 0xFF00 && c <= 0xFF60) ||  // full-width forms
         (c >= 0xFFE0 && c <= 0xFFE6) ||  // full-width signs
         (c >= 0x20000 && c <= 0x3FFFD);  // CJK extensions B and beyond
}

}  // namespace n5::utf8

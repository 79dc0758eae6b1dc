#pragma once

#include <cstddef>
#include <string_view>

namespace n5::utf8 {

// Decodes the code point at text[pos] and advances pos past it. A malformed sequence yields
// U+FFFD and advances by one byte, so that every byte is consumed exactly once.
char32_t Next(std::string_view text, std::size_t& pos);

// Characters written in the wide CJK cells: ideographs, kana, hangul, CJK punctuation and
// full-width forms. A line may break between any two of them.
bool IsWide(char32_t c);

}  // namespace n5::utf8

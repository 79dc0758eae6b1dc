#pragma once

#include <span>
#include <string_view>

namespace n5 {

// One row of the text table, in both variants (UTF-8).
struct TextEntry {
  int id;
  std::string_view simplified;
  std::string_view traditional;
};

// Every row, generated at build time from assets/texts/texts.tsv.
std::span<const TextEntry> TextEntries();

}  // namespace n5

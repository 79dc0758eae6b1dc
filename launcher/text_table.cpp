#include "launcher/text_table.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "form/failure.h"
#include "launcher/text_table_data.h"

namespace n5 {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

// The subtags of a tag, lower case: "zh_TW.UTF-8@x" -> {"zh", "tw"}.
std::vector<std::string> Subtags(std::string_view tag) {
  tag = tag.substr(0, tag.find_first_of(".@"));
  std::vector<std::string> subtags;
  while (!tag.empty()) {
    std::size_t end = tag.find_first_of("-_");
    subtags.push_back(Lower(tag.substr(0, end)));
    if (end == std::string_view::npos) break;
    tag.remove_prefix(end + 1);
  }
  return subtags;
}

}  // namespace

int LanguageId(TextVariant variant) {
  return variant == TextVariant::Traditional ? 1028 : 2052;
}

TextVariant ChooseTextVariant(std::string_view language_tag) {
  std::vector<std::string> subtags = Subtags(language_tag);
  bool traditional_region = false;
  for (std::size_t i = 1; i < subtags.size(); ++i) {
    const std::string& s = subtags[i];
    if (s == "hant") return TextVariant::Traditional;
    if (s == "hans") return TextVariant::Simplified;
    if (s == "tw" || s == "hk" || s == "mo") traditional_region = true;
  }
  return traditional_region ? TextVariant::Traditional : TextVariant::Simplified;
}

std::optional<std::string> BuiltInTextTable::Find(int id) const {
  for (const TextEntry& entry : TextEntries()) {
    if (entry.id == id) {
      return std::string(variant_ == TextVariant::Traditional ? entry.traditional
                                                              : entry.simplified);
    }
  }
  return std::nullopt;
}

std::string LoadText(const TextSource& texts, int id) {
  std::optional<std::string> text = texts.Find(id);
  if (!text) throw Failure("Resource with identifier '" + std::to_string(id) + "' not found");
  return *text;
}

}  // namespace n5

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace n5 {

// The two complete sets of texts.
enum class TextVariant { Simplified, Traditional };

// The Windows language id of a variant: 2052 (zh-CN) or 1028 (zh-TW).
int LanguageId(TextVariant variant);

// The variant for a language tag ("zh-CN", "zh_TW.UTF-8", "zh-Hant", "en-US"): Traditional for
// Taiwan, Hong Kong and Macau and for any tag written in the Hant script, unless the tag says
// Hans; Simplified for every other tag, so that every system gets a complete set of texts.
TextVariant ChooseTextVariant(std::string_view language_tag);

// Where the launcher's texts come from: the table carried in the program, or the string-table
// resources of a Windows program.
class TextSource {
 public:
  virtual ~TextSource() = default;
  virtual std::optional<std::string> Find(int id) const = 0;
};

// The table carried in the program, in one variant.
class BuiltInTextTable final : public TextSource {
 public:
  explicit BuiltInTextTable(TextVariant variant) : variant_(variant) {}
  std::optional<std::string> Find(int id) const override;

 private:
  TextVariant variant_;
};

// The text of an id in the chosen variant. Fails when the table holds no such id.
std::string LoadText(const TextSource& texts, int id);

}  // namespace n5

// The launcher's texts from the program's string-table resources.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "launcher/text_table.h"

namespace n5::win32 {

// The variant of the texts for the user's UI language: Traditional Chinese for Taiwan, Hong
// Kong, Macau and the Hant script, Simplified for every other language.
TextVariant UserTextVariant();

// Finds each text in the string table of the variant's language (2052 or 1028) by the
// resource's own language, so that the thread's language plays no part.
class ResourceTexts final : public TextSource {
 public:
  ResourceTexts(HMODULE module, TextVariant variant) : module_(module), variant_(variant) {}
  std::optional<std::string> Find(int id) const override;

 private:
  HMODULE module_;
  TextVariant variant_;
};

}  // namespace n5::win32

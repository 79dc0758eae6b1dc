#include "linux/locale_variant.h"

#include <cstdlib>

namespace n5::linux_ui {

std::string_view MessagesLocale(const char* lc_all, const char* lc_messages, const char* lang) {
  for (const char* value : {lc_all, lc_messages, lang}) {
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

TextVariant VariantFromEnvironment() {
  return ChooseTextVariant(
      MessagesLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
}

std::string_view FontLanguage(TextVariant variant) {
  return variant == TextVariant::Traditional ? "zh-tw" : "zh-cn";
}

}  // namespace n5::linux_ui

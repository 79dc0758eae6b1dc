#include "linux/locale_variant.h"

#include <gtest/gtest.h>

namespace n5::linux_ui {
namespace {

TEST(LocaleVariantTest, TakesTheFirstSetLocaleOfLcAllLcMessagesAndLang) {
  struct Case {
    const char* lc_all;
    const char* lc_messages;
    const char* lang;
    const char* locale;
    TextVariant variant;
  } cases[] = {
      {"zh_TW.UTF-8", "zh_CN.UTF-8", "zh_CN.UTF-8", "zh_TW.UTF-8", TextVariant::Traditional},
      {"zh_CN.UTF-8", "zh_TW.UTF-8", "zh_TW.UTF-8", "zh_CN.UTF-8", TextVariant::Simplified},
      {"", "zh_TW.UTF-8", "zh_CN.UTF-8", "zh_TW.UTF-8", TextVariant::Traditional},
      {nullptr, nullptr, "zh_HK.UTF-8", "zh_HK.UTF-8", TextVariant::Traditional},
      {nullptr, "", "zh_TW", "zh_TW", TextVariant::Traditional},
      {nullptr, nullptr, "en_US.UTF-8", "en_US.UTF-8", TextVariant::Simplified},
      {nullptr, nullptr, nullptr, "", TextVariant::Simplified},
      {"", "", "", "", TextVariant::Simplified},
      {"C", "zh_TW.UTF-8", nullptr, "C", TextVariant::Simplified},
  };
  for (const Case& c : cases) {
    std::string_view locale = MessagesLocale(c.lc_all, c.lc_messages, c.lang);
    EXPECT_EQ(locale, c.locale);
    EXPECT_EQ(ChooseTextVariant(locale), c.variant) << c.locale;
  }
}

TEST(LocaleVariantTest, ReadsTheEnvironment) {
  struct Case {
    const char* lc_all;
    const char* lang;
    TextVariant variant;
  } cases[] = {
      {"zh_TW.UTF-8", "zh_CN.UTF-8", TextVariant::Traditional},
      {"", "zh_TW.UTF-8", TextVariant::Traditional},
      {"zh_CN.UTF-8", "zh_TW.UTF-8", TextVariant::Simplified},
  };
  unsetenv("LC_MESSAGES");
  for (const Case& c : cases) {
    setenv("LC_ALL", c.lc_all, 1);
    setenv("LANG", c.lang, 1);
    EXPECT_EQ(VariantFromEnvironment(), c.variant) << c.lc_all << " | " << c.lang;
  }
  EXPECT_EQ(FontLanguage(TextVariant::Simplified), "zh-cn");
  EXPECT_EQ(FontLanguage(TextVariant::Traditional), "zh-tw");
}

}  // namespace
}  // namespace n5::linux_ui

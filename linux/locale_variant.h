#pragma once

#include <string_view>

#include "launcher/text_table.h"

// Which set of texts, and so which Chinese fonts, the launcher uses on this system.
namespace n5::linux_ui {

// The locale that decides the language of messages, as the C library reads it: the first
// non-empty one of LC_ALL, LC_MESSAGES and LANG; empty when none is set. Null means unset.
std::string_view MessagesLocale(const char* lc_all, const char* lc_messages, const char* lang);

// The variant for this process's environment.
TextVariant VariantFromEnvironment();

// The fontconfig language of a variant's texts: "zh-cn" or "zh-tw".
std::string_view FontLanguage(TextVariant variant);

}  // namespace n5::linux_ui

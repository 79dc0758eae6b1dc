// Conversions between the launcher's UTF-8 strings and the UTF-16 that every Windows call
// takes. Portable: no Windows header, so that the tests build it on Linux as well.
#pragma once

#include <string>
#include <string_view>

namespace n5::win32 {

// A malformed sequence becomes U+FFFD; characters beyond the Basic Multilingual Plane become
// surrogate pairs. Embedded zero characters are kept.
std::u16string Utf8ToUtf16(std::string_view text);

// An unpaired surrogate becomes U+FFFD. Embedded zero characters are kept.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace n5::win32

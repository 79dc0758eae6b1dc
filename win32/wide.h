// UTF-8 <-> the wide strings of the Windows W functions (wchar_t is UTF-16 there).
#pragma once

#include <string>
#include <string_view>

#include "win32/text_convert.h"

namespace n5::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wchar_t holds UTF-16");

inline std::wstring Wide(std::string_view text) {
  std::u16string utf16 = Utf8ToUtf16(text);
  return std::wstring(utf16.begin(), utf16.end());
}

inline std::string Narrow(std::wstring_view text) {
  return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

}  // namespace n5::win32

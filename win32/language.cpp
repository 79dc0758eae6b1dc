#include "win32/language.h"

namespace n5::win32 {

std::string LanguageTagOf(std::uint16_t language_id) {
  constexpr std::uint16_t kChinese = 0x04;
  if ((language_id & 0x3FF) != kChinese) return "und";
  switch (language_id) {
    case 0x0404:
      return "zh-TW";
    case 0x0C04:
      return "zh-HK";
    case 0x1404:
      return "zh-MO";
    case 0x7C04:
      return "zh-Hant";
    case 0x0804:
      return "zh-CN";
    case 0x1004:
      return "zh-SG";
    case 0x0004:
      return "zh-Hans";
    default:
      return "zh";
  }
}

}  // namespace n5::win32

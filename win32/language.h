// The language tag of a Windows language id, for choosing the launcher's texts. Portable: no
// Windows header.
#pragma once

#include <cstdint>
#include <string>

namespace n5::win32 {

// The Chinese language ids by their region or script: 0x0404 "zh-TW", 0x0C04 "zh-HK",
// 0x1404 "zh-MO", 0x7C04 "zh-Hant", 0x0804 "zh-CN", 0x1004 "zh-SG", 0x0004 "zh-Hans"; any
// other Chinese id "zh", and every other language "und" (undetermined).
std::string LanguageTagOf(std::uint16_t language_id);

}  // namespace n5::win32

// The Windows launcher's portable helpers: text conversion, paths, language choice, string
// blocks, pixel geometry and error codes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "actions/launch_paths.h"
#include "launcher/text_table.h"
#include "win32/language.h"
#include "win32/pixels.h"
#include "win32/string_block.h"
#include "win32/system_errors.h"
#include "win32/system_paths.h"
#include "win32/text_convert.h"

namespace n5::win32 {
namespace {

using namespace std::string_literals;

TEST(TextConvert, RoundTripsEveryKindOfCharacter) {
  const std::string cases[] = {
      "",
      "setup.exe",
      "D:\\集成安装程序\\setup.exe",
      "N5-企業管理軟體安裝程式",
      "服务热线：0123 456 789",
      "\xF0\x9F\x98\x80 beyond the basic plane",
      "C:\\WINDOWS\\system32\0   "s,  // the zero stays where it is
  };
  for (const std::string& text : cases) {
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text) << text;
  }
}

TEST(TextConvert, EncodesAsUtf16) {
  struct Case {
    std::string utf8;
    std::u16string utf16;
  } cases[] = {
      {"A", u"A"},         {"\xC3\xA9", u"\u00E9"},
      {"装", u"\u88C5"},   {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"},  // a surrogate pair
      {"a\0b"s, u"a\0b"s},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
  }
}

TEST(TextConvert, ReplacesWhatIsNotText) {
  const std::string replacement = "\xEF\xBF\xBD";
  struct Utf8Case {
    std::string malformed;
    std::u16string expected;
  } utf8_cases[] = {
      {"\xFF", u"\uFFFD"},
      {"a\xE8\xA3", u"a\uFFFD\uFFFD"},          // cut short: each byte replaced
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // an encoded surrogate
      {"\xC0\xAF", u"\uFFFD\uFFFD"},            // an overlong form
  };
  for (const Utf8Case& c : utf8_cases) EXPECT_EQ(Utf8ToUtf16(c.malformed), c.expected);

  struct Utf16Case {
    std::u16string malformed;
    std::string expected;
  } utf16_cases[] = {
      {u"\xD800", replacement},
      {u"\xDC00"
       u"a",
       replacement + "a"},
      {u"\xD83D"
       u"x",
       replacement + "x"},  // a high surrogate without its partner
  };
  for (const Utf16Case& c : utf16_cases) EXPECT_EQ(Utf16ToUtf8(c.malformed), c.expected);
}

// The system directory as ReadSystemDirectory hands it on: 256 wide characters (the path, its
// zero and the spaces behind it) converted whole, which the launcher reduces to the drive.
TEST(TextConvert, SystemDirectoryBufferKeepsItsShapeForTheDriveRoot) {
  for (const std::u16string& directory : {u"C:\\windows\\system32"s, u"E:\\WINNT\\System32"s}) {
    std::u16string wide(256, u' ');
    wide.replace(0, directory.size(), directory);
    wide[directory.size()] = u'\0';
    std::string buffer = Utf16ToUtf8(wide);
    ASSERT_EQ(buffer.size(), 256U);
    EXPECT_EQ(buffer[directory.size()], '\0');
    EXPECT_EQ(n5::SystemDriveRoot(buffer), Utf16ToUtf8(directory.substr(0, 3)));
  }
}

TEST(FolderOfModule, KeepsTheBackslashOnlyAtADriveRoot) {
  struct Case {
    std::string module;
    std::string folder;
  } cases[] = {
      {"D:\\n5launcher.exe", "D:\\"},
      {"d:\\n5launcher.exe", "d:\\"},
      {"D:\\Setup\\n5launcher.exe", "D:\\Setup"},
      {"E:\\N5 Disc\\Setup Files\\n5launcher.exe", "E:\\N5 Disc\\Setup Files"},
      {"C:\\光盘\\安装\\n5launcher.exe", "C:\\光盘\\安装"},
      {"\\\\server\\share\\n5launcher.exe", "\\\\server\\share"},
      {"\\\\server\\share\\disc\\n5launcher.exe", "\\\\server\\share\\disc"},
      {"\\\\?\\D:\\n5launcher.exe", "\\\\?\\D:\\"},
      {"\\\\?\\D:\\Setup\\n5launcher.exe", "\\\\?\\D:\\Setup"},
      {"\\\\?\\UNC\\server\\share\\n5launcher.exe", "\\\\?\\UNC\\server\\share"},
      {"n5launcher.exe", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderOfModule(c.module), c.folder) << c.module;
}

TEST(ProgramPath, NamesBareProgramsFromTheWindowsFolderAndKeepsPaths) {
  struct Case {
    std::string program;
    std::string windows_folder;
    std::string path;
  } cases[] = {
      {"explorer", "C:\\windows", "C:\\windows\\explorer.exe"},
      {"explorer", "C:\\WINDOWS\\", "C:\\WINDOWS\\explorer.exe"},
      {"explorer", "F:\\", "F:\\explorer.exe"},
      {"explorer.exe", "C:\\windows", "C:\\windows\\explorer.exe"},
      {"C:\\Program Files\\Internet Explorer\\iexplore.exe", "C:\\windows",
       "C:\\Program Files\\Internet Explorer\\iexplore.exe"},
      {"D:\\集成安装程序\\setup.exe", "C:\\windows", "D:\\集成安装程序\\setup.exe"},
      {"sub\\tool.exe", "C:\\windows", "sub\\tool.exe"},
      {"C:tool.exe", "C:\\windows", "C:tool.exe"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProgramPath(c.program, c.windows_folder), c.path) << c.program;
  }
}

TEST(LanguageTagOf, ChoosesTheTraditionalTextsForTheHantRegionsOnly) {
  struct Case {
    std::uint16_t language_id;
    std::string tag;
    TextVariant variant;
  } cases[] = {
      {0x0404, "zh-TW", TextVariant::Traditional},  {0x0C04, "zh-HK", TextVariant::Traditional},
      {0x1404, "zh-MO", TextVariant::Traditional},  {0x7C04, "zh-Hant", TextVariant::Traditional},
      {0x0804, "zh-CN", TextVariant::Simplified},   {0x1004, "zh-SG", TextVariant::Simplified},
      {0x0004, "zh-Hans", TextVariant::Simplified}, {0x7804, "zh", TextVariant::Simplified},
      {0x0409, "und", TextVariant::Simplified},     {0x0411, "und", TextVariant::Simplified},
      {0x0000, "und", TextVariant::Simplified},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LanguageTagOf(c.language_id), c.tag) << std::hex << c.language_id;
    EXPECT_EQ(ChooseTextVariant(LanguageTagOf(c.language_id)), c.variant) << c.tag;
  }
}

// A block as Windows stores it, from its sixteen entries.
std::vector<std::uint8_t> Block(const std::vector<std::u16string>& entries) {
  std::vector<std::uint8_t> bytes;
  auto put = [&](char16_t unit) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  };
  for (int i = 0; i < kStringsPerBlock; ++i) {
    const std::u16string text =
        static_cast<std::size_t>(i) < entries.size() ? entries[i] : std::u16string();
    put(static_cast<char16_t>(text.size()));
    for (char16_t unit : text) put(unit);
  }
  return bytes;
}

TEST(StringInBlock, FindsEachEntryByPosition) {
  const std::vector<std::u16string> entries = {u"zero", u"",    u"两", u"N5-企業管理軟體",
                                               u"",     u"five"};
  std::vector<std::uint8_t> block = Block(entries);
  for (int position = 0; position < kStringsPerBlock; ++position) {
    std::optional<std::u16string> found = StringInBlock(block, position);
    const std::u16string expected =
        static_cast<std::size_t>(position) < entries.size() ? entries[position] : u"";
    if (expected.empty()) {
      EXPECT_FALSE(found) << position;  // an empty entry is no string
    } else {
      EXPECT_EQ(found, expected) << position;
    }
  }
}

TEST(StringInBlock, RefusesPositionsAndBlocksThatDoNotHoldTheEntry) {
  std::vector<std::uint8_t> block = Block({u"a", u"bc", u"def"});
  EXPECT_FALSE(StringInBlock(block, -1));
  EXPECT_FALSE(StringInBlock(block, kStringsPerBlock));
  // Cut inside entry 2's text, and inside its length.
  std::vector<std::uint8_t> short_text(block.begin(), block.begin() + 2 + 2 + 2 + 4 + 2 + 4);
  EXPECT_EQ(StringInBlock(short_text, 1), u"bc");
  EXPECT_FALSE(StringInBlock(short_text, 2));
  std::vector<std::uint8_t> short_length(block.begin(), block.begin() + 2 + 2 + 2 + 4 + 1);
  EXPECT_FALSE(StringInBlock(short_length, 2));
  EXPECT_FALSE(StringInBlock({}, 0));
}

TEST(StringInBlock, PlacesIdsInBlocksOfSixteen) {
  struct Case {
    int id, block, position;
  } cases[] = {{0, 1, 0}, {15, 1, 15}, {16, 2, 0}, {101, 7, 5}, {114, 8, 2}, {65535, 4096, 15}};
  for (const Case& c : cases) {
    EXPECT_EQ(StringBlockOf(c.id), c.block) << c.id;
    EXPECT_EQ(StringPositionOf(c.id), c.position) << c.id;
  }
}

TEST(Pixels, RoundTwipsToTheNearestPixel) {
  struct Case {
    float twips;
    int pixel;
  } cases[] = {{0, 0},      {7, 0},      {7.5F, 1},   {8, 1},  {15, 1},  {362, 24},
               {1800, 120}, {7530, 502}, {5805, 387}, {-7, 0}, {-8, -1}, {-15, -1}};
  for (const Case& c : cases) EXPECT_EQ(PixelOf(c.twips), c.pixel) << c.twips;
  EXPECT_EQ(TwipsOf(24), 360.0F);
  EXPECT_EQ(TwipsOf(-3), -45.0F);
}

TEST(Pixels, PlaceControlsByTheNearestEdgesAndRepaintEveryTouchedPixel) {
  struct Case {
    form::Rect twips;
    PixelRect placed;
    PixelRect covering;
  } cases[] = {
      {{362, 1800, 2115, 510}, {24, 120, 165, 154}, {24, 120, 166, 154}},
      {{0, 0, 7530, 5805}, {0, 0, 502, 387}, {0, 0, 502, 387}},
      {{3302, 1800, 3600, 2250}, {220, 120, 460, 270}, {220, 120, 461, 270}},
      {{1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 1, 1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlacedPixels(c.twips), c.placed) << c.twips.left;
    EXPECT_EQ(CoveringPixels(c.twips), c.covering) << c.twips.left;
    EXPECT_EQ(Intersect(c.placed, c.covering), c.placed) << "the repaint covers the control";
  }
}

TEST(Pixels, IntersectsRectangles) {
  struct Case {
    PixelRect a, b, both;
  } cases[] = {
      {{0, 0, 10, 10}, {5, 5, 20, 20}, {5, 5, 10, 10}},
      {{0, 0, 10, 10}, {10, 0, 20, 10}, {}},  // touching edges share no pixel
      {{0, 0, 10, 10}, {2, 3, 4, 5}, {2, 3, 4, 5}},
      {{0, 0, 10, 10}, {20, 20, 30, 30}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Intersect(c.a, c.b), c.both);
    EXPECT_EQ(Intersect(c.b, c.a), c.both);
  }
}

TEST(SystemErrors, TranslateShellExecuteResults) {
  struct Case {
    std::intptr_t result;
    std::uint32_t code;
  } cases[] = {
      {33, 0},  {42, 0},    {0, 14},    {2, 2},     {3, 3},     {5, 5},     {8, 8},     {11, 11},
      {26, 32}, {27, 1155}, {31, 1155}, {28, 1156}, {29, 1156}, {30, 1156}, {32, 1157}, {1, 87},
  };
  for (const Case& c : cases) EXPECT_EQ(ShellExecuteErrorCode(c.result), c.code) << c.result;
}

TEST(SystemErrors, FillTheFirstInsertWithTheProgram) {
  struct Case {
    std::string message, filled;
  } cases[] = {
      {"%1 is not a valid Win32 application.", "C:\\x.exe is not a valid Win32 application."},
      {"%1 的 EXE 格式无效。", "C:\\x.exe 的 EXE 格式无效。"},
      {"no insert", "no insert"},
      {"%10 stays, %1 goes", "%10 stays, C:\\x.exe goes"},
      {"%1%1",
       "C:\\x.exe"
       "C:\\x.exe"},
  };
  for (const Case& c : cases) EXPECT_EQ(FillFirstInsert(c.message, "C:\\x.exe"), c.filled);
  // An insert in the program's own name is not filled again.
  EXPECT_EQ(FillFirstInsert("%1!", "D:\\%1.exe"), "D:\\%1.exe!");
}

TEST(SystemErrors, TrimTheEndOfSystemMessages) {
  struct Case {
    std::string message, trimmed;
  } cases[] = {
      {"The system cannot find the file specified.\r\n",
       "The system cannot find the file specified."},
      {"系统找不到指定的文件。\r\n", "系统找不到指定的文件。"},
      {"Access is denied. \r\n", "Access is denied."},
      {"first\r\nsecond\r\n", "first\r\nsecond"},
      {"\r\n", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TrimMessageEnd(c.message), c.trimmed);
}

}  // namespace
}  // namespace n5::win32

#include "form/text_layout.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "form/utf8.h"

namespace n5::form {
namespace {

// 10 points: a CJK character is 200 twips wide, a Latin one 100, a line 200 high.
const Font kFont{"黑体", 10, false, false, 134};

std::vector<std::string> Lines(std::string_view text, float width, float height = 100000,
                               bool wrap = true) {
  DeterministicTextMetrics metrics;
  std::vector<std::string> out;
  for (const TextLine& line :
       LayoutText(metrics, kFont, text, width, height, Alignment::Left, wrap)) {
    out.push_back(line.text);
  }
  return out;
}

using Texts = std::vector<std::string>;

TEST(LayoutText, WrapsBetweenWordsAndBetweenAnyTwoCjkCharacters) {
  struct Case {
    const char* text;
    float width;
    Texts lines;
  } cases[] = {
      {"安装产品", 800, {"安装产品"}},
      {"安装产品", 799, {"安装产", "品"}},
      {"安装产品", 400, {"安装", "产品"}},
      {"one two three", 700, {"one two", "three"}},
      {"one two three", 500, {"one", "two", "three"}},
      {"N5-企业管理", 700, {"N5-企业", "管理"}},
      {"软件ERP解决", 800, {"软件ERP", "解决"}},
      // A word wider than the line breaks between characters rather than being lost.
      {"abcdefgh", 300, {"abc", "def", "gh"}},
      // Closing punctuation never starts a line; opening punctuation never ends one.
      {"管理，实现", 400, {"管", "理，", "实现"}},
      {"使用【N5】", 600, {"使用", "【N5】"}},
      {"", 500, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(c.text, c.width), c.lines) << c.text;
}

TEST(LayoutText, LeavesOutLinesBelowTheBottomEdge) {
  // Three lines of 200 twips fit in 600; a height of 401 shows the third one partly.
  EXPECT_EQ(Lines("一二三四五六", 400, 600).size(), 3U);
  EXPECT_EQ(Lines("一二三四五六", 400, 401).size(), 3U);
  EXPECT_EQ(Lines("一二三四五六", 400, 400).size(), 2U);
}

TEST(LayoutText, PlacesLinesDownwardsAndCentresThemWhenAsked) {
  DeterministicTextMetrics metrics;
  auto lines = LayoutText(metrics, kFont, "一二三四五", 600, 1000, Alignment::Center, true);
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_EQ(lines[0].y, 0);
  EXPECT_EQ(lines[1].y, 200);
  EXPECT_EQ(lines[0].x, 0);    // 600 wide in 600
  EXPECT_EQ(lines[1].x, 100);  // 400 wide in 600
  EXPECT_EQ(lines[1].width, 400);
}

TEST(LayoutText, KeepsOneLineWithoutWrapping) {
  EXPECT_EQ(Lines("一二三四五", 100, 100, false), Texts{"一二三四五"});
}

TEST(Utf8, DecodesEveryByteOnceAndReplacesMalformedSequences) {
  std::string text = "a\xE5\xAE\x89\xFF\xE5\xAE";  // a, 安, a stray byte, a cut-off sequence
  std::vector<char32_t> decoded;
  for (std::size_t pos = 0; pos < text.size();) decoded.push_back(utf8::Next(text, pos));
  EXPECT_EQ(decoded, (std::vector<char32_t>{U'a', U'安', 0xFFFD, 0xFFFD, 0xFFFD}));
  std::string overlong = "\xC0\xAF";
  std::size_t pos = 0;
  EXPECT_EQ(utf8::Next(overlong, pos), 0xFFFDU);
  EXPECT_TRUE(utf8::IsWide(U'安'));
  EXPECT_TRUE(utf8::IsWide(U'，'));
  EXPECT_TRUE(utf8::IsWide(0x20000));
  EXPECT_FALSE(utf8::IsWide(U'N'));
}

}  // namespace
}  // namespace n5::form

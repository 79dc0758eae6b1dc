#include <gtest/gtest.h>

#include "linux/font_matcher.h"
#include "linux/ttf_fonts.h"

namespace n5::linux_ui {
namespace {

TEST(FontMatcherTest, SortsWindowsFacesIntoMingHeiAndOthers) {
  struct Case {
    const char* face;
    FaceKind kind;
  } cases[] = {
      {"宋体", FaceKind::Ming},   {"SimSun", FaceKind::Ming}, {"新細明體", FaceKind::Ming},
      {"黑体", FaceKind::Hei},    {"SimHei", FaceKind::Hei},  {"微软雅黑", FaceKind::Hei},
      {"Arail", FaceKind::Other}, {"Arial", FaceKind::Other}, {"MS Sans Serif", FaceKind::Other},
      {"", FaceKind::Other},
  };
  for (const Case& c : cases) EXPECT_EQ(KindOfFace(c.face), c.kind) << c.face;
}

// This system's fonts: the launcher's dependencies install AR PL UMing and WenQuanYi Zen Hei.
TEST(FontMatcherTest, FindsDistinctMingAndHeiFacesWithChineseForBothLanguages) {
  for (const char* language : {"zh-cn", "zh-tw"}) {
    std::optional<FontFile> ming = MatchFont("宋体", false, language);
    std::optional<FontFile> hei = MatchFont("黑体", false, language);
    ASSERT_TRUE(ming && hei) << language;
    EXPECT_TRUE(ming->covers_chinese) << language << ": " << ming->family;
    EXPECT_TRUE(hei->covers_chinese) << language << ": " << hei->family;
    EXPECT_NE(ming->family, hei->family) << language;
    EXPECT_NE(ming->family.find("Ming"), std::string::npos) << language << ": " << ming->family;
    EXPECT_NE(hei->family.find("Hei"), std::string::npos) << language << ": " << hei->family;
  }
  std::optional<FontFile> latin = MatchFont("Arail", false, "zh-cn");
  ASSERT_TRUE(latin);
  EXPECT_FALSE(latin->path.empty());
}

class TtfFontsTest : public ::testing::Test {
 protected:
  TtfFonts fonts{"zh-cn"};
  const form::Font caption{"黑体", 11, false, false, 134};
};

TEST_F(TtfFontsTest, MeasuresWithTheFontsItDrawsWith) {
  form::TextExtent one = fonts.Measure(caption, "安装产品");
  form::TextExtent two = fonts.Measure(caption, "安装产品安装产品");
  form::TextExtent empty = fonts.Measure(caption, "");
  ASSERT_NE(fonts.Get(caption), nullptr);
  int width = 0;
  int height = 0;
  ASSERT_EQ(TTF_SizeUTF8(fonts.Get(caption), "安装产品", &width, &height), 0);
  EXPECT_EQ(one.width, static_cast<float>(width) * 15);
  EXPECT_EQ(one.height, static_cast<float>(TTF_FontHeight(fonts.Get(caption))) * 15);
  EXPECT_NEAR(two.width, 2 * one.width, 2 * 15);
  EXPECT_EQ(empty.width, 0);
  EXPECT_EQ(empty.height, one.height);

  form::Font underlined = caption;
  underlined.underline = true;
  EXPECT_EQ(fonts.Measure(underlined, "安装产品").width, one.width);
  form::Font bold = caption;
  bold.bold = true;
  EXPECT_GE(fonts.Measure(bold, "安装产品").width, one.width);
  form::Font larger = caption;
  larger.size = 22;
  EXPECT_GT(fonts.Measure(larger, "安装产品").width, 1.5F * one.width);
}

TEST_F(TtfFontsTest, KeepsTheQuarterPointsOfFractionalSizes) {
  form::Font small{"宋体", 10.5F, true, false, 134};
  form::Font smaller = small;
  smaller.size = 10;
  form::Font larger = small;
  larger.size = 11;
  float at_10 = fonts.Measure(smaller, "欢迎使用").width;
  float at_10_5 = fonts.Measure(small, "欢迎使用").width;
  float at_11 = fonts.Measure(larger, "欢迎使用").width;
  EXPECT_LT(at_10, at_10_5);
  EXPECT_LT(at_10_5, at_11);
}

TEST_F(TtfFontsTest, OpensEachDistinctFontOnce) {
  TTF_Font* first = fonts.Get(caption);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(fonts.Get(caption), first);
  form::Font underlined = caption;
  underlined.underline = true;
  TTF_Font* with_underline = fonts.Get(underlined);
  ASSERT_NE(with_underline, nullptr);
  EXPECT_NE(with_underline, first);
  EXPECT_EQ(TTF_GetFontStyle(with_underline) & TTF_STYLE_UNDERLINE, TTF_STYLE_UNDERLINE);
  // A Hei face has no bold of its own: it is synthesised.
  form::Font bold = caption;
  bold.bold = true;
  ASSERT_NE(fonts.Get(bold), nullptr);
  EXPECT_EQ(TTF_GetFontStyle(fonts.Get(bold)) & TTF_STYLE_BOLD, TTF_STYLE_BOLD);
}

TEST_F(TtfFontsTest, EstimatesWhatNoFontCanMeasure) {
  form::DeterministicTextMetrics estimate;
  for (float size : {0.0F, -3.0F, 100000.0F}) {
    form::Font odd = caption;
    odd.size = size;
    EXPECT_EQ(fonts.Get(odd), nullptr) << size;
    form::TextExtent measured = fonts.Measure(odd, "安装");
    form::TextExtent estimated = estimate.Measure(odd, "安装");
    EXPECT_EQ(measured.width, estimated.width) << size;
    EXPECT_EQ(measured.height, estimated.height) << size;
  }
}

}  // namespace
}  // namespace n5::linux_ui

// The window as start-up lays it out, and as it stands when parts of it are missing.

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "form/checked_math.h"
#include "tests/support/launcher_fixture.h"

namespace n5 {
namespace {

using testing::LauncherTest;

struct Geometry {
  float left, top, width, height;
};

Geometry Of(const form::Control& c) {
  return {c.left(), c.top(), c.width(), c.height()};
}

bool operator==(const Geometry& a, const Geometry& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

void PrintTo(const Geometry& g, std::ostream* os) {
  *os << g.left << "," << g.top << " " << g.width << "x" << g.height;
}

TEST_F(LauncherTest, LaysTheWindowOutAsDesigned) {
  Load();
  frmSplash& f = form();
  const float tops[] = {1800, 2385, 2970, 3555, 4140};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Of(f.pcb(i)), (Geometry{362, tops[i], 2115, 510})) << "pcb(" << i << ")";
    EXPECT_EQ(Of(f.lbl_pcbText(i)), (Geometry{0, 150, 2115, 510})) << "lbl_pcbText(" << i << ")";
  }
  EXPECT_EQ(f.lblShowInfo.left(), 3302);
  EXPECT_EQ(f.lblShowInfo.top(), 1800);
  EXPECT_EQ(f.lblShowInfo.width(), 3600) << "its size never changes";
  EXPECT_EQ(f.lblShowInfo.height(), 2250);
  // The welcome line's top comes from its height with the designed font (10.5 points: 210).
  EXPECT_EQ(f.lbl_ShowWelcome.left(), 362);
  EXPECT_EQ(f.lbl_ShowWelcome.top(), 1425 - 210);
  EXPECT_EQ(Of(f.pic_help), (Geometry{362, 5385, 285, 270}));
  EXPECT_EQ(f.FooterTop, 5385);
  EXPECT_EQ(f.lbl_www.top(), 5385);
  EXPECT_EQ(f.lbl_tel.top(), 5385);

  // The footer row is centred with the widths the metrics give its two labels.
  float www = metrics_.Measure(f.lbl_www.font(), kWebAddressUrl).width;
  float tel = metrics_.Measure(f.lbl_tel.font(), LoadText(texts_, 107)).width;
  EXPECT_EQ(f.lbl_www.width(), www);
  EXPECT_EQ(f.lbl_tel.width(), tel);
  EXPECT_EQ(f.FooterLeft, RoundToInt16((7530 - (www + tel + 300)) / 2));
  EXPECT_EQ(f.lbl_www.left(), f.FooterLeft);
  EXPECT_EQ(f.lbl_tel.left(), f.FooterLeft + www + 300);
  EXPECT_EQ(window().width(), 7530);
  EXPECT_EQ(window().height(), 5805);
}

TEST_F(LauncherTest, StartsWithNothingHighlightedAndSharesOnePictureAndOneCursor) {
  Load();
  frmSplash& f = form();
  EXPECT_EQ(f.SelectedIndex, frmSplash::NoSelection);
  EXPECT_EQ(f.SelectedIndex, 20);
  EXPECT_EQ(f.lblShowInfo.caption(), "");
  const form::CursorRef& hand = f.Pic_MouseIcon.mouse_icon();
  ASSERT_TRUE(hand);
  EXPECT_EQ(hand->role, "hand");
  EXPECT_EQ(hand->hotspot_x, 0);
  EXPECT_EQ(hand->hotspot_y, 0);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(f.pcb(i).picture(), f.Image_Normal.picture()) << "the same object, not a copy";
    EXPECT_EQ(f.lbl_pcbText(i).mouse_icon(), hand);
    EXPECT_EQ(f.lbl_pcbText(i).mouse_pointer(), form::MousePointer::Custom);
    EXPECT_EQ(f.lbl_pcbText(i).caption(), LoadText(texts_, 102 + i));
  }
  EXPECT_EQ(f.lbl_www.mouse_icon(), hand);
  EXPECT_EQ(f.lbl_www.mouse_pointer(), form::MousePointer::Custom);
  EXPECT_EQ(f.lbl_www.caption(), "http://www.n5-erp.example");
  EXPECT_EQ(window().caption(), "N5-企业管理软件安装程序");
  const int description_ids[] = {108, 109, 112, 110, 111};
  ASSERT_EQ(f.ItemInfoText.size(), 5U);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(f.ItemInfoText[i], LoadText(texts_, description_ids[i]));
  // Start-up shows and hides nothing.
  for (const form::Control* c :
       {&f.pic_help, &f.Pic_MouseIcon, &f.lbl_ShowWelcome, &f.Image_Normal, &f.Image_Hover}) {
    EXPECT_FALSE(c->visible()) << c->DisplayName();
  }
}

TEST_F(LauncherTest, GivesEachLabelItsFontAndColour) {
  Load();
  frmSplash& f = form();
  struct Case {
    const form::Control* label;
    form::Font font;
    form::Color color;
  } cases[] = {
      {&f.lbl_pcbText(0), {"黑体", 11, false, false, 134}, {12, 32, 76}},
      {&f.lbl_pcbText(4), {"黑体", 11, false, false, 134}, {12, 32, 76}},
      {&f.lblShowInfo, {"黑体", 10, true, false, 0}, {255, 255, 255}},
      {&f.lbl_ShowWelcome, {"黑体", 11, true, false, 134}, {0, 0, 0}},
      {&f.lbl_tel, {"黑体", 9, false, false, 134}, {0, 0, 0}},
      {&f.lbl_www, {"Arail", 8, false, false, 134}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.label->font(), c.font) << c.label->DisplayName();
    EXPECT_EQ(c.label->fore_color(), c.color) << c.label->DisplayName();
  }
}

TEST_F(LauncherTest, BeforeLoadTheWindowStandsAsDesigned) {
  Build();
  frmSplash& f = form();
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(f.pcb(i).left(), 600);
    EXPECT_EQ(f.pcb(i).top(), 1800 + 600 * i);
    EXPECT_EQ(f.pcb(i).picture(), f.resources().designed);
    EXPECT_EQ(f.lbl_pcbText(i).caption(), "");
  }
  EXPECT_EQ(f.lblShowInfo.caption(), "lblShowInfo");
  EXPECT_TRUE(f.ItemInfoText.empty());
  EXPECT_EQ(window().caption(), "N5-企业管理软件");
}

TEST_F(LauncherTest, StacksEachButtonBelowTheOneAboveAsItStandsThen) {
  Build();
  form().pcb(1).SetHeight(600);
  window().Load();
  const float tops[] = {1800, 2385, 3060, 3645, 4230};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(form().pcb(i).top(), tops[i]) << i;
  EXPECT_EQ(form().lbl_pcbText(1).height(), 600) << "a caption label takes its button's height";
}

TEST_F(LauncherTest, PlacesTheFooterFromTheWindowsOuterHeight) {
  Build();
  window().SetSize(7530, 6000);
  window().Load();
  EXPECT_EQ(form().FooterTop, 6000 - (270 + 150));
  EXPECT_EQ(form().pic_help.top(), form().FooterTop);
  EXPECT_EQ(form().pic_help.left(), form().pcb(0).left());
}

// Widths chosen per face, so that the footer's centring can be steered.
class SteeredMetrics final : public form::TextMetrics {
 public:
  float www = 0, tel = 0;
  form::TextExtent Measure(const form::Font& font, std::string_view text) override {
    form::TextExtent extent = deterministic_.Measure(font, text);
    if (text == kWebAddressUrl && font.face == "Arail") extent.width = www;
    if (text.starts_with("服务热线") && font.face == "黑体") extent.width = tel;
    return extent;
  }

 private:
  form::DeterministicTextMetrics deterministic_;
};

TEST(FooterLayout, RoundsAnOddDifferenceToTheEvenNeighbourAndFallsBackToZero) {
  struct Case {
    float www, tel;
    int footer_left;
  } cases[] = {
      {1000, 2001, 2114},  // 7530 - 3301 = 4229, half 2114.5
      {1000, 1999, 2116},  // 4231, half 2115.5
      {1000, 2000, 2115},  // 4230
      {100000, 1000, 0},   // far off the window: the conversion fails, the footer goes to 0
  };
  for (const Case& c : cases) {
    SteeredMetrics metrics;
    metrics.www = c.www;
    metrics.tel = c.tel;
    testing::EditableTexts texts;
    platform::RecordingPlatform platform;
    frmSplash form(metrics, texts, platform);
    form.window().Load();
    EXPECT_EQ(form.FooterLeft, c.footer_left) << c.www << "+" << c.tel;
    EXPECT_EQ(form.lbl_www.left(), c.footer_left);
    EXPECT_EQ(form.lbl_tel.left(), c.footer_left + c.www + 300);
  }
}

TEST_F(LauncherTest, KeepsDesignedCaptionsOrEmptyOnesWhenTextsAreMissing) {
  texts_ = testing::EditableTexts(TextVariant::Traditional);
  texts_.missing = {101, 103, 107, 109, 112, 114};
  Load();
  frmSplash& f = form();
  EXPECT_EQ(window().caption(), "N5-企业管理软件") << "the designed caption stays";
  EXPECT_EQ(f.lbl_ShowWelcome.caption(), "欢迎使用【N5-企业管理软件】");
  EXPECT_EQ(f.lbl_tel.caption(), kDesignedHotline);
  EXPECT_EQ(f.lbl_pcbText(0).caption(), "安裝產品");
  EXPECT_EQ(f.lbl_pcbText(1).caption(), "") << "an item caption becomes empty instead";
  ASSERT_EQ(f.ItemInfoText.size(), 5U);
  EXPECT_EQ(f.ItemInfoText[1], "");
  EXPECT_EQ(f.ItemInfoText[2], "");
  EXPECT_EQ(f.ItemInfoText[3], LoadText(texts_, 110));
  // Everything else was laid out all the same.
  EXPECT_EQ(f.pcb(4).top(), 4140);
  EXPECT_EQ(f.lblShowInfo.left(), 3302);
}

TEST_F(LauncherTest, ShowsNoCaptionsWhenNoneOfTheItemTextsCanBeFound) {
  texts_.missing = {102, 103, 104, 105, 106};
  Load();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(form().lbl_pcbText(i).caption(), "") << i;
  EXPECT_EQ(form().SelectedIndex, frmSplash::NoSelection);
}

TEST_F(LauncherTest, LaysOutAnyNumberOfItemsAndSkipsCaptionsForItemsThatAreNotThere) {
  for (int items : {1, 3, 8}) {
    Load(items);
    frmSplash& f = form();
    ASSERT_EQ(f.MenuItemCount(), items);
    for (int i = 0; i < items; ++i) {
      EXPECT_EQ(f.pcb(i).top(), 1800 + 585 * i) << items << " items, pcb(" << i << ")";
      EXPECT_EQ(f.pcb(i).picture(), f.Image_Normal.picture());
      std::string expected = i < 5 ? LoadText(texts_, 102 + i) : "";
      EXPECT_EQ(f.lbl_pcbText(i).caption(), expected);
    }
    EXPECT_EQ(f.ItemInfoText.size(), 5U);
    EXPECT_EQ(f.FooterTop, 5385);
  }
}

}  // namespace
}  // namespace n5

namespace n5 {
namespace {

// Deterministic metrics that note every measurement.
class CountingMetrics final : public form::TextMetrics {
 public:
  std::vector<std::string> widths;   // "face size: text"
  std::vector<std::string> heights;  // "face size"
  form::TextExtent Measure(const form::Font& font, std::string_view text) override {
    widths.push_back(Key(font) + ": " + std::string(text));
    return deterministic_.Measure(font, text);
  }
  float LineHeight(const form::Font& font) override {
    heights.push_back(Key(font));
    return deterministic_.LineHeight(font);
  }

 private:
  static std::string Key(const form::Font& font) {
    return font.face + " " + std::to_string(static_cast<int>(font.size * 4));
  }
  form::DeterministicTextMetrics deterministic_;
};

TEST(LazySizing, MeasuresOnlyTheFontsAndTextsWhoseSizesAreRead) {
  CountingMetrics metrics;
  testing::EditableTexts texts;
  platform::RecordingPlatform platform;
  frmSplash form(metrics, texts, platform);
  form.window().Load();
  form.window().TakeDamage();
  // The designed fonts of the footer are replaced before any size is read: never measured.
  // The welcome line's designed font is read for its height only, which places the line.
  for (const std::string& w : metrics.widths) {
    EXPECT_EQ(w.rfind("宋体", 0), std::string::npos) << w;
  }
  EXPECT_EQ(metrics.heights, (std::vector<std::string>{"宋体 42", "黑体 36", "Arail 32"}));
  EXPECT_EQ(metrics.widths, (std::vector<std::string>{
                                "黑体 36: " + LoadText(texts, 107),
                                std::string("Arail 32: ") + kWebAddressUrl,
                            }));
  EXPECT_EQ(form.lbl_ShowWelcome.top(), 1425 - 210);
  // The hidden welcome line is measured when something asks for its size.
  form::DeterministicTextMetrics plain;
  EXPECT_EQ(form.lbl_ShowWelcome.width(),
            plain.Measure(form.lbl_ShowWelcome.font(), LoadText(texts, 101)).width);
  EXPECT_EQ(metrics.widths.size(), 3U);
}

}  // namespace
}  // namespace n5

// The highlight: which item it is on and how the menu shows it.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/launcher_fixture.h"

namespace n5 {
namespace {

using testing::LauncherTest;

class SelectionTest : public LauncherTest {
 protected:
  void SetUp() override { Load(); }

  // Which buttons show the hover picture.
  std::vector<int> Hovered() {
    std::vector<int> hovered;
    for (int i = 0; i < form().MenuItemCount(); ++i) {
      const form::PictureRef& p = form().pcb(i).picture();
      if (p == form().Image_Hover.picture()) {
        hovered.push_back(i);
      } else {
        EXPECT_EQ(p, form().Image_Normal.picture()) << "pcb(" << i << ")";
      }
    }
    return hovered;
  }

  void ExpectHighlighted(int item) {
    EXPECT_EQ(form().SelectedIndex, item);
    EXPECT_EQ(Hovered(), std::vector<int>{item});
    EXPECT_EQ(form().lblShowInfo.caption(), form().ItemInfoText[item]);
    EXPECT_EQ(form().lblShowInfo.top(), form().pcb(item).top() + 150);
  }

  void ExpectCleared() {
    EXPECT_EQ(form().SelectedIndex, frmSplash::NoSelection);
    EXPECT_TRUE(Hovered().empty());
    EXPECT_EQ(form().lblShowInfo.caption(), "");
    EXPECT_EQ(form().lblShowInfo.top(), 1800);
  }

  void Key(std::int16_t code) { window().KeyDown(code); }
  void MoveTo(std::pair<float, float> p) { window().MouseMove(p.first, p.second); }
};

TEST_F(SelectionTest, StepsWithTheKeysAndWrapsAround) {
  struct Case {
    std::vector<std::int16_t> keys;
    int expected;
  } cases[] = {
      {{40}, 0},  // Down from no selection: the first item
      {{38}, 0},  // Up from no selection: also the first item, not the last
      {{40, 40, 40}, 2},
      {{40, 38}, 4},  // Up on the first item: the last
      {{40, 40, 40, 40, 40}, 4},
      {{40, 40, 40, 40, 40, 40}, 0},  // Down on the last item: the first
      {{38, 38, 38}, 3},
  };
  for (const Case& c : cases) {
    Load();
    for (std::int16_t key : c.keys) Key(key);
    SCOPED_TRACE(::testing::PrintToString(c.keys));
    ExpectHighlighted(c.expected);
  }
}

TEST_F(SelectionTest, HighlightsTheItemUnderThePointerAndClearsOverTheBackground) {
  MoveTo(CaptionPoint(2));
  ExpectHighlighted(2);
  EXPECT_EQ(form().lblShowInfo.caption(), LoadText(texts_, 112)) << "item 2 takes text 112";
  MoveTo(CaptionPoint(3));
  ExpectHighlighted(3);
  EXPECT_EQ(form().lblShowInfo.caption(), LoadText(texts_, 110)) << "item 3 takes text 110";
  MoveTo({7000, 500});
  ExpectCleared();
  // A keyboard highlight is cleared by the next move over the background.
  Key(40);
  ExpectHighlighted(0);
  MoveTo({100, 100});
  ExpectCleared();
}

TEST_F(SelectionTest, RepaintsEveryButtonOnEachMoveOverACaption) {
  MoveTo(CaptionPoint(1));
  // Paint a button by hand: the next move over the same caption paints it back.
  form().pcb(4).SetPicture(form().Image_Hover.picture());
  MoveTo(CaptionPoint(1));
  ExpectHighlighted(1);
}

TEST_F(SelectionTest, TestsTheButtonsStrictlyOnAllFourEdges) {
  // The strip of a button above its caption label goes to the button, which handles nothing;
  // the background handler sees only points beside the buttons. Call it directly for edges.
  const form::Control& b = form().pcb(1);
  const float L = b.left(), T = b.top(), R = b.left() + b.width(), B = b.top() + b.height();
  struct Case {
    float x, y;
    bool inside;
  } cases[] = {
      {L + 1, T + 1, true}, {R - 1, B - 1, true}, {L, T + 100, false},     {R, T + 100, false},
      {L + 100, T, false},  {L + 100, B, false},  {L - 1, T + 100, false},
  };
  for (const Case& c : cases) {
    Load();
    form().Image_Bg_MouseMove(0, 0, c.x, c.y);
    EXPECT_EQ(form().SelectedIndex, c.inside ? 1 : frmSplash::NoSelection) << c.x << "," << c.y;
  }
}

TEST_F(SelectionTest, LeavesTheMenuAloneOverTheBackgroundWhenNothingIsHighlighted) {
  form().lblShowInfo.SetCaption("untouched");
  form().lblShowInfo.SetTop(77);
  MoveTo({7000, 500});
  EXPECT_EQ(form().lblShowInfo.caption(), "untouched");
  EXPECT_EQ(form().lblShowInfo.top(), 77);
  EXPECT_TRUE(Hovered().empty());
}

TEST_F(SelectionTest, ClearingIgnoresItsIndexAndMovesTheDescriptionToTheFirstButton) {
  form().HighlightItem(3, 0);  // nothing highlighted: nothing changes, whatever the index
  ExpectCleared();
  Key(40);
  Key(40);
  Key(40);
  Key(40);
  ExpectHighlighted(3);
  form().HighlightItem(-7, 0);
  ExpectCleared();
}

TEST_F(SelectionTest, CountsAnyNonZeroValueAsOn) {
  form().HighlightItem(2, 1);
  ExpectHighlighted(2);
  form().HighlightItem(4, -1);
  ExpectHighlighted(4);
}

TEST_F(SelectionTest, SkipsTheDescriptionOfAnItemWithoutOneButStillMovesIt) {
  Load(8);
  form().HighlightItem(6, frmSplash::True);
  EXPECT_EQ(form().SelectedIndex, 6);
  EXPECT_EQ(Hovered(), std::vector<int>{6});
  EXPECT_EQ(form().lblShowInfo.caption(), "") << "keeps the caption it had";
  EXPECT_EQ(form().lblShowInfo.top(), form().pcb(6).top() + 150);
  // An index past the buttons is stored, and only paints the others normal.
  form().HighlightItem(30, frmSplash::True);
  EXPECT_EQ(form().SelectedIndex, 30);
  EXPECT_TRUE(Hovered().empty());
  form().HighlightItem(0, frmSplash::False);  // pcb(30) fails alone; the rest still clears
  EXPECT_EQ(form().SelectedIndex, frmSplash::NoSelection);
}

TEST_F(SelectionTest, UnderlinesTheWebAddressWhileThePointerIsInsideIt) {
  const form::Control& www = form().lbl_www;
  const float L = www.left(), T = www.top(), R = L + www.width(), B = T + www.height();
  struct Case {
    float x, y;
    bool underline;
  } cases[] = {
      {L + 1, T + 1, true}, {R - 1, B - 1, true}, {L, T + 50, false},
      {R, T + 50, false},   {L + 50, T, false},   {L + 50, B, false},
  };
  for (const Case& c : cases) {
    form().Image_Bg_MouseMove(0, 0, c.x, c.y);
    EXPECT_EQ(form().lbl_www.font().underline, c.underline) << c.x << "," << c.y;
  }
  // Over the label itself its own handler turns the underline on; only a move over the
  // background turns it off, so moving on to the hotline leaves it on.
  MoveTo({L + 10, T + 10});
  EXPECT_TRUE(form().lbl_www.font().underline);
  MoveTo({form().lbl_tel.left() + 10, form().lbl_tel.top() + 10});
  EXPECT_TRUE(form().lbl_www.font().underline);
  MoveTo({7000, 500});
  EXPECT_FALSE(form().lbl_www.font().underline);
}

TEST_F(SelectionTest, RepaintsNothingWhenAMoveChangesNothing) {
  MoveTo({7000, 500});
  window().TakeDamage();
  MoveTo({7010, 510});
  EXPECT_TRUE(window().TakeDamage().empty());
  MoveTo(CaptionPoint(0));
  EXPECT_FALSE(window().TakeDamage().empty());
  MoveTo(CaptionPoint(0));
  EXPECT_TRUE(window().TakeDamage().empty()) << "the same highlight again looks the same";
}

}  // namespace
}  // namespace n5

// Keys and clicks, as the window delivers them, and what they start.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/launcher_fixture.h"

namespace n5 {
namespace {

using testing::LauncherTest;
using Calls = std::vector<std::string>;

const std::string kInstaller = "open D:\\\\集成安装程序\\setup.exe";
const std::string kHelp = "open D:\\\\TARVEN\\TARVENInstallation_cn.pdf";

class InputTest : public LauncherTest {
 protected:
  void SetUp() override { Load(); }
  void Click(std::pair<float, float> p) { window().Click(p.first, p.second); }
};

TEST_F(InputTest, ClosesTheWindowWithXEscAndCtrlBreakWhateverTheModifiers) {
  for (std::int16_t key : {88, 27, 3}) {
    for (std::int16_t shift : {0, 1, 2, 3}) {
      Load();
      window().KeyDown(key, shift);
      EXPECT_TRUE(window().unloaded()) << key << " with shift " << shift;
      EXPECT_TRUE(calls().empty());
    }
  }
}

TEST_F(InputTest, IgnoresKeysThatAreNotInTheTable) {
  for (std::int16_t key : {37, 39, 32, 36, 35, 9, 65, 120, 113, 0, -1, 32767}) {
    window().KeyDown(key);
    EXPECT_FALSE(window().unloaded()) << key;
  }
  EXPECT_EQ(form().SelectedIndex, frmSplash::NoSelection);
  EXPECT_TRUE(calls().empty());
}

TEST_F(InputTest, RunsTheHighlightedItemWithEnterAndKeepsTheHighlight) {
  window().KeyDown(13);
  EXPECT_TRUE(calls().empty()) << "Enter with nothing highlighted does nothing";
  window().KeyDown(40);
  window().KeyDown(13);
  EXPECT_EQ(calls(), Calls{kInstaller});
  EXPECT_EQ(form().SelectedIndex, 0);
  window().KeyDown(40, 1);  // Shift+Down steps like Down
  window().KeyDown(13);
  EXPECT_EQ(calls().back(), "start explorer D:\\");
  EXPECT_EQ(form().SelectedIndex, 1);
}

TEST_F(InputTest, OpensTheHelpDocumentWithF1WhateverIsHighlighted) {
  window().KeyDown(112);
  window().KeyDown(40);
  window().KeyDown(40);
  window().KeyDown(112);
  EXPECT_EQ(calls(), (Calls{kHelp, kHelp}));
  EXPECT_EQ(form().SelectedIndex, 1);
}

TEST_F(InputTest, RunsTheItemWhoseCaptionIsClickedHighlightedOrNot) {
  Click(CaptionPoint(2));
  Click(CaptionPoint(0));
  window().MouseMove(CaptionPoint(3).first, CaptionPoint(3).second);
  Click(CaptionPoint(3));
  EXPECT_EQ(
      calls(),
      (Calls{
          "open D:\\\\N5-企业管理软件(Full-Suite)产品手册\\N5-企业管理软件(Full-Suite)产品手册.pdf",
          kInstaller,
          "open D:\\\\N5-企业管理软件(Full-Suite)安装说明\\N5-企业管理软件(Full-Suite)安装说明.pdf",
      }));
  Click(CaptionPoint(4));
  EXPECT_EQ(calls().back(), "end");
}

TEST_F(InputTest, DoesNothingForClicksOutsideTheCaptionsAndTheWebAddress) {
  frmSplash& f = form();
  const form::Control& b = f.pcb(0);
  struct Point {
    float x, y;
  } points[] = {
      {b.left() + 100, b.top() + 50},                           // the button above its caption
      {f.lblShowInfo.left() + 100, f.lblShowInfo.top() + 100},  // the description
      {f.lbl_tel.left() + 10, f.lbl_tel.top() + 10},            // the hotline
      {370, 5400},                                              // where the hidden help icon is
      {7000, 500},                                              // the background
  };
  for (const Point& p : points) {
    window().Click(p.x, p.y);
    EXPECT_TRUE(calls().empty()) << p.x << "," << p.y;
  }
  EXPECT_FALSE(window().unloaded());
}

TEST_F(InputTest, OpensTheWebAddressThatTheLabelShows) {
  const form::Control& www = form().lbl_www;
  window().Click(www.left() + 10, www.top() + 10);
  EXPECT_EQ(calls(), Calls{"start C:\\Program Files\\Internet Explorer\\iexplore.exe "
                           "http://www.n5-erp.example"});
  form().lbl_www.SetCaption("http://other.example/a b");
  form().lbl_www_Click();
  EXPECT_EQ(calls().back(),
            "start C:\\Program Files\\Internet Explorer\\iexplore.exe http://other.example/a b");
}

TEST_F(InputTest, RoutesEveryCaptionToItsOwnItem) {
  for (int i = 0; i < 5; ++i) {
    window().MouseMove(CaptionPoint(i).first, CaptionPoint(i).second);
    EXPECT_EQ(form().SelectedIndex, i);
    EXPECT_EQ(window().CursorAt(CaptionPoint(i).first, CaptionPoint(i).second).custom,
              form().Pic_MouseIcon.mouse_icon());
  }
  // Over a button outside its caption the highlight stays and the arrow shows.
  const form::Control& b = form().pcb(1);
  window().MouseMove(b.left() + 100, b.top() + 50);
  EXPECT_EQ(form().SelectedIndex, 4);
  EXPECT_EQ(window().CursorAt(b.left() + 100, b.top() + 50).shape, form::MousePointer::Arrow);
  EXPECT_EQ(window().CursorAt(7000, 500).shape, form::MousePointer::Arrow);
}

}  // namespace
}  // namespace n5

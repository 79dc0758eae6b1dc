#include "form/window.h"

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "form/control_array.h"
#include "form/failure.h"

namespace n5::form {

void PrintTo(const Rect& r, std::ostream* os) {
  *os << "{" << r.left << "," << r.top << "," << r.width << "," << r.height << "}";
}

namespace {

// A small window: a picture box with a label inside, a label and an image behind it, and a
// hidden label in front of everything.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.SetSize(3000, 3000);
    hidden = &Add(ControlKind::Label, "hidden", {0, 0, 3000, 3000});
    hidden->SetVisible(false);
    box = &Add(ControlKind::PictureBox, "box", {1000, 1000, 1000, 500});
    inner = &window.Add(ControlKind::Label, "inner", -1, box);
    inner->SetLeft(0);
    inner->SetTop(150);
    inner->SetWidth(1000);
    inner->SetHeight(500);  // reaches below the box, which cuts it off
    label = &Add(ControlKind::Label, "label", {500, 500, 2000, 2000});
    label->SetTransparent(true);
    back = &Add(ControlKind::Image, "back", {0, 0, 3000, 3000});
    window.TakeDamage();
  }

  Control& Add(ControlKind kind, const char* name, Rect r) {
    Control& c = window.Add(kind, name);
    c.SetLeft(r.left);
    c.SetTop(r.top);
    c.SetWidth(r.width);
    c.SetHeight(r.height);
    return c;
  }

  std::string At(float x, float y) {
    Control* c = window.ControlAt(x, y);
    return c != nullptr ? c->name() : "nothing";
  }

  DeterministicTextMetrics metrics;
  Window window{metrics};
  Control* hidden = nullptr;
  Control* box = nullptr;
  Control* inner = nullptr;
  Control* label = nullptr;
  Control* back = nullptr;
};

TEST_F(WindowTest, RoutesAPointToTheFrontmostVisibleControl) {
  struct Case {
    float x, y;
    const char* expected;
  } cases[] = {
      {1500, 1100, "box"},                           // the box above its label
      {1500, 1150, "inner"},                         // the label's top edge belongs to it
      {1500, 1499, "inner"}, {1500, 1500, "label"},  // below the box the contained label is cut off
      {999, 1200, "label"},  // beside the box: the transparent label still receives it
      {600, 600, "label"},   {100, 100, "back"},      // the hidden label is passed over
      {2999, 2999, "back"},  {3000, 100, "nothing"},  // right and bottom edges are outside
      {-1, 100, "nothing"},
  };
  for (const Case& c : cases) EXPECT_EQ(At(c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST_F(WindowTest, PassesMoveCoordinatesInTheReceivingControl) {
  std::vector<MouseArgs> moves;
  inner->on_mouse_move = [&](Control&, const MouseArgs& a) { moves.push_back(a); };
  window.MouseMove(1250, 1300, 1, 2);
  ASSERT_EQ(moves.size(), 1U);
  EXPECT_EQ(moves[0].x, 250);
  EXPECT_EQ(moves[0].y, 150);
  EXPECT_EQ(moves[0].button, 1);
  EXPECT_EQ(moves[0].shift, 2);
}

TEST_F(WindowTest, ClicksOnlyWhenPressAndReleaseHitTheSameControl) {
  int inner_clicks = 0;
  int label_clicks = 0;
  inner->on_click = [&](Control&) { ++inner_clicks; };
  label->on_click = [&](Control&) { ++label_clicks; };
  window.Click(1500, 1200);
  window.MouseDown(1500, 1200);
  window.MouseUp(1500, 1490);  // still the inner label
  window.MouseDown(1500, 1200);
  window.MouseUp(600, 600);  // released elsewhere: no click anywhere
  window.MouseUp(600, 600);  // a release without a press
  EXPECT_EQ(inner_clicks, 2);
  EXPECT_EQ(label_clicks, 0);
}

TEST_F(WindowTest, AnErrorLeavingAHandlerIsDroppedAndTheWindowGoesOn) {
  int later = 0;
  label->on_click = [](Control&) { throw Failure("broken"); };
  back->on_click = [](Control&) { throw std::runtime_error("worse"); };
  box->on_click = [](Control&) { throw 42; };  // not even an exception class
  window.on_key_down = [&](std::int16_t&, std::int16_t) { ++later; };
  EXPECT_NO_THROW(window.Click(600, 600));
  EXPECT_NO_THROW(window.Click(100, 100));
  EXPECT_NO_THROW(window.Click(1500, 1100));
  window.KeyDown(13);
  EXPECT_EQ(later, 1);
}

TEST_F(WindowTest, IgnoresEveryEventOnceUnloaded) {
  int events = 0;
  window.on_key_down = [&](std::int16_t&, std::int16_t) { ++events; };
  label->on_click = [&](Control&) { ++events; };
  window.Unload();
  window.KeyDown(13);
  window.Click(600, 600);
  EXPECT_TRUE(window.unloaded());
  EXPECT_EQ(events, 0);
}

TEST_F(WindowTest, RepaintsOnlyWhatChangedAndOnlyWhereItIsSeen) {
  label->SetCaption("x");
  EXPECT_EQ(window.TakeDamage(), (std::vector<Rect>{{500, 500, 2000, 2000}}));
  label->SetCaption("x");
  label->SetFontUnderline(false);
  EXPECT_TRUE(window.TakeDamage().empty()) << "an unchanged value repaints nothing";
  hidden->SetCaption("y");
  EXPECT_TRUE(window.TakeDamage().empty()) << "a hidden control repaints nothing";
  inner->SetCaption("z");  // seen only where the box shows it
  EXPECT_EQ(window.TakeDamage(), (std::vector<Rect>{{1000, 1150, 1000, 350}}));
  box->SetTop(800);  // the area it leaves and the area it takes, merged where they overlap
  EXPECT_EQ(window.TakeDamage(), (std::vector<Rect>{{1000, 800, 1000, 700}}));
  box->SetTop(2500);  // apart, they stay apart
  EXPECT_EQ(window.TakeDamage(),
            (std::vector<Rect>{{1000, 800, 1000, 500}, {1000, 2500, 1000, 500}}));
}

TEST_F(WindowTest, SizesLabelsAndPicturesThatFitTheirContent) {
  label->SetAutoSize(true);
  label->SetFont({"黑体", 9, true, false, 134});
  label->SetCaption("服务热线：0123");
  EXPECT_EQ(label->width(), 5 * 180 + 4 * 90);
  EXPECT_EQ(label->height(), 180);
  label->SetCaption("");
  EXPECT_EQ(label->width(), 0);
  EXPECT_EQ(label->height(), 180);

  auto picture = std::make_shared<const Picture>(Picture{"p", 19, 18});
  box->SetPicture(picture);
  EXPECT_EQ(box->width(), 1000) << "a box without automatic sizing keeps its size";
  box->SetAutoSize(true);
  EXPECT_EQ(box->width(), 285);
  EXPECT_EQ(box->height(), 270);

  back->SetStretch(true);
  back->SetPicture(picture);
  EXPECT_EQ(back->width(), 3000) << "a stretched image keeps its size";
  back->SetStretch(false);
  EXPECT_EQ(back->width(), 285);
}

TEST_F(WindowTest, ChoosesTheCursorOfTheControlUnderThePointer) {
  auto hand = std::make_shared<const Cursor>(Cursor{"hand", 32, 32, 0, 0});
  inner->SetMousePointer(MousePointer::Custom);
  inner->SetMouseIcon(hand);
  label->SetMousePointer(MousePointer::Custom);  // custom without a cursor: the arrow
  box->SetMousePointer(MousePointer::ArrowQuestion);
  EXPECT_EQ(window.CursorAt(1500, 1200).shape, MousePointer::Custom);
  EXPECT_EQ(window.CursorAt(1500, 1200).custom, hand);
  EXPECT_EQ(window.CursorAt(1500, 1100).shape, MousePointer::ArrowQuestion);
  EXPECT_EQ(window.CursorAt(600, 600).shape, MousePointer::Arrow);
  EXPECT_EQ(window.CursorAt(100, 100).shape, MousePointer::Arrow);
}

TEST(ControlArray, GivesElementsByIndexAndFailsPastTheEnd) {
  DeterministicTextMetrics metrics;
  Window window(metrics);
  ControlArray array("pcb");
  array.Append(window.Add(ControlKind::PictureBox, "pcb", 0));
  array.Append(window.Add(ControlKind::PictureBox, "pcb", 1));
  EXPECT_EQ(array.Count(), 2);
  EXPECT_EQ(array(1).DisplayName(), "pcb(1)");
  EXPECT_THROW(array(2), Failure);
  EXPECT_THROW(array(-1), Failure);
}

}  // namespace
}  // namespace n5::form

namespace n5::form {
namespace {

TEST_F(WindowTest, PaintsBackToFrontWithPictureBoxesInFrontOfTheirContainersLabels) {
  std::vector<std::string> names;
  for (const Control* c : window.PaintOrder()) names.push_back(c->name());
  EXPECT_EQ(names, (std::vector<std::string>{"back", "label", "box", "inner"}));
}

}  // namespace
}  // namespace n5::form

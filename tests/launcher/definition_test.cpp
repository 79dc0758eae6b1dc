// The launcher window as its definition builds it, before anything runs.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/launcher_fixture.h"

namespace n5 {
namespace {

using testing::LauncherTest;

TEST_F(LauncherTest, ListsTheControlsFrontToBackWithTheirKindsAndContainers) {
  Build();
  struct Expected {
    const char* name;
    form::ControlKind kind;
    const char* container;
    bool visible;
  } expected[] = {
      {"pcb(4)", form::ControlKind::PictureBox, "", true},
      {"lbl_pcbText(4)", form::ControlKind::Label, "pcb(4)", true},
      {"Pic_MouseIcon", form::ControlKind::PictureBox, "", false},
      {"pic_help", form::ControlKind::PictureBox, "", false},
      {"pcb(3)", form::ControlKind::PictureBox, "", true},
      {"lbl_pcbText(3)", form::ControlKind::Label, "pcb(3)", true},
      {"pcb(2)", form::ControlKind::PictureBox, "", true},
      {"lbl_pcbText(2)", form::ControlKind::Label, "pcb(2)", true},
      {"pcb(1)", form::ControlKind::PictureBox, "", true},
      {"lbl_pcbText(1)", form::ControlKind::Label, "pcb(1)", true},
      {"pcb(0)", form::ControlKind::PictureBox, "", true},
      {"lbl_pcbText(0)", form::ControlKind::Label, "pcb(0)", true},
      {"lbl_ShowWelcome", form::ControlKind::Label, "", false},
      {"lblShowInfo", form::ControlKind::Label, "", true},
      {"lbl_tel", form::ControlKind::Label, "", true},
      {"lbl_www", form::ControlKind::Label, "", true},
      {"Image_Normal", form::ControlKind::Image, "", false},
      {"Image_Hover", form::ControlKind::Image, "", false},
      {"Image_Bg", form::ControlKind::Image, "", true},
  };
  const auto& controls = window().controls();
  ASSERT_EQ(controls.size(), std::size(expected));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const form::Control& c = *controls[i];
    EXPECT_EQ(c.DisplayName(), expected[i].name) << i;
    EXPECT_EQ(c.kind(), expected[i].kind) << expected[i].name;
    EXPECT_EQ(c.container() ? c.container()->DisplayName() : "", expected[i].container);
    EXPECT_EQ(c.visible(), expected[i].visible) << expected[i].name;
  }
}

TEST_F(LauncherTest, GivesEveryControlItsDesignedPlaceAndLook) {
  Build();
  frmSplash& f = form();
  struct Case {
    const form::Control* control;
    float left, top, width, height;
  } cases[] = {
      {&f.pcb(4), 600, 4200, 2115, 510},         {&f.lbl_pcbText(4), 0, 120, 2505, 240},
      {&f.Pic_MouseIcon, 4320, 3600, 2985, 255}, {&f.pic_help, 360, 5400, 285, 270},
      {&f.lbl_pcbText(2), 120, 360, 2505, 240},  {&f.lbl_pcbText(1), 120, 120, 2505, 240},
      {&f.lbl_pcbText(0), 0, 120, 2505, 240},    {&f.lblShowInfo, 3840, 960, 3600, 2250},
      {&f.Image_Normal, 3840, 4080, 2715, 510},  {&f.Image_Hover, 4680, 4680, 2475, 510},
      {&f.Image_Bg, 0, 0, 7530, 5805},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.control->left(), c.left) << c.control->DisplayName();
    EXPECT_EQ(c.control->top(), c.top) << c.control->DisplayName();
    EXPECT_EQ(c.control->width(), c.width) << c.control->DisplayName();
    EXPECT_EQ(c.control->height(), c.height) << c.control->DisplayName();
  }
  // Designed fonts and colours that start-up replaces.
  EXPECT_EQ(f.lbl_pcbText(0).font(), (form::Font{"宋体", 12, false, false, 134}));
  EXPECT_EQ(f.lbl_pcbText(0).fore_color(), (form::Color{0, 0, 128}));
  EXPECT_EQ(f.lbl_pcbText(0).mouse_pointer(), form::MousePointer::Default);
  EXPECT_EQ(f.lbl_pcbText(3).font(), (form::Font{"黑体", 12, false, false, 134}));
  EXPECT_EQ(f.lbl_pcbText(3).mouse_pointer(), form::MousePointer::Custom);
  EXPECT_EQ(f.lbl_pcbText(3).mouse_icon()->role, "colour_hand");
  EXPECT_EQ(f.lbl_pcbText(3).mouse_icon()->hotspot_x, 13);
  EXPECT_EQ(f.lbl_pcbText(3).mouse_icon()->hotspot_y, 5);
  EXPECT_EQ(f.lbl_tel.font(), (form::Font{"宋体", 9, true, false, 134}));
  EXPECT_EQ(f.pcb(2).font(), (form::Font{"MS Sans Serif", 8.25F, false, false, 0}));
  EXPECT_EQ(f.pic_help.mouse_pointer(), form::MousePointer::ArrowQuestion);
  EXPECT_EQ(window().font(), (form::Font{"宋体", 10.5F, true, false, 0}));
  EXPECT_TRUE(window().key_preview());
  // The pictures' roles and sizes.
  EXPECT_EQ(f.Image_Bg.picture()->width, 502);
  EXPECT_EQ(f.Image_Bg.picture()->height, 387);
  EXPECT_EQ(f.Image_Hover.picture()->role, "hover");
  EXPECT_EQ(f.Image_Normal.picture()->width, 165);
  EXPECT_EQ(f.pic_help.picture()->role, "help");
  EXPECT_EQ(window().icon()->width, 32);
}

}  // namespace
}  // namespace n5

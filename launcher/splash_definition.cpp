#include "launcher/splash_definition.h"

#include <memory>
#include <string>
#include <vector>

namespace n5 {
namespace {

using form::Alignment;
using form::Color;
using form::Control;
using form::ControlKind;
using form::Font;
using form::MousePointer;

// The system colours the designer chose, as Windows has them by default.
constexpr Color kWindowBackground{255, 255, 255};
constexpr Color kWindowText{0, 0, 0};
constexpr Color kActiveTitleText{255, 255, 255};
constexpr Color kNavy{0, 0, 128};
constexpr Color kBlack{0, 0, 0};

constexpr int kGb2312 = 134;

const Font kWindowFont{"宋体", 10.5F, true, false, 0};
const Font kButtonFont{"MS Sans Serif", 8.25F, false, false, 0};
const Font kFooterFont{"宋体", 9, true, false, kGb2312};

form::PictureRef MakePicture(const char* role, int width, int height) {
  return std::make_shared<const form::Picture>(form::Picture{role, width, height});
}

void Place(Control& c, float left, float top, float width, float height) {
  c.SetLeft(left);
  c.SetTop(top);
  c.SetWidth(width);
  c.SetHeight(height);
}

// The properties every transparent, centred, self-sizing label of the footer shares.
Control& AddCentredLabel(form::Window& w, const char* name, const SplashResources& r) {
  Control& c = w.Add(ControlKind::Label, name);
  c.SetAlignment(Alignment::Center);
  c.SetTransparent(true);
  c.SetAppearance(0);
  c.SetMouseIcon(r.colour_hand);
  return c;
}

}  // namespace

SplashResources MakeSplashResources() {
  SplashResources r;
  r.background = MakePicture("background", 502, 387);
  r.normal = MakePicture("normal", 165, 34);
  r.hover = MakePicture("hover", 165, 34);
  r.designed = MakePicture("designed", 165, 34);
  r.help = MakePicture("help", 19, 18);
  r.banner = MakePicture("banner", 199, 17);
  r.icon = MakePicture("icon", 32, 32);
  r.hand = std::make_shared<const form::Cursor>(form::Cursor{"hand", 32, 32, 0, 0});
  r.colour_hand = std::make_shared<const form::Cursor>(form::Cursor{"colour_hand", 32, 32, 13, 5});
  return r;
}

SplashControls BuildSplashWindow(form::Window& w, const SplashResources& r, int menu_item_count) {
  SplashControls s;

  w.SetCaption("N5-企业管理软件");
  w.SetSize(7530, 5805);
  w.SetKeyPreview(true);
  w.SetFont(kWindowFont);
  w.SetMousePointer(MousePointer::Custom);
  w.SetIcon(r.icon);

  std::vector<Control*> buttons(static_cast<std::size_t>(menu_item_count));
  std::vector<Control*> captions(static_cast<std::size_t>(menu_item_count));
  auto add_item = [&](int i) {
    Control& pcb = w.Add(ControlKind::PictureBox, "pcb", i);
    Place(pcb, 600, 1800 + 600.0F * static_cast<float>(i), 2115, 510);
    pcb.SetBorderStyle(0);
    pcb.SetAppearance(1);
    pcb.SetAutoSize(false);
    pcb.SetFont(kButtonFont);
    pcb.SetPicture(r.designed);
    pcb.SetTabIndex(i < 4 ? 2 * i : 10 + 2 * i);

    Control& label = w.Add(ControlKind::Label, "lbl_pcbText", i, &pcb);
    // As designed, items 1 and 2 stand 8 pixels in from their buttons' edge; the others not.
    float left = (i == 1 || i == 2) ? 120 : 0;
    float top = i == 2 ? 360 : 120;
    Place(label, left, top, 2505, 240);
    label.SetAlignment(Alignment::Center);
    label.SetTransparent(true);
    label.SetAppearance(0);
    bool first = i == 0;
    label.SetFont({first ? "宋体" : "黑体", 12, false, false, kGb2312});
    label.SetForeColor(first ? kNavy : kBlack);
    label.SetMousePointer(first ? MousePointer::Default : MousePointer::Custom);
    label.SetMouseIcon(r.colour_hand);
    label.SetTabIndex(i < 4 ? 2 * i + 1 : 11 + 2 * i);

    buttons[static_cast<std::size_t>(i)] = &pcb;
    captions[static_cast<std::size_t>(i)] = &label;
  };

  // Front to back: the last menu item, the two hidden picture boxes, the other items upwards.
  int last = menu_item_count - 1;
  add_item(last);

  Control& holder = w.Add(ControlKind::PictureBox, "Pic_MouseIcon");
  Place(holder, 4320, 3600, 2985, 255);
  holder.SetVisible(false);
  holder.SetMousePointer(MousePointer::Custom);
  holder.SetMouseIcon(r.hand);
  holder.SetPicture(r.banner);
  holder.SetAutoSize(true);
  holder.SetBorderStyle(0);
  holder.SetAppearance(0);
  holder.SetBackColor(kActiveTitleText);
  holder.SetForeColor(kWindowText);
  holder.SetFont(kWindowFont);
  holder.SetTabIndex(13);
  s.Pic_MouseIcon = &holder;

  Control& help = w.Add(ControlKind::PictureBox, "pic_help");
  Place(help, 360, 5400, 285, 270);
  help.SetVisible(false);
  help.SetPicture(r.help);
  help.SetAutoSize(true);
  help.SetBorderStyle(0);
  help.SetAppearance(0);
  help.SetMousePointer(MousePointer::ArrowQuestion);
  help.SetBackColor(kWindowBackground);
  help.SetForeColor(kWindowText);
  help.SetFont(kWindowFont);
  help.SetTabIndex(10);
  s.pic_help = &help;

  for (int i = last - 1; i >= 0; --i) add_item(i);
  for (int i = 0; i < menu_item_count; ++i) {
    s.pcb.Append(*buttons[static_cast<std::size_t>(i)]);
    s.lbl_pcbText.Append(*captions[static_cast<std::size_t>(i)]);
  }

  Control& welcome = AddCentredLabel(w, "lbl_ShowWelcome", r);
  Place(welcome, 90, 1320, 3075, 210);
  welcome.SetVisible(false);
  welcome.SetFont({"宋体", 10.5F, true, false, kGb2312});
  welcome.SetForeColor(kNavy);
  welcome.SetCaption("欢迎使用【N5-企业管理软件】");
  welcome.SetAutoSize(true);
  welcome.SetTabIndex(12);
  s.lbl_ShowWelcome = &welcome;

  Control& info = w.Add(ControlKind::Label, "lblShowInfo");
  Place(info, 3840, 960, 3600, 2250);
  info.SetCaption("lblShowInfo");
  info.SetAlignment(Alignment::Left);
  info.SetTransparent(true);
  info.SetAppearance(0);
  info.SetFont(kWindowFont);
  info.SetForeColor(kWindowText);
  info.SetTabIndex(11);
  s.lblShowInfo = &info;

  Control& tel = AddCentredLabel(w, "lbl_tel", r);
  Place(tel, 4260, 5400, 2265, 180);
  tel.SetFont(kFooterFont);
  tel.SetForeColor(kNavy);
  tel.SetCaption(kDesignedHotline);
  tel.SetAutoSize(true);
  tel.SetTabIndex(9);
  s.lbl_tel = &tel;

  Control& www = AddCentredLabel(w, "lbl_www", r);
  Place(www, 1545, 5520, 1605, 180);
  www.SetFont(kFooterFont);
  www.SetForeColor(kNavy);
  www.SetCaption(kDesignedWebAddress);
  www.SetAutoSize(true);
  www.SetTabIndex(8);
  s.lbl_www = &www;

  Control& normal = w.Add(ControlKind::Image, "Image_Normal");
  Place(normal, 3840, 4080, 2715, 510);
  normal.SetVisible(false);
  normal.SetStretch(true);
  normal.SetPicture(r.normal);
  s.Image_Normal = &normal;

  Control& hover = w.Add(ControlKind::Image, "Image_Hover");
  Place(hover, 4680, 4680, 2475, 510);
  hover.SetVisible(false);
  hover.SetStretch(false);
  hover.SetPicture(r.hover);
  s.Image_Hover = &hover;

  Control& bg = w.Add(ControlKind::Image, "Image_Bg");
  Place(bg, 0, 0, 7530, 5805);
  bg.SetStretch(true);
  bg.SetPicture(r.background);
  s.Image_Bg = &bg;

  return s;
}

}  // namespace n5

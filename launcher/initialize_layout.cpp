// The start-up layout: runs once, inside the window's Load event, before the window is first
// shown. Each statement is one unit that is abandoned without a word if it fails; the next
// one runs. The order matters wherever a statement reads a size that an earlier one changed.

#include <array>

#include "form/checked_math.h"
#include "form/failure.h"
#include "launcher/frm_splash.h"

namespace n5 {
namespace {

constexpr form::Color kCaptionColour{12, 32, 76};
constexpr form::Color kWhite{255, 255, 255};
constexpr form::Color kBlack{0, 0, 0};

constexpr float kWelcomeToMenu = 375;  // bottom of the welcome line to the first button
constexpr float kCaptionTop = 150;     // caption label inside its button
constexpr float kHelpMargin = 150;     // help icon's bottom to the window's bottom

}  // namespace

void frmSplash::InitializeLayout() {
  auto unit = [](auto&& statement) { SkipOnFailure(statement); };

  unit([&] { SelectedIndex = NoSelection; });
  unit([&] { window_.SetCaption(LoadText(texts_, 114)); });

  // The background starts at the window's corner, so pointer positions over it are window
  // coordinates.
  unit([&] { Image_Bg.SetTop(0); });
  unit([&] { Image_Bg.SetLeft(0); });

  unit([&] { MenuLeft = 362; });
  unit([&] { MenuTop = 1800; });
  unit([&] { ItemGap = 75; });
  unit([&] { InfoGap = 825; });
  unit([&] { FooterGap = 300; });

  // The welcome line ends 375 twips above the first button, measured with its designed font.
  unit([&] { lbl_ShowWelcome.SetCaption(LoadText(texts_, 101)); });
  unit([&] { lbl_ShowWelcome.SetLeft(MenuLeft); });
  unit([&] {
    float above_menu = Sub16(MenuTop, static_cast<std::int16_t>(kWelcomeToMenu));
    lbl_ShowWelcome.SetTop(SubSingle(above_menu, lbl_ShowWelcome.height()));
  });

  unit([&] { pcb(0).SetLeft(MenuLeft); });
  unit([&] { pcb(0).SetTop(MenuTop); });
  unit([&] { pcb(0).SetPicture(Image_Normal.picture()); });

  // Each button stands ItemGap below the one above it, as that one stands now.
  std::int16_t last_button = 0;
  bool have_buttons = false;
  unit([&] {
    last_button = Sub16(pcb.Count(), 1);
    have_buttons = true;
  });
  if (have_buttons) {
    for (std::int16_t i = 1; i <= last_button;) {
      unit([&] { pcb(i).SetLeft(MenuLeft); });
      unit([&] {
        form::Control& above = pcb(Sub16(i, 1));
        pcb(i).SetTop(AddSingle(AddSingle(above.top(), above.height()), ItemGap));
      });
      unit([&] { pcb(i).SetAppearance(pcb(Sub16(i, 1)).appearance()); });
      unit([&] { pcb(i).SetBorderStyle(pcb(Sub16(i, 1)).border_style()); });
      unit([&] { pcb(i).SetPicture(Image_Normal.picture()); });
      if (i == last_button) break;
      i = Add16(i, 1);
    }
  }

  // Each caption label spans its button and starts 150 twips below the button's top.
  std::int16_t last_caption = 0;
  bool have_captions = false;
  unit([&] {
    last_caption = Sub16(lbl_pcbText.Count(), 1);
    have_captions = true;
  });
  if (have_captions) {
    for (std::int16_t i = 0; i <= last_caption;) {
      unit([&] { lbl_pcbText(i).SetLeft(0); });
      unit([&] { lbl_pcbText(i).SetTop(kCaptionTop); });
      unit([&] { lbl_pcbText(i).SetHeight(pcb(i).height()); });
      unit([&] { lbl_pcbText(i).SetWidth(pcb(i).width()); });
      unit([&] { lbl_pcbText(i).SetFontFace("黑体"); });
      unit([&] { lbl_pcbText(i).SetFontSize(11); });
      unit([&] { lbl_pcbText(i).SetForeColor(kCaptionColour); });
      unit([&] { lbl_pcbText(i).SetMousePointer(form::MousePointer::Custom); });
      unit([&] { lbl_pcbText(i).SetMouseIcon(Pic_MouseIcon.mouse_icon()); });
      if (i == last_caption) break;
      i = Add16(i, 1);
    }
  }

  // The item captions: a text that cannot be found leaves its holder, and so its caption, empty.
  std::array<std::string, 5> holders;
  for (std::size_t k = 0; k < holders.size(); ++k) {
    unit([&] { holders[k] = LoadText(texts_, static_cast<int>(102 + k)); });
  }
  for (std::size_t k = 0; k < holders.size(); ++k) {
    unit([&] { lbl_pcbText(static_cast<int>(k)).SetCaption(holders[k]); });
  }

  unit([&] { lblShowInfo.SetFontFace("黑体"); });
  unit([&] { lblShowInfo.SetFontSize(10); });
  unit([&] { lblShowInfo.SetFontBold(true); });
  unit([&] { lblShowInfo.SetForeColor(kWhite); });
  unit([&] { lblShowInfo.SetTop(MenuTop); });
  unit([&] { lblShowInfo.SetLeft(AddSingle(AddSingle(MenuLeft, pcb(0).width()), InfoGap)); });
  unit([&] { lblShowInfo.SetCaption(""); });

  // The welcome line's top was computed with its designed font and stays where it is.
  unit([&] { lbl_ShowWelcome.SetFontFace("黑体"); });
  unit([&] { lbl_ShowWelcome.SetFontSize(11); });
  unit([&] { lbl_ShowWelcome.SetForeColor(kBlack); });

  unit([&] { lbl_tel.SetCaption(LoadText(texts_, 107)); });
  unit([&] { lbl_www.SetCaption(kWebAddressUrl); });

  unit([&] { lbl_tel.SetFontFace("黑体"); });
  unit([&] { lbl_tel.SetFontSize(9); });
  unit([&] { lbl_tel.SetFontBold(false); });
  unit([&] { lbl_tel.SetForeColor(kBlack); });

  unit([&] { lbl_www.SetFontFace("Arail"); });
  unit([&] { lbl_www.SetFontSize(8); });
  unit([&] { lbl_www.SetFontBold(false); });
  unit([&] { lbl_www.SetForeColor(kBlack); });
  unit([&] { lbl_www.SetMousePointer(form::MousePointer::Custom); });
  unit([&] { lbl_www.SetMouseIcon(Pic_MouseIcon.mouse_icon()); });

  unit([&] { pic_help.SetAutoSize(true); });

  // The footer: the web address, a gap and the hotline, centred as one row, with the help icon
  // ending 150 twips above the window's bottom edge.
  unit([&] {
    FooterTop =
        RoundToInt16(SubSingle(window_.height(), AddSingle(pic_help.height(), kHelpMargin)));
  });
  unit([&] {
    float row = AddSingle(AddSingle(lbl_www.width(), lbl_tel.width()), FooterGap);
    FooterLeft = RoundToInt16(SubSingle(window_.width(), row) / 2);
  });

  unit([&] { lbl_www.SetTop(FooterTop); });
  unit([&] { lbl_www.SetLeft(FooterLeft); });
  unit([&] { lbl_tel.SetTop(FooterTop); });
  unit([&] { lbl_tel.SetLeft(AddSingle(AddSingle(FooterLeft, lbl_www.width()), FooterGap)); });
  unit([&] { pic_help.SetTop(FooterTop); });
  unit([&] { pic_help.SetLeft(pcb(0).left()); });

  // The descriptions; entry 2 takes text 112 and entry 3 takes text 110.
  unit([&] { ItemInfoText.assign(5, std::string()); });
  constexpr std::array<int, 5> kDescriptionIds = {108, 109, 112, 110, 111};
  for (std::size_t entry = 0; entry < kDescriptionIds.size(); ++entry) {
    unit([&] {
      if (entry >= ItemInfoText.size()) throw Failure("Subscript out of range");
      ItemInfoText[entry] = LoadText(texts_, kDescriptionIds[entry]);
    });
  }
}

}  // namespace n5

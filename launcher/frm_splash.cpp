#include "launcher/frm_splash.h"

#include "form/failure.h"

namespace n5 {

frmSplash::frmSplash(form::TextMetrics& metrics, const TextSource& texts,
                     platform::Platform& platform, int menu_item_count)
    : window_(metrics),
      resources_(MakeSplashResources()),
      controls_(BuildSplashWindow(window_, resources_, menu_item_count)),
      texts_(texts),
      platform_(platform),
      pcb(controls_.pcb),
      lbl_pcbText(controls_.lbl_pcbText),
      Pic_MouseIcon(*controls_.Pic_MouseIcon),
      pic_help(*controls_.pic_help),
      lbl_ShowWelcome(*controls_.lbl_ShowWelcome),
      lblShowInfo(*controls_.lblShowInfo),
      lbl_tel(*controls_.lbl_tel),
      lbl_www(*controls_.lbl_www),
      Image_Normal(*controls_.Image_Normal),
      Image_Hover(*controls_.Image_Hover),
      Image_Bg(*controls_.Image_Bg) {
  BindHandlers();
}

void frmSplash::BindHandlers() {
  window_.on_load = [this] { Form_Load(); };
  window_.on_key_down = [this](std::int16_t& key, std::int16_t shift) { Form_KeyDown(key, shift); };
  Image_Bg.on_mouse_move = [this](form::Control&, const form::MouseArgs& a) {
    Image_Bg_MouseMove(a.button, a.shift, a.x, a.y);
  };
  for (std::int16_t i = 0; i < lbl_pcbText.Count(); ++i) {
    form::Control& caption = lbl_pcbText(i);
    caption.on_click = [this](form::Control& c) {
      lbl_pcbText_Click(static_cast<std::int16_t>(c.index()));
    };
    caption.on_mouse_move = [this](form::Control& c, const form::MouseArgs& a) {
      lbl_pcbText_MouseMove(static_cast<std::int16_t>(c.index()), a.button, a.shift, a.x, a.y);
    };
  }
  lbl_www.on_click = [this](form::Control&) { lbl_www_Click(); };
  lbl_www.on_mouse_move = [this](form::Control&, const form::MouseArgs& a) {
    lbl_www_MouseMove(a.button, a.shift, a.x, a.y);
  };
  pic_help.on_click = [this](form::Control&) { pic_help_Click(); };
}

const std::string& frmSplash::ItemInfo(std::int16_t index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= ItemInfoText.size()) {
    throw Failure("Subscript out of range");
  }
  return ItemInfoText[static_cast<std::size_t>(index)];
}

void frmSplash::Form_Load() {
  InitializeLayout();
}

}  // namespace n5

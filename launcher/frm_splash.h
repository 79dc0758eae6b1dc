#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "form/control_array.h"
#include "form/text_metrics.h"
#include "form/window.h"
#include "launcher/splash_definition.h"
#include "launcher/text_table.h"
#include "platform/platform.h"

namespace n5 {

// The launcher window: its controls, its state, its event handlers and the procedures behind
// them. The window definition builds the controls; InitializeLayout lays them out at Load;
// the navigation procedures keep the highlight; the actions start what the items stand for.
//
// Handlers are thin: each calls one procedure or unloads the window. Every procedure says how
// it treats a failure: skip the statement (SkipOnFailure), show a message box, or let it pass.
class frmSplash {
 public:
  // The value of SelectedIndex when no item is highlighted.
  static constexpr std::int16_t NoSelection = 20;
  // Booleans passed between procedures.
  static constexpr std::int16_t True = -1;
  static constexpr std::int16_t False = 0;

  frmSplash(form::TextMetrics& metrics, const TextSource& texts, platform::Platform& platform,
            int menu_item_count = 5);
  frmSplash(const frmSplash&) = delete;
  frmSplash& operator=(const frmSplash&) = delete;

  form::Window& window() { return window_; }
  const SplashResources& resources() const { return resources_; }

 private:
  form::Window window_;
  SplashResources resources_;
  SplashControls controls_;
  const TextSource& texts_;
  platform::Platform& platform_;

 public:
  // The controls, by their names.
  form::ControlArray& pcb;
  form::ControlArray& lbl_pcbText;
  form::Control& Pic_MouseIcon;
  form::Control& pic_help;
  form::Control& lbl_ShowWelcome;
  form::Control& lblShowInfo;
  form::Control& lbl_tel;
  form::Control& lbl_www;
  form::Control& Image_Normal;
  form::Control& Image_Hover;
  form::Control& Image_Bg;

  // The highlighted menu item, or NoSelection.
  std::int16_t SelectedIndex = 0;
  // The description of each menu item; holds no entries until start-up creates them.
  std::vector<std::string> ItemInfoText;

  // Layout constants, set at start-up, and the footer position computed from them.
  std::int16_t MenuLeft = 0;
  std::int16_t MenuTop = 0;
  std::int16_t ItemGap = 0;
  std::int16_t InfoGap = 0;
  std::int16_t FooterGap = 0;
  std::int16_t FooterTop = 0;
  std::int16_t FooterLeft = 0;

  // Event handlers, bound to their controls by the constructor.
  void Form_Load();
  void Form_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
  void Image_Bg_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void lbl_pcbText_Click(std::int16_t Index);
  void lbl_pcbText_MouseMove(std::int16_t Index, std::int16_t Button, std::int16_t Shift, float X,
                             float Y);
  void lbl_www_Click();
  void lbl_www_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void pic_help_Click();

  // Start-up layout (launcher/initialize_layout.cpp).
  void InitializeLayout();
  // Selection and highlight (navigation/selection.cpp).
  void HighlightItem(std::int16_t index, std::int16_t on);
  void SelectPreviousItem();
  void SelectNextItem();
  // Actions (actions/).
  void RunMenuItem(std::int16_t index);
  void OpenHelpDocument();
  void OpenWebAddress(const std::string& url);

  // The element count of pcb: the number of menu items, never stored.
  std::int16_t MenuItemCount() const { return pcb.Count(); }

 private:
  // ItemInfoText(index), tested against the array's bounds.
  const std::string& ItemInfo(std::int16_t index) const;
  void BindHandlers();
};

}  // namespace n5

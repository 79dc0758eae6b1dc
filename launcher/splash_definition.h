#pragma once

#include "form/control_array.h"
#include "form/types.h"
#include "form/window.h"

namespace n5 {

// The pictures, cursors and icon that come with the launcher window, known to the front ends
// by role. The window's own backdrop lies wholly behind the background and is not carried.
struct SplashResources {
  form::PictureRef background;  // 502 x 387
  form::PictureRef normal;      // 165 x 34, buttons that are not highlighted
  form::PictureRef hover;       // 165 x 34, the highlighted button
  form::PictureRef designed;    // 165 x 34, the buttons' picture before start-up
  form::PictureRef help;        // 19 x 18
  form::PictureRef banner;      // 199 x 17, held by the cursor holder, never shown
  form::PictureRef icon;        // 32 x 32 program icon
  form::CursorRef hand;         // 32 x 32 monochrome hand, hot spot 0, 0
  form::CursorRef colour_hand;  // 32 x 32 grey hand, hot spot 13, 5
};

SplashResources MakeSplashResources();

// The controls of the launcher window, by their names.
struct SplashControls {
  form::ControlArray pcb{"pcb"};
  form::ControlArray lbl_pcbText{"lbl_pcbText"};
  form::Control* Pic_MouseIcon = nullptr;
  form::Control* pic_help = nullptr;
  form::Control* lbl_ShowWelcome = nullptr;
  form::Control* lblShowInfo = nullptr;
  form::Control* lbl_tel = nullptr;
  form::Control* lbl_www = nullptr;
  form::Control* Image_Normal = nullptr;
  form::Control* Image_Hover = nullptr;
  form::Control* Image_Bg = nullptr;
};

// The maker's web address: as designed, and as start-up writes it (a full URL).
inline constexpr const char* kDesignedWebAddress = "www.n5-erp.example";
inline constexpr const char* kWebAddressUrl = "http://www.n5-erp.example";
// The hotline line as designed; start-up replaces it with the text table's.
inline constexpr const char* kDesignedHotline = "服务热线：0123 456 789";

// Builds the launcher window with its designed values: the window's own properties, then
// every control from front to back. The window has menu_item_count menu items (five as
// designed; other counts exist for tests). Binds no handler.
SplashControls BuildSplashWindow(form::Window& window, const SplashResources& resources,
                                 int menu_item_count = 5);

}  // namespace n5

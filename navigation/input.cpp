// The keyboard and the clickable labels. The keyboard gives the same menu as the mouse: Up
// and Down move the highlight, Enter runs the highlighted item, F1 opens the help document,
// and X, Esc and Ctrl+Break close the window.

#include "form/failure.h"
#include "launcher/frm_splash.h"

namespace n5 {
namespace {

// Windows virtual-key codes, as the window delivers them.
constexpr std::int16_t kKeyCancel = 3;  // Ctrl+Break
constexpr std::int16_t kKeyReturn = 13;
constexpr std::int16_t kKeyEscape = 27;
constexpr std::int16_t kKeyUp = 38;
constexpr std::int16_t kKeyDown = 40;
constexpr std::int16_t kKeyX = 88;
constexpr std::int16_t kKeyF1 = 112;

}  // namespace

// The modifier mask is never read: Shift+X and Ctrl+X close the window like X.
void frmSplash::Form_KeyDown(std::int16_t& KeyCode, std::int16_t /*Shift*/) {
  const std::int16_t code = KeyCode;
  SkipOnFailure([&] {
    switch (code) {
      case kKeyUp:
        SelectPreviousItem();
        break;
      case kKeyDown:
        SelectNextItem();
        break;
      case kKeyReturn:
        // RunMenuItem gets a copy: Enter leaves the highlight as it is.
        if (SelectedIndex != NoSelection) RunMenuItem(SelectedIndex);
        break;
      case kKeyX:
      case kKeyCancel:
      case kKeyEscape:
        window_.Unload();
        break;
      case kKeyF1:
        OpenHelpDocument();
        break;
      default:
        break;
    }
  });
}

void frmSplash::lbl_pcbText_Click(std::int16_t Index) {
  RunMenuItem(Index);
}

void frmSplash::lbl_www_Click() {
  OpenWebAddress(lbl_www.caption());
}

// Only a movement over the background turns the underline off again.
void frmSplash::lbl_www_MouseMove(std::int16_t /*Button*/, std::int16_t /*Shift*/, float /*X*/,
                                  float /*Y*/) {
  lbl_www.SetFontUnderline(true);
}

void frmSplash::pic_help_Click() {
  SkipOnFailure([&] { OpenHelpDocument(); });
}

}  // namespace n5

// Which menu item is highlighted, and the menu painted to match: the highlighted button shows
// the hover picture, the others the normal one, and the description stands level with the
// highlighted caption. HighlightItem and the two stepping procedures skip a failed statement
// and go on with the next.

#include "form/checked_math.h"
#include "form/failure.h"
#include "launcher/frm_splash.h"

namespace n5 {
namespace {

// Strictly inside on all four edges: a point on an edge is outside.
bool StrictlyInside(const form::Control& c, float x, float y) {
  return c.left() < x && x < AddSingle(c.left(), c.width()) && c.top() < y &&
         y < AddSingle(c.top(), c.height());
}

}  // namespace

void frmSplash::HighlightItem(std::int16_t index, std::int16_t on) {
  auto unit = [](auto&& statement) { SkipOnFailure(statement); };

  if (on != False) {
    unit([&] { SelectedIndex = index; });
    std::int16_t last = -1;
    unit([&] { last = Sub16(pcb.Count(), 1); });
    // Every call paints every button and places the description again.
    for (std::int16_t d = 0; d <= last;) {
      if (d == index) {
        unit([&] { pcb(index).SetPicture(Image_Hover.picture()); });
        unit([&] { lblShowInfo.SetCaption(ItemInfo(d)); });
        unit([&] { lblShowInfo.SetTop(AddSingle(pcb(d).top(), lbl_pcbText(d).top())); });
      } else {
        unit([&] { pcb(d).SetPicture(Image_Normal.picture()); });
      }
      if (d == last) break;
      d = Add16(d, 1);
    }
    return;
  }

  if (SelectedIndex == NoSelection) return;
  unit([&] { pcb(SelectedIndex).SetPicture(Image_Normal.picture()); });
  unit([&] { lblShowInfo.SetCaption(""); });
  unit([&] { lblShowInfo.SetTop(pcb(0).top()); });
  unit([&] { SelectedIndex = NoSelection; });
}

void frmSplash::SelectPreviousItem() {
  SkipOnFailure([&] {
    if (SelectedIndex == NoSelection) {
      SelectedIndex = 0;
    } else if (SelectedIndex == 0) {
      SelectedIndex = Sub16(pcb.Count(), 1);
    } else {
      SelectedIndex = Sub16(SelectedIndex, 1);
    }
  });
  SkipOnFailure([&] { HighlightItem(SelectedIndex, True); });
}

void frmSplash::SelectNextItem() {
  SkipOnFailure([&] {
    // From no selection and from the last item alike, the first item.
    if (SelectedIndex == NoSelection || SelectedIndex == Sub16(pcb.Count(), 1)) {
      SelectedIndex = 0;
    } else {
      SelectedIndex = Add16(SelectedIndex, 1);
    }
  });
  SkipOnFailure([&] { HighlightItem(SelectedIndex, True); });
}

void frmSplash::lbl_pcbText_MouseMove(std::int16_t Index, std::int16_t /*Button*/,
                                      std::int16_t /*Shift*/, float /*X*/, float /*Y*/) {
  HighlightItem(Index, True);
}

// X and Y are window coordinates: the background lies at the window's corner.
void frmSplash::Image_Bg_MouseMove(std::int16_t /*Button*/, std::int16_t /*Shift*/, float X,
                                   float Y) {
  bool hit = false;
  std::int16_t i = 0;
  for (std::int16_t count = pcb.Count(); i < count; i = Add16(i, 1)) {
    if (StrictlyInside(pcb(i), X, Y)) {
      hit = true;
      break;
    }
  }
  // The lowest item under the pointer is highlighted; outside every item, the highlight clears.
  HighlightItem(i, hit ? True : False);
  lbl_www.SetFontUnderline(StrictlyInside(lbl_www, X, Y));
}

}  // namespace n5

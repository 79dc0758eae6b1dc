#include "linux/form_painter.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "assets/embedded_assets.h"
#include "linux/sdl_images.h"
#include "tests/linux/offscreen_launcher.h"

namespace n5::assets {
void PrintTo(const Rgb& c, std::ostream* os) {
  *os << "(" << int{c.r} << "," << int{c.g} << "," << int{c.b} << ")";
}
}  // namespace n5::assets

namespace n5::linux_ui {
namespace {

using assets::ProbePoint;
using assets::Rgb;

class FormPainterTest : public testing::OffscreenLauncherTest {
 protected:
  // The probe of a button's picture, where button `item` shows it.
  Rgb ButtonProbe(int item, const ProbePoint& probe) {
    SDL_Rect r = Placed(splash().pcb(item));
    return At(r.x + probe.x, r.y + probe.y);
  }

  // Which picture each button shows: 'n' normal, 'h' hover, '?' neither.
  std::string Buttons() {
    std::string shown;
    for (int i = 0; i < splash().MenuItemCount(); ++i) {
      if (ButtonProbe(i, assets::kHoverItemProbe) == assets::kHoverItemProbe.colour) {
        shown += 'h';
      } else if (ButtonProbe(i, assets::kNormalItemProbe) == assets::kNormalItemProbe.colour) {
        shown += 'n';
      } else {
        shown += '?';
      }
    }
    return shown;
  }

  // How many pixels in the area (client pixels) show about the colour given: text is
  // smoothed, so few of its pixels have the exact colour.
  int PixelsNear(SDL_Rect area, Rgb colour) {
    int count = 0;
    for (int y = area.y; y < area.y + area.h; ++y) {
      for (int x = area.x; x < area.x + area.w; ++x) {
        Rgb c = At(x, y);
        if (std::abs(c.r - colour.r) + std::abs(c.g - colour.g) + std::abs(c.b - colour.b) <
            kNear) {
          ++count;
        }
      }
    }
    return count;
  }
  int WhitePixels(SDL_Rect area) { return PixelsNear(area, {255, 255, 255}); }

  static constexpr int kNear = 96;

  // The description area right of the menu, as far down as the background's flat part.
  SDL_Rect DescriptionArea() {
    SDL_Rect info = Placed(splash().lblShowInfo);
    SDL_Rect menu = Placed(splash().pcb(0));
    return {info.x, menu.y, info.w, 150};
  }
};

TEST_F(FormPainterTest, DrawsTheBackgroundAndTheNormalButtonsAtStartUp) {
  const ProbePoint& bg = assets::kBackgroundProbe;
  EXPECT_EQ(At(bg.x, bg.y), bg.colour);
  EXPECT_EQ(Buttons(), "nnnnn");
  EXPECT_EQ(WhitePixels(DescriptionArea()), 0);
}

TEST_F(FormPainterTest, ShowsTheHoverPictureAndTheDescriptionOfTheItemUnderThePointer) {
  for (int item = 0; item < 5; ++item) {
    MoveOverCaption(item);
    std::string expected(5, 'n');
    expected[static_cast<std::size_t>(item)] = 'h';
    EXPECT_EQ(Buttons(), expected) << "pointer over caption " << item;
    // The description's first line stands level with the item's caption.
    SDL_Rect caption = Placed(splash().lbl_pcbText(item));
    SDL_Rect info = Placed(splash().lblShowInfo);
    EXPECT_GT(WhitePixels({info.x, caption.y, info.w, 16}), 10) << "item " << item;
  }
  const ProbePoint& bg = assets::kBackgroundProbe;
  MoveTo(bg.x, bg.y);
  EXPECT_EQ(Buttons(), "nnnnn");
  EXPECT_EQ(WhitePixels(DescriptionArea()), 0);
}

TEST_F(FormPainterTest, DrawsCaptionsInTheirColourCutOffAtTheirButtons) {
  SDL_Surface* background = DecodePicture(assets::Bytes(assets::AssetId::Background));
  ASSERT_NE(background, nullptr);
  auto background_at = [&](int x, int y) {
    Uint32 argb = 0;
    std::memcpy(&argb,
                static_cast<const Uint8*>(background->pixels) +
                    static_cast<std::ptrdiff_t>(y) * background->pitch + std::ptrdiff_t{x} * 4,
                sizeof argb);
    return Rgb{static_cast<std::uint8_t>(argb >> 16), static_cast<std::uint8_t>(argb >> 8),
               static_cast<std::uint8_t>(argb)};
  };
  for (int item = 0; item < 5; ++item) {
    SDL_Rect button = Placed(splash().pcb(item));
    form::Color ink = splash().lbl_pcbText(item).fore_color();
    EXPECT_GT(PixelsNear(button, {ink.r, ink.g, ink.b}), 20) << "caption " << item;
    // The rows between two buttons and the column right of them show the background.
    for (int x = button.x; x < button.x + button.w + 3; ++x) {
      int below = button.y + button.h + 1;
      EXPECT_EQ(At(x, below), background_at(x, below)) << x << "," << below;
    }
    for (int y = button.y; y < button.y + button.h; ++y) {
      int right = button.x + button.w;
      EXPECT_EQ(At(right, y), background_at(right, y)) << right << "," << y;
    }
  }
  SDL_FreeSurface(background);
}

TEST_F(FormPainterTest, UnderlinesTheWebAddressWhileThePointerIsOverIt) {
  SDL_Rect www = Placed(splash().lbl_www);
  auto dark_pixels = [&] {
    int dark = 0;
    for (int y = www.y; y < www.y + www.h; ++y) {
      for (int x = www.x; x < www.x + www.w; ++x) {
        Rgb c = At(x, y);
        if (c.r + c.g + c.b < 3 * 96) ++dark;
      }
    }
    return dark;
  };
  int plain = dark_pixels();
  EXPECT_GT(plain, 0);
  MoveTo(www.x + www.w / 2, www.y + www.h / 2);
  int underlined = dark_pixels();
  EXPECT_GE(underlined, plain + www.w / 2);
  const ProbePoint& bg = assets::kBackgroundProbe;
  MoveTo(bg.x, bg.y);
  EXPECT_EQ(dark_pixels(), plain);
}

TEST_F(FormPainterTest, RepaintingOnlyTheDamageGivesWhatAFullRepaintGives) {
  auto snapshot = [&] {
    SDL_Surface* s = SDL_GetWindowSurface(window_);
    const auto* bytes = static_cast<const Uint8*>(s->pixels);
    return std::vector<Uint8>(bytes, bytes + static_cast<std::ptrdiff_t>(s->pitch) * s->h);
  };
  SDL_Rect www = Placed(splash().lbl_www);
  const ProbePoint& bg = assets::kBackgroundProbe;
  struct Step {
    const char* what;
    std::function<void()> act;
  } steps[] = {
      {"caption 2", [&] { MoveOverCaption(2); }},
      {"key down",
       [&] {
         form().KeyDown(40);
         painter_->Repaint(form().TakeDamage());
       }},
      {"caption 0", [&] { MoveOverCaption(0); }},
      {"web address", [&] { MoveTo(www.x + 2, www.y + 2); }},
      {"background", [&] { MoveTo(bg.x, bg.y); }},
      {"key up",
       [&] {
         form().KeyDown(38);
         painter_->Repaint(form().TakeDamage());
       }},
  };
  for (const Step& step : steps) {
    step.act();
    std::vector<Uint8> incremental = snapshot();
    painter_->RepaintAll();
    EXPECT_TRUE(incremental == snapshot()) << "after " << step.what;
  }
}

TEST_F(FormPainterTest, TextsRenderedEarlierShowExactlyWhatAFreshRenderingShows) {
  auto pixels = [](SDL_Window* window) {
    SDL_Surface* s = SDL_GetWindowSurface(window);
    const auto* bytes = static_cast<const Uint8*>(s->pixels);
    return std::vector<Uint8>(bytes, bytes + static_cast<std::ptrdiff_t>(s->pitch) * s->h);
  };
  // Highlights that come back to texts the painter has rendered before, in other places.
  for (int item : {0, 1, 0, 3, 1, 4, 0}) {
    MoveOverCaption(item);
    SDL_Window* fresh_window = SDL_CreateWindow("fresh", 0, 0, 502, 387, SDL_WINDOW_HIDDEN);
    ASSERT_NE(fresh_window, nullptr) << SDL_GetError();
    {
      FormPainter fresh(fresh_window, form(), fonts_);
      fresh.RepaintAll();
      EXPECT_TRUE(pixels(window_) == pixels(fresh_window)) << "after item " << item;
    }
    SDL_DestroyWindow(fresh_window);
  }
}

// A picture whose file is missing or does not decode leaves its place empty, as no picture
// would, and the launcher goes on: the other pictures, the captions and the highlight.
TEST_F(FormPainterTest, APictureThatDoesNotDecodeLeavesItsPlaceEmpty) {
  const std::vector<std::uint8_t> damaged(64, 0x5A);
  struct Case {
    const char* what;
    assets::AssetId broken;
    std::span<const std::uint8_t> file;
  } cases[] = {
      {"background missing", assets::AssetId::Background, {}},
      {"background damaged", assets::AssetId::Background, damaged},
      {"hover picture missing", assets::AssetId::HoverItem, {}},
  };
  const ProbePoint& bg = assets::kBackgroundProbe;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    painter_ = std::make_unique<FormPainter>(window_, form(), fonts_, [&](assets::AssetId id) {
      return id == c.broken ? c.file : assets::Bytes(id);
    });
    MoveTo(bg.x, bg.y);
    painter_->RepaintAll();
    if (c.broken == assets::AssetId::Background) {
      // White, as Windows paints a window's client area.
      EXPECT_EQ(At(bg.x, bg.y), (Rgb{255, 255, 255})) << "nothing where the background was";
      EXPECT_EQ(Buttons(), "nnnnn");
    } else {
      EXPECT_EQ(At(bg.x, bg.y), bg.colour);
    }
    MoveOverCaption(2);
    const std::string highlighted = c.broken == assets::AssetId::HoverItem ? "nn?nn" : "nnhnn";
    EXPECT_EQ(Buttons(), highlighted);
    SDL_Rect caption = Placed(splash().lbl_pcbText(2));
    form::Color ink = splash().lbl_pcbText(2).fore_color();
    EXPECT_GT(PixelsNear(caption, {ink.r, ink.g, ink.b}), 20) << "the caption still shows";
    EXPECT_EQ(splash().SelectedIndex, 2);
  }
}

}  // namespace
}  // namespace n5::linux_ui

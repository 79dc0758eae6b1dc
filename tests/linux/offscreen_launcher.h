#pragma once

#include <cstring>
#include <memory>

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include "assets/probe_colours.h"
#include "launcher/frm_splash.h"
#include "linux/form_painter.h"
#include "linux/pixel_rects.h"
#include "linux/ttf_fonts.h"
#include "platform/recording_platform.h"

namespace n5::linux_ui::testing {

// The launcher window with the real fonts and painter, drawn on the window surface of SDL's
// dummy video driver, which keeps its pixels in memory and needs no display.
class OffscreenLauncherTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
  }
  static void TearDownTestSuite() { SDL_Quit(); }

  void SetUp() override {
    splash_ = std::make_unique<frmSplash>(fonts_, texts_, platform_, 5);
    form().Load();
    platform_.ClearCalls();
    SDL_Rect size = PlacedPixels({0, 0, form().width(), form().height()});
    window_ = SDL_CreateWindow("test", 0, 0, size.w, size.h, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    painter_ = std::make_unique<FormPainter>(window_, form(), fonts_);
    form().TakeDamage();
    painter_->RepaintAll();
  }
  void TearDown() override {
    painter_.reset();
    if (window_ != nullptr) SDL_DestroyWindow(window_);
  }

  form::Window& form() { return splash_->window(); }
  frmSplash& splash() { return *splash_; }

  // What the window shows at a client pixel.
  assets::Rgb At(int x, int y) {
    SDL_Surface* s = SDL_GetWindowSurface(window_);
    Uint32 pixel = 0;
    SDL_LockSurface(s);
    const auto* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
    std::memcpy(&pixel, row + x * s->format->BytesPerPixel, s->format->BytesPerPixel);
    SDL_UnlockSurface(s);
    assets::Rgb rgb;
    SDL_GetRGB(pixel, s->format, &rgb.r, &rgb.g, &rgb.b);
    return rgb;
  }

  // A control's place in client pixels.
  SDL_Rect Placed(const form::Control& c) { return PlacedPixels(form().VisibleRect(c)); }

  // The pointer moves to a client pixel, and the painter shows what changed.
  void MoveTo(int x, int y) {
    form().MouseMove(ToTwips(x), ToTwips(y));
    painter_->Repaint(form().TakeDamage());
  }
  void MoveOverCaption(int item) {
    SDL_Rect r = Placed(splash().lbl_pcbText(item));
    MoveTo(r.x + r.w / 2, r.y + r.h / 2);
  }

  TtfFonts fonts_{"zh-cn"};
  BuiltInTextTable texts_{TextVariant::Simplified};
  platform::RecordingPlatform platform_;
  std::unique_ptr<frmSplash> splash_;
  SDL_Window* window_ = nullptr;
  std::unique_ptr<FormPainter> painter_;
};

}  // namespace n5::linux_ui::testing

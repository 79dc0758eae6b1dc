// n5launcher: the disc launcher's window on a Linux desktop. It builds the core's window,
// runs its start-up layout, shows it, and hands it the user's input; the core decides
// everything else. Its pictures and cursors are carried in the program, so the only files it
// reads are the system's fonts; it writes none.

#include <SDL2/SDL.h>

#include <cstdio>
#include <string>

#include "launcher/frm_splash.h"
#include "launcher/text_table.h"
#include "linux/display_start.h"
#include "linux/event_loop.h"
#include "linux/form_painter.h"
#include "linux/linux_platform.h"
#include "linux/locale_variant.h"
#include "linux/message_box.h"
#include "linux/pixel_rects.h"
#include "linux/pointer_cursors.h"
#include "linux/process_start.h"
#include "linux/program_icon.h"
#include "linux/resident_image.h"
#include "linux/ttf_fonts.h"

namespace {

using namespace n5::linux_ui;

constexpr int kMenuItems = 5;

int Run() {
  n5::TextVariant variant = VariantFromEnvironment();
  n5::BuiltInTextTable texts(variant);
  TtfFonts fonts{std::string(FontLanguage(variant))};
  SDL_Window* window = nullptr;
  std::string title;
  LinuxPlatform platform([&](std::string_view text) { ShowMessageBox(window, title, text); });

  n5::frmSplash splash(fonts, texts, platform, kMenuItems);
  n5::form::Window& form = splash.window();
  form.Load();
  if (form.unloaded()) return 0;
  title = form.caption();

  SDL_Rect size = PlacedPixels({0, 0, form.width(), form.height()});
  window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, size.w,
                            size.h, SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
  if (window == nullptr) {
    std::fprintf(stderr, "n5launcher: cannot create the window: %s\n", SDL_GetError());
    return 1;
  }
  SetProgramIcon(window);
  PointerCursors cursors;
  int status = 0;
  {
    FormPainter painter(window, form, fonts);
    // Everything is drawn before the window shows, so its first frame is complete.
    form.TakeDamage();
    painter.RepaintAll();
    SDL_ShowWindow(window);
    painter.Present();
    // From here on the disc may be taken out: what the launcher runs stays in memory.
    KeepProgramResident();
    status = RunEventLoop(form, painter, cursors);
  }
  SDL_DestroyWindow(window);
  window = nullptr;
  return status;
}

}  // namespace

int main(int /*argc*/, char** /*argv*/) {
  PrefetchProgram();
  PrepareProcess();
  // SIGTERM and SIGINT keep their default action and end the launcher at once, even while a
  // message box runs its own loop, which would never look at SDL's quit event.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // The window surface is the X server's own image, not a GL texture: no GL start-up cost.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // A launcher window is an ordinary window: it neither holds off the screen saver nor asks
  // the compositor to step aside, as SDL does for games by default.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  if (StartVideo() != 0) {
    std::fprintf(stderr, "n5launcher: cannot open the display: %s\n", SDL_GetError());
    return 1;
  }
  SDL_StopTextInput();  // key presses are all it reads; no input method needed
  int status = Run();
  SDL_Quit();
  return status;
}

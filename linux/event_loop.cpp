#include "linux/event_loop.h"

#include <SDL2/SDL_events.h>

#include "linux/key_codes.h"
#include "linux/pixel_rects.h"

namespace n5::linux_ui {
namespace {

enum class Outcome { Continue, Quit };

Outcome Handle(const SDL_Event& event, form::Window& form, FormPainter& painter,
               PointerCursors& cursors) {
  switch (event.type) {
    case SDL_QUIT:
      return Outcome::Quit;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED) painter.Present();
      if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) painter.RepaintAll();
      break;
    case SDL_MOUSEMOTION: {
      float x = ToTwips(event.motion.x);
      float y = ToTwips(event.motion.y);
      form.MouseMove(x, y, ButtonMask(event.motion.state), ShiftMask(SDL_GetModState()));
      cursors.Show(form.CursorAt(x, y));
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      if (event.button.button != SDL_BUTTON_LEFT) break;
      float x = ToTwips(event.button.x);
      float y = ToTwips(event.button.y);
      if (event.type == SDL_MOUSEBUTTONDOWN) {
        form.MouseDown(x, y);
      } else {
        form.MouseUp(x, y);
      }
      cursors.Show(form.CursorAt(x, y));
      break;
    }
    case SDL_KEYDOWN: {
      std::int16_t code = VirtualKeyCode(event.key.keysym.sym, event.key.keysym.mod);
      if (code != 0) form.KeyDown(code, ShiftMask(event.key.keysym.mod));
      break;
    }
    default:
      break;
  }
  return Outcome::Continue;
}

}  // namespace

int RunEventLoop(form::Window& form, FormPainter& painter, PointerCursors& cursors) {
  SDL_Event event;
  while (!form.unloaded()) {
    if (SDL_WaitEvent(&event) == 0) return 1;  // the event system itself failed
    // Everything already queued is handled before one repaint of all it changed.
    do {
      if (Handle(event, form, painter, cursors) == Outcome::Quit) return 0;
    } while (!form.unloaded() && SDL_PollEvent(&event) != 0);
    if (form.unloaded()) break;
    painter.Repaint(form.TakeDamage());
  }
  return 0;
}

}  // namespace n5::linux_ui

#include "linux/message_box.h"

#include <SDL2/SDL_events.h>
#include <SDL2/SDL_messagebox.h>

#include <cstdio>

#include "linux/process_start.h"

namespace n5::linux_ui {

void ShowMessageBox(SDL_Window* owner, const std::string& title, std::string_view text) {
  std::string message(text);
  int shown = 0;
  {
    ChildWaitAllowed box_process;  // SDL shows the box from a child process and waits for it
    shown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), owner);
  }
  if (shown != 0) {
    std::fprintf(stderr, "n5launcher: %s\n", message.c_str());
    return;
  }
  // The box was modal: as on Windows, where its owner takes no input meanwhile, the keys and
  // clicks the owner window got while the box was up are dropped, not acted on afterwards.
  SDL_PumpEvents();
  SDL_FlushEvents(SDL_KEYDOWN, SDL_KEYUP);
  SDL_FlushEvents(SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP);
}

}  // namespace n5::linux_ui

#pragma once

#include <SDL2/SDL_mouse.h>

#include "form/window.h"

namespace n5::linux_ui {

// The mouse pointer over the window: the program's monochrome hand where the core asks for
// the "hand" cursor, the system's arrow everywhere else. Switches only on a change, so that
// a stream of motion events costs the X server nothing.
class PointerCursors {
 public:
  PointerCursors();
  ~PointerCursors();
  PointerCursors(const PointerCursors&) = delete;
  PointerCursors& operator=(const PointerCursors&) = delete;

  void Show(const form::CursorChoice& choice);

 private:
  SDL_Cursor* arrow_ = nullptr;
  SDL_Cursor* hand_ = nullptr;
  SDL_Cursor* shown_ = nullptr;
};

// The monochrome hand from the embedded cursor file, with the file's hot spot; nullptr when
// the file cannot be decoded.
SDL_Cursor* CreateHandCursor();

}  // namespace n5::linux_ui

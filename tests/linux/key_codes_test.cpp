#include "linux/key_codes.h"

#include <SDL2/SDL_keyboard.h>
#include <SDL2/SDL_mouse.h>
#include <gtest/gtest.h>

namespace n5::linux_ui {
namespace {

TEST(KeyCodesTest, GivesEachKeyItsWindowsVirtualKeyCode) {
  struct Case {
    SDL_Keycode key;
    std::uint16_t modifiers;
    std::int16_t code;
  } cases[] = {
      // The launcher's own keys.
      {SDLK_UP, KMOD_NONE, 38},
      {SDLK_DOWN, KMOD_NONE, 40},
      {SDLK_RETURN, KMOD_NONE, 13},
      {SDLK_KP_ENTER, KMOD_NONE, 13},
      {SDLK_x, KMOD_NONE, 88},
      {SDLK_x, KMOD_LSHIFT, 88},
      {SDLK_x, KMOD_RCTRL, 88},
      {SDLK_ESCAPE, KMOD_NONE, 27},
      {SDLK_F1, KMOD_NONE, 112},
      // Ctrl+Break is VK_CANCEL; Pause alone stays VK_PAUSE.
      {SDLK_PAUSE, KMOD_LCTRL, 3},
      {SDLK_PAUSE, KMOD_RCTRL, 3},
      {SDLK_PAUSE, KMOD_NONE, 19},
      {SDLK_PAUSE, KMOD_SHIFT, 19},
      {SDLK_CANCEL, KMOD_NONE, 3},
      // Ranges: both ends of each.
      {SDLK_a, KMOD_NONE, 65},
      {SDLK_z, KMOD_NONE, 90},
      {SDLK_0, KMOD_NONE, 48},
      {SDLK_9, KMOD_NONE, 57},
      {SDLK_F2, KMOD_NONE, 113},
      {SDLK_F12, KMOD_NONE, 123},
      {SDLK_F13, KMOD_NONE, 124},
      {SDLK_F24, KMOD_NONE, 135},
      {SDLK_KP_0, KMOD_NONE, 96},
      {SDLK_KP_1, KMOD_NONE, 97},
      {SDLK_KP_9, KMOD_NONE, 105},
      // Named keys.
      {SDLK_SPACE, KMOD_NONE, 32},
      {SDLK_LEFT, KMOD_NONE, 37},
      {SDLK_RIGHT, KMOD_NONE, 39},
      {SDLK_HOME, KMOD_NONE, 36},
      {SDLK_END, KMOD_NONE, 35},
      {SDLK_PAGEUP, KMOD_NONE, 33},
      {SDLK_PAGEDOWN, KMOD_NONE, 34},
      {SDLK_INSERT, KMOD_NONE, 45},
      {SDLK_DELETE, KMOD_NONE, 46},
      {SDLK_TAB, KMOD_NONE, 9},
      {SDLK_BACKSPACE, KMOD_NONE, 8},
      {SDLK_LSHIFT, KMOD_LSHIFT, 16},
      {SDLK_RCTRL, KMOD_RCTRL, 17},
      {SDLK_LALT, KMOD_LALT, 18},
      {SDLK_CAPSLOCK, KMOD_NONE, 20},
      {SDLK_SEMICOLON, KMOD_NONE, 186},
      {SDLK_QUOTE, KMOD_NONE, 222},
      {SDLK_KP_DIVIDE, KMOD_NONE, 111},
      // Keys Windows has no code for reach the core as nothing.
      {SDLK_UNKNOWN, KMOD_NONE, 0},
      {SDLK_AUDIONEXT, KMOD_NONE, 0},
      {SDLK_AC_SEARCH, KMOD_NONE, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VirtualKeyCode(c.key, c.modifiers), c.code)
        << SDL_GetKeyName(c.key) << " with modifiers " << c.modifiers;
  }
}

TEST(KeyCodesTest, CombinesModifiersAndButtonsAsWindowsDoes) {
  struct Modifiers {
    std::uint16_t sdl;
    std::int16_t mask;
  } modifiers[] = {
      {KMOD_NONE, 0},
      {KMOD_LSHIFT, 1},
      {KMOD_RSHIFT, 1},
      {KMOD_LCTRL, 2},
      {KMOD_RCTRL, 2},
      {KMOD_LALT, 4},
      {KMOD_RALT, 4},
      {KMOD_SHIFT | KMOD_CTRL, 3},
      {KMOD_CTRL | KMOD_ALT | KMOD_SHIFT, 7},
      {KMOD_NUM | KMOD_CAPS, 0},  // lock states are no modifiers
      {KMOD_GUI, 0},
  };
  for (const Modifiers& m : modifiers) EXPECT_EQ(ShiftMask(m.sdl), m.mask) << m.sdl;

  struct Buttons {
    std::uint32_t sdl;
    std::int16_t mask;
  } buttons[] = {
      {0, 0},
      {SDL_BUTTON_LMASK, 1},
      {SDL_BUTTON_RMASK, 2},
      {SDL_BUTTON_MMASK, 4},
      {SDL_BUTTON_LMASK | SDL_BUTTON_RMASK, 3},
      {SDL_BUTTON_X1MASK | SDL_BUTTON_X2MASK, 0},
  };
  for (const Buttons& b : buttons) EXPECT_EQ(ButtonMask(b.sdl), b.mask) << b.sdl;
}

}  // namespace
}  // namespace n5::linux_ui

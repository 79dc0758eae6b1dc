#include "linux/key_codes.h"

#include <SDL2/SDL_mouse.h>

namespace n5::linux_ui {
namespace {

struct KeyPair {
  SDL_Keycode key;
  std::int16_t code;
};

// Keys whose SDL code does not follow from a range below.
constexpr KeyPair kNamedKeys[] = {
    {SDLK_BACKSPACE, 8},      {SDLK_TAB, 9},
    {SDLK_CLEAR, 12},         {SDLK_RETURN, 13},
    {SDLK_RETURN2, 13},       {SDLK_KP_ENTER, 13},
    {SDLK_LSHIFT, 16},        {SDLK_RSHIFT, 16},
    {SDLK_LCTRL, 17},         {SDLK_RCTRL, 17},
    {SDLK_LALT, 18},          {SDLK_RALT, 18},
    {SDLK_PAUSE, 19},         {SDLK_CAPSLOCK, 20},
    {SDLK_ESCAPE, 27},        {SDLK_SPACE, 32},
    {SDLK_PAGEUP, 33},        {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},           {SDLK_HOME, 36},
    {SDLK_LEFT, 37},          {SDLK_UP, 38},
    {SDLK_RIGHT, 39},         {SDLK_DOWN, 40},
    {SDLK_SELECT, 41},        {SDLK_EXECUTE, 43},
    {SDLK_PRINTSCREEN, 44},   {SDLK_INSERT, 45},
    {SDLK_DELETE, 46},        {SDLK_HELP, 47},
    {SDLK_LGUI, 91},          {SDLK_RGUI, 92},
    {SDLK_APPLICATION, 93},   {SDLK_SLEEP, 95},
    {SDLK_KP_MULTIPLY, 106},  {SDLK_KP_PLUS, 107},
    {SDLK_KP_MINUS, 109},     {SDLK_KP_PERIOD, 110},
    {SDLK_KP_DECIMAL, 110},   {SDLK_KP_DIVIDE, 111},
    {SDLK_NUMLOCKCLEAR, 144}, {SDLK_SCROLLLOCK, 145},
    {SDLK_SEMICOLON, 186},    {SDLK_EQUALS, 187},
    {SDLK_PLUS, 187},         {SDLK_COMMA, 188},
    {SDLK_MINUS, 189},        {SDLK_PERIOD, 190},
    {SDLK_SLASH, 191},        {SDLK_BACKQUOTE, 192},
    {SDLK_LEFTBRACKET, 219},  {SDLK_BACKSLASH, 220},
    {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},
    {SDLK_CANCEL, 3},
};

// SDL numbers the keypad digits 1..9 then 0; Windows numbers VK_NUMPAD0..VK_NUMPAD9 in order.
constexpr SDL_Keycode kKeypadDigits[] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                         SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};

constexpr std::int16_t kCancel = 3;
constexpr std::int16_t kLetterA = 65;
constexpr std::int16_t kDigit0 = 48;
constexpr std::int16_t kNumpad0 = 96;
constexpr std::int16_t kF1 = 112;
constexpr std::int16_t kF13 = 124;

}  // namespace

std::int16_t VirtualKeyCode(SDL_Keycode key, std::uint16_t modifiers) {
  if (key == SDLK_PAUSE && (modifiers & KMOD_CTRL) != 0) return kCancel;
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<std::int16_t>(kLetterA + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<std::int16_t>(kDigit0 + (key - SDLK_0));
  if (key >= SDLK_F1 && key <= SDLK_F12) return static_cast<std::int16_t>(kF1 + (key - SDLK_F1));
  if (key >= SDLK_F13 && key <= SDLK_F24) {
    return static_cast<std::int16_t>(kF13 + (key - SDLK_F13));
  }
  for (int digit = 0; digit < 10; ++digit) {
    if (key == kKeypadDigits[digit]) return static_cast<std::int16_t>(kNumpad0 + digit);
  }
  for (const KeyPair& pair : kNamedKeys) {
    if (pair.key == key) return pair.code;
  }
  return 0;
}

std::int16_t ShiftMask(std::uint16_t modifiers) {
  std::int16_t mask = 0;
  if ((modifiers & KMOD_SHIFT) != 0) mask |= 1;
  if ((modifiers & KMOD_CTRL) != 0) mask |= 2;
  if ((modifiers & KMOD_ALT) != 0) mask |= 4;
  return mask;
}

std::int16_t ButtonMask(std::uint32_t sdl_button_state) {
  std::int16_t mask = 0;
  if ((sdl_button_state & SDL_BUTTON_LMASK) != 0) mask |= 1;
  if ((sdl_button_state & SDL_BUTTON_RMASK) != 0) mask |= 2;
  if ((sdl_button_state & SDL_BUTTON_MMASK) != 0) mask |= 4;
  return mask;
}

}  // namespace n5::linux_ui

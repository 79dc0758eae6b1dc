#pragma once

#include <cstdint>

#include <SDL2/SDL_keycode.h>

// The core speaks in the terms of Windows input messages: virtual-key codes, the Shift/Ctrl/Alt
// mask of a key or mouse event, and the mask of the mouse buttons held.
namespace n5::linux_ui {

// The Windows virtual-key code of a key, 0 for a key Windows has no code for. Ctrl+Pause is
// Windows' Ctrl+Break, which Windows reports as VK_CANCEL (3) rather than VK_PAUSE.
std::int16_t VirtualKeyCode(SDL_Keycode key, std::uint16_t modifiers);

// Shift 1, Ctrl 2, Alt 4, either key of each pair.
std::int16_t ShiftMask(std::uint16_t modifiers);

// The buttons of an SDL button state as Windows numbers them: left 1, right 2, middle 4.
std::int16_t ButtonMask(std::uint32_t sdl_button_state);

}  // namespace n5::linux_ui

#pragma once

#include <SDL2/SDL_video.h>

namespace n5::linux_ui {

// Gives the window the program icon carried in the program, for the taskbar and the window
// switcher. Leaves the system's default when the icon cannot be decoded.
void SetProgramIcon(SDL_Window* window);

}  // namespace n5::linux_ui

#pragma once

#include <string>
#include <string_view>

#include <SDL2/SDL_video.h>

namespace n5::linux_ui {

// A modal message box over the window with the text, the OK button only and the title given.
// Returns when the user closes it; what was pressed or clicked on the owner meanwhile is
// dropped. Where the desktop can show no box, the text goes to
// standard error on one line instead, so that it is not lost.
void ShowMessageBox(SDL_Window* owner, const std::string& title, std::string_view text);

}  // namespace n5::linux_ui

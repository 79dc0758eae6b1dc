#pragma once

#include <SDL2/SDL_video.h>

#include "form/window.h"
#include "linux/form_painter.h"
#include "linux/pointer_cursors.h"

namespace n5::linux_ui {

// Hands the window's pointer and key events to the core, shows the cursor it asks for and
// repaints what changed, until the core unloads the window or the desktop closes it. Sleeps
// in SDL_WaitEvent whenever nothing happens. Returns the process's exit status.
int RunEventLoop(form::Window& form, FormPainter& painter, PointerCursors& cursors);

}  // namespace n5::linux_ui

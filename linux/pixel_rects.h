#pragma once

#include <SDL2/SDL_rect.h>

#include "form/types.h"

// The core places everything in twips; the screen is in pixels (15 twips each).
namespace n5::linux_ui {

// A control's place on the screen: each edge at the nearest pixel.
SDL_Rect PlacedPixels(const form::Rect& twips);

// An area to repaint: every pixel the area touches, so nothing changed is left out.
SDL_Rect CoveredPixels(const form::Rect& twips);

// A position in pixels as a position in twips.
float ToTwips(int pixels);

}  // namespace n5::linux_ui

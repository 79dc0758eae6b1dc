// The launcher's 24-bit pictures: its window backdrop, the three looks of a menu bar, the
// help button and the small banner.
#pragma once

#include "canvas.h"
#include "text.h"

namespace n5::artgen {

Canvas DrawBackground(const FontFile& font);
Canvas DrawNormalItem();
Canvas DrawHoverItem();
Canvas DrawDesignedItem();
Canvas DrawHelpIcon(const FontFile& font);
Canvas DrawBanner(const FontFile& font);

}  // namespace n5::artgen

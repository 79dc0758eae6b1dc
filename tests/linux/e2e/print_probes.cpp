// Prints the artwork's probe points as bash arrays (x y r g b), for the end-to-end tests to
// read with eval: the pixels they look for come from the same header the artwork is drawn by.
#include <cstdio>

#include "assets/probe_colours.h"

namespace {

void Print(const char* name, const n5::assets::ProbePoint& p) {
  std::printf("%s=(%d %d %d %d %d)\n", name, p.x, p.y, p.colour.r, p.colour.g, p.colour.b);
}

}  // namespace

int main() {
  Print("BACKGROUND_PROBE", n5::assets::kBackgroundProbe);
  Print("NORMAL_ITEM_PROBE", n5::assets::kNormalItemProbe);
  Print("HOVER_ITEM_PROBE", n5::assets::kHoverItemProbe);
  Print("DESIGNED_ITEM_PROBE", n5::assets::kDesignedItemProbe);
  return 0;
}

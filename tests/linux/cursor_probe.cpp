// n5-cursor-probe: what the mouse pointer looks like, for the end-to-end tests.
//
//   n5-cursor-probe          the cursor the X server shows now (XFixes)
//   n5-cursor-probe --hand   the program's monochrome hand, as SDL hands it to the server
//
// Both print one line, "WxH hot X,Y black B white W": the size, the hot spot and how many
// opaque black and white pixels it has. (SDL shows the pixels a Windows cursor inverts as
// black.)
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>

#include "assets/embedded_assets.h"
#include "linux/sdl_images.h"

namespace {

struct Counts {
  int black = 0;
  int white = 0;
};

void Count(std::uint32_t argb, bool inverts_as_black, Counts& counts) {
  std::uint32_t alpha = argb >> 24;
  std::uint32_t rgb = argb & 0xFFFFFF;
  if (alpha == 0xFF) {
    if (rgb == 0) ++counts.black;
    if (rgb == 0xFFFFFF) ++counts.white;
  } else if (alpha == 0 && rgb != 0 && inverts_as_black) {
    ++counts.black;
  }
}

int Hand() {
  const auto file = n5::assets::Bytes(n5::assets::AssetId::HandCursor);
  SDL_Surface* hand = n5::linux_ui::DecodeIconOrCursor(file);
  std::optional<n5::linux_ui::HotSpot> hot = n5::linux_ui::CursorHotSpot(file);
  if (hand == nullptr || !hot) return 1;
  Counts counts;
  for (int y = 0; y < hand->h; ++y) {
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(hand->pixels) +
                                               static_cast<std::ptrdiff_t>(y) * hand->pitch);
    for (int x = 0; x < hand->w; ++x) Count(row[x], true, counts);
  }
  std::printf("%dx%d hot %d,%d black %d white %d\n", hand->w, hand->h, hot->x, hot->y, counts.black,
              counts.white);
  SDL_FreeSurface(hand);
  return 0;
}

int Shown() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 1;
  int event_base = 0;
  int error_base = 0;
  if (XFixesQueryExtension(display, &event_base, &error_base) == False) return 1;
  XFixesCursorImage* image = XFixesGetCursorImage(display);
  if (image == nullptr) return 1;
  Counts counts;
  for (int i = 0; i < image->width * image->height; ++i) {
    Count(static_cast<std::uint32_t>(image->pixels[i]), false, counts);
  }
  std::printf("%dx%d hot %d,%d black %d white %d\n", image->width, image->height, image->xhot,
              image->yhot, counts.black, counts.white);
  XFree(image);
  XCloseDisplay(display);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--hand") == 0) return Hand();
  if (argc == 1) return Shown();
  std::fputs("usage: n5-cursor-probe [--hand]\n", stderr);
  return 2;
}

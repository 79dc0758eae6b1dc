// screen_probe: what the Wine tests need to know about the screen and the launcher's
// pictures.
//   screen_probe probe NAME                  the probe point of a picture (background, normal,
//                                            hover, designed): "x y r g b"
//   screen_probe wait X Y R G B TIMEOUT_MS   waits until the root window's pixel (X, Y) has
//                                            the colour; prints the milliseconds it took, and
//                                            fails when the time runs out
//   screen_probe cursor FILE.cur TIMEOUT_MS  waits until the pointer shows the cursor of the
//                                            file (its size, hot spot and opaque pixels); fails
//                                            when the time runs out
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "assets/probe_colours.h"
#include "linux/sdl_images.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: screen_probe probe NAME | screen_probe wait X Y R G B TIMEOUT_MS |"
               " screen_probe cursor FILE.cur TIMEOUT_MS\n");
  return 2;
}

long MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - start)
                               .count());
}

// Whether the X cursor shows the Windows cursor: the same size and hot spot, each opaque pixel
// of the cursor opaque in the same colour, each transparent one transparent. Pixels that invert
// the screen may come out either way and are not compared.
struct CursorImage {
  int width = 0;
  int height = 0;
  int hotspot_x = 0;
  int hotspot_y = 0;
  std::vector<std::uint32_t> argb;  // top-down, alpha from the AND mask
};

std::optional<CursorImage> ReadCursor(const std::vector<std::uint8_t>& bytes) {
  std::optional<n5::linux_ui::HotSpot> hot = n5::linux_ui::CursorHotSpot(bytes);
  SDL_Surface* image = n5::linux_ui::DecodeIconOrCursor(bytes);
  if (image == nullptr || !hot) {
    SDL_FreeSurface(image);
    return std::nullopt;
  }
  CursorImage cursor{image->w, image->h, hot->x, hot->y, {}};
  for (int y = 0; y < image->h; ++y) {
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(image->pixels) +
                                               static_cast<std::ptrdiff_t>(y) * image->pitch);
    cursor.argb.insert(cursor.argb.end(), row, row + image->w);
  }
  SDL_FreeSurface(image);
  return cursor;
}

bool SameCursor(const XFixesCursorImage& shown, const CursorImage& cursor, std::string& why) {
  if (shown.width != cursor.width || shown.height != cursor.height) {
    why = "size " + std::to_string(shown.width) + "x" + std::to_string(shown.height);
    return false;
  }
  if (shown.xhot != cursor.hotspot_x || shown.yhot != cursor.hotspot_y) {
    why = "hot spot " + std::to_string(shown.xhot) + "," + std::to_string(shown.yhot);
    return false;
  }
  for (std::size_t i = 0; i < cursor.argb.size(); ++i) {
    const std::uint32_t want = cursor.argb[i];
    const auto got = static_cast<std::uint32_t>(shown.pixels[i]);
    const bool opaque = (want >> 24) == 0xFF;
    const bool transparent = want == 0;
    if ((opaque && got != want) || (transparent && (got >> 24) != 0)) {
      why = "pixel " + std::to_string(i % cursor.width) + "," + std::to_string(i / cursor.width);
      return false;
    }
  }
  return true;
}

int WaitCursor(const char* path, long timeout_ms) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  std::optional<CursorImage> cursor = ReadCursor(bytes);
  if (!cursor) {
    std::fprintf(stderr, "screen_probe: cannot read %s\n", path);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  int event_base = 0, error_base = 0;
  if (display == nullptr || !XFixesQueryExtension(display, &event_base, &error_base)) {
    std::fprintf(stderr, "screen_probe: no display with the XFIXES extension\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  std::string why = "no cursor image";
  for (;;) {
    XFixesCursorImage* shown = XFixesGetCursorImage(display);
    bool same = shown != nullptr && SameCursor(*shown, *cursor, why);
    if (shown != nullptr) XFree(shown);
    if (same) {
      XCloseDisplay(display);
      return 0;
    }
    if (MillisecondsSince(start) > timeout_ms) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  XCloseDisplay(display);
  std::fprintf(stderr, "screen_probe: the pointer does not show %s (%s)\n", path, why.c_str());
  return 1;
}

int PrintProbe(const std::string& name) {
  const n5::assets::ProbePoint* probe = nullptr;
  if (name == "background") probe = &n5::assets::kBackgroundProbe;
  if (name == "normal") probe = &n5::assets::kNormalItemProbe;
  if (name == "hover") probe = &n5::assets::kHoverItemProbe;
  if (name == "designed") probe = &n5::assets::kDesignedItemProbe;
  if (probe == nullptr) return Usage();
  std::printf("%d %d %d %d %d\n", probe->x, probe->y, probe->colour.r, probe->colour.g,
              probe->colour.b);
  return 0;
}

int Wait(int x, int y, int r, int g, int b, long timeout_ms) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "screen_probe: cannot open the display\n");
    return 2;
  }
  Window root = DefaultRootWindow(display);
  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    long elapsed = MillisecondsSince(start);
    XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image != nullptr) {
      unsigned long pixel = XGetPixel(image, 0, 0);
      auto channel = [&](unsigned long mask) {
        int shift = 0;
        while (mask != 0 && (mask & 1) == 0) {
          mask >>= 1;
          ++shift;
        }
        return static_cast<int>((pixel >> shift) & mask);
      };
      int pr = channel(image->red_mask), pg = channel(image->green_mask),
          pb = channel(image->blue_mask);
      XDestroyImage(image);
      if (pr == r && pg == g && pb == b) {
        std::printf("%ld\n", elapsed);
        XCloseDisplay(display);
        return 0;
      }
    }
    if (elapsed > timeout_ms) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  XCloseDisplay(display);
  std::fprintf(stderr, "screen_probe: (%d,%d) never became %d,%d,%d\n", x, y, r, g, b);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "probe") == 0) return PrintProbe(argv[2]);
  if (argc == 8 && std::strcmp(argv[1], "wait") == 0) {
    int v[5];
    for (int i = 0; i < 5; ++i) v[i] = std::atoi(argv[2 + i]);
    return Wait(v[0], v[1], v[2], v[3], v[4], std::atol(argv[7]));
  }
  if (argc == 4 && std::strcmp(argv[1], "cursor") == 0)
    return WaitCursor(argv[2], std::atol(argv[3]));
  return Usage();
}

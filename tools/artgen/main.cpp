// artgen: draws the launcher's artwork and writes it into the assets folder, where the files
// are committed, so that a normal build never runs this program. To regenerate:
//
//   cmake --build build/linux --target artgen && build/linux/bin/artgen assets
//
// The output is deterministic for a given font file (wqy-zenhei from Debian's
// fonts-wqy-zenhei package); the probe colours the tests look for come from
// assets/probe_colours.h and are checked here before anything is written.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "assets/probe_colours.h"
#include "canvas.h"
#include "pictures.h"
#include "pixel_index.h"
#include "pointers.h"
#include "text.h"
#include "writers.h"

namespace {

using n5::artgen::Canvas;
using n5::assets::ProbePoint;

constexpr const char* kFontPath = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc";

// The pictures are exact at their probe points or not written at all.
void CheckProbe(const Canvas& canvas, const ProbePoint& probe, const char* name) {
  const auto rgb = canvas.ToRgb();
  const std::size_t at = n5::artgen::PixelIndex(probe.x, probe.y, canvas.width()) * 3;
  if (rgb[at] != probe.colour.r || rgb[at + 1] != probe.colour.g || rgb[at + 2] != probe.colour.b) {
    throw std::logic_error(std::string(name) + " does not carry its probe colour");
  }
}

void WritePicture(const std::filesystem::path& path, const Canvas& canvas) {
  n5::artgen::WritePng(path, canvas.width(), canvas.height(), canvas.ToRgb());
  std::printf("wrote %s\n", path.string().c_str());
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  n5::artgen::WriteFile(path, bytes);
  std::printf("wrote %s\n", path.string().c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s ASSETS_DIR\n", argv[0]);
    return 2;
  }
  try {
    namespace ag = n5::artgen;
    const std::filesystem::path out = argv[1];
    const ag::FontFile font(kFontPath, 0);

    const Canvas background = ag::DrawBackground(font);
    const Canvas normal = ag::DrawNormalItem();
    const Canvas hover = ag::DrawHoverItem();
    const Canvas designed = ag::DrawDesignedItem();
    CheckProbe(background, n5::assets::kBackgroundProbe, "background");
    CheckProbe(normal, n5::assets::kNormalItemProbe, "normal bar");
    CheckProbe(hover, n5::assets::kHoverItemProbe, "hover bar");
    CheckProbe(designed, n5::assets::kDesignedItemProbe, "designed bar");

    WritePicture(out / "pictures/background.png", background);
    WritePicture(out / "pictures/normal.png", normal);
    WritePicture(out / "pictures/hover.png", hover);
    WritePicture(out / "pictures/designed.png", designed);
    WritePicture(out / "pictures/help.png", ag::DrawHelpIcon(font));
    WritePicture(out / "pictures/banner.png", ag::DrawBanner(font));
    WriteBytes(out / "cursors/hand.cur", ag::EncodeCursor(ag::DrawHandCursor(), ag::kHandHotSpot));
    WriteBytes(out / "cursors/hand_colour.cur",
               ag::EncodeCursor(ag::DrawColourHandCursor(), ag::kColourHandHotSpot));
    WriteBytes(out / "icon/n5.ico", ag::EncodeIcon(ag::DrawProgramIcon(font)));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artgen: %s\n", e.what());
    return 1;
  }
  return 0;
}

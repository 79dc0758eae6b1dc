// The launcher's artwork carried inside the program (Linux build), so that it runs from the
// disc without looking for loose files. The Windows build links the same files as resources.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace n5::assets {

enum class AssetId {
  Background,        // the window's backdrop, 502 x 387
  NormalItem,        // a menu bar at rest, 165 x 34
  HoverItem,         // a menu bar under the mouse
  DesignedItem,      // a menu bar of the chosen entry
  HelpIcon,          // the help button, 19 x 18
  Banner,            // a small strip, 199 x 17
  HandCursor,        // black and white pointing hand, 32 x 32
  ColourHandCursor,  // grey-shaded pointing hand, 32 x 32
  ProgramIcon,       // the window's icon, 32 x 32
};

// The file's bytes, carried in the program; valid for the program's lifetime.
std::span<const std::uint8_t> Bytes(AssetId id);
// The file's path relative to the assets folder, e.g. "pictures/background.png".
std::string_view FileName(AssetId id);

}  // namespace n5::assets

#include "assets/embedded_assets.h"

#include <cstddef>

// Defined by the sources cmake/embed.cmake generates, one per file listed in CMakeLists.txt.
namespace n5::assets::embedded {
extern const std::uint8_t pictures_background_png[];
extern const std::size_t pictures_background_png_size;
extern const std::uint8_t pictures_normal_png[];
extern const std::size_t pictures_normal_png_size;
extern const std::uint8_t pictures_hover_png[];
extern const std::size_t pictures_hover_png_size;
extern const std::uint8_t pictures_designed_png[];
extern const std::size_t pictures_designed_png_size;
extern const std::uint8_t pictures_help_png[];
extern const std::size_t pictures_help_png_size;
extern const std::uint8_t pictures_banner_png[];
extern const std::size_t pictures_banner_png_size;
extern const std::uint8_t cursors_hand_cur[];
extern const std::size_t cursors_hand_cur_size;
extern const std::uint8_t cursors_hand_colour_cur[];
extern const std::size_t cursors_hand_colour_cur_size;
extern const std::uint8_t icon_n5_ico[];
extern const std::size_t icon_n5_ico_size;
}  // namespace n5::assets::embedded

namespace n5::assets {
namespace {

struct Entry {
  std::string_view file_name;
  const std::uint8_t* bytes = nullptr;
  const std::size_t* size = nullptr;
};

// A switch without default, so that an AssetId added without a file fails to compile.
Entry Lookup(AssetId id) {
  using namespace embedded;
  switch (id) {
    case AssetId::Background:
      return {"pictures/background.png", pictures_background_png, &pictures_background_png_size};
    case AssetId::NormalItem:
      return {"pictures/normal.png", pictures_normal_png, &pictures_normal_png_size};
    case AssetId::HoverItem:
      return {"pictures/hover.png", pictures_hover_png, &pictures_hover_png_size};
    case AssetId::DesignedItem:
      return {"pictures/designed.png", pictures_designed_png, &pictures_designed_png_size};
    case AssetId::HelpIcon:
      return {"pictures/help.png", pictures_help_png, &pictures_help_png_size};
    case AssetId::Banner:
      return {"pictures/banner.png", pictures_banner_png, &pictures_banner_png_size};
    case AssetId::HandCursor:
      return {"cursors/hand.cur", cursors_hand_cur, &cursors_hand_cur_size};
    case AssetId::ColourHandCursor:
      return {"cursors/hand_colour.cur", cursors_hand_colour_cur, &cursors_hand_colour_cur_size};
    case AssetId::ProgramIcon:
      return {"icon/n5.ico", icon_n5_ico, &icon_n5_ico_size};
  }
  return {};  // not an AssetId at all
}

}  // namespace

std::span<const std::uint8_t> Bytes(AssetId id) {
  const Entry entry = Lookup(id);
  if (entry.bytes == nullptr) return {};
  return {entry.bytes, *entry.size};
}

std::string_view FileName(AssetId id) {
  return Lookup(id).file_name;
}

}  // namespace n5::assets

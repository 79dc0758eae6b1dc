#include "linux/pointer_cursors.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "assets/embedded_assets.h"
#include "linux/sdl_images.h"

namespace n5::linux_ui {

SDL_Cursor* CreateHandCursor() {
  const std::span<const std::uint8_t> file = assets::Bytes(assets::AssetId::HandCursor);
  std::optional<HotSpot> hot_spot = CursorHotSpot(file);
  SDL_Surface* image = DecodeIconOrCursor(file);
  if (image == nullptr || !hot_spot) {
    SDL_FreeSurface(image);
    return nullptr;
  }
  SDL_Cursor* cursor = nullptr;
  if (image->w > 0 && image->w % 8 == 0 && image->h > 0) {
    // SDL's two planes: data 1 + mask 1 black, data 0 + mask 1 white, data 0 + mask 0
    // transparent, data 1 + mask 0 the inverted screen, as Windows' AND and XOR masks give.
    const auto width = static_cast<std::size_t>(image->w);
    const auto height = static_cast<std::size_t>(image->h);
    const std::size_t row_bytes = width / 8;
    std::vector<Uint8> data(row_bytes * height);
    std::vector<Uint8> mask(data.size());
    for (std::size_t y = 0; y < height; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(
          static_cast<const Uint8*>(image->pixels) + y * static_cast<std::size_t>(image->pitch));
      for (std::size_t x = 0; x < width; ++x) {
        std::uint32_t argb = row[x];
        bool opaque = (argb >> 24) != 0;
        bool light = (argb & 0x00FFFFFF) != 0;
        bool data_bit = opaque ? !light : light;
        std::size_t byte = y * row_bytes + x / 8;
        auto bit = static_cast<Uint8>(0x80U >> (x % 8));
        if (data_bit) data[byte] |= bit;
        if (opaque) mask[byte] |= bit;
      }
    }
    cursor =
        SDL_CreateCursor(data.data(), mask.data(), image->w, image->h, hot_spot->x, hot_spot->y);
  }
  SDL_FreeSurface(image);
  return cursor;
}

PointerCursors::PointerCursors()
    : arrow_(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW)), hand_(CreateHandCursor()) {
  Show({});
}

PointerCursors::~PointerCursors() {
  if (hand_ != nullptr) SDL_FreeCursor(hand_);
  if (arrow_ != nullptr) SDL_FreeCursor(arrow_);
}

void PointerCursors::Show(const form::CursorChoice& choice) {
  bool hand =
      choice.shape == form::MousePointer::Custom && choice.custom && choice.custom->role == "hand";
  SDL_Cursor* wanted = hand && hand_ != nullptr ? hand_ : arrow_;
  if (wanted == nullptr || wanted == shown_) return;
  SDL_SetCursor(wanted);
  shown_ = wanted;
}

}  // namespace n5::linux_ui

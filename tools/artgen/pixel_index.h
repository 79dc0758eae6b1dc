// Row-major buffer indexing done in std::size_t, so that no product is formed in int first.
#pragma once

#include <cstddef>

namespace n5::artgen {

constexpr std::size_t PixelIndex(int x, int y, int width) {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
         static_cast<std::size_t>(x);
}

constexpr std::size_t PixelCount(int width, int height) {
  return PixelIndex(0, height, width);
}

}  // namespace n5::artgen

#include "text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "pixel_index.h"

namespace n5::artgen {
namespace {

using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// The UTF-8 text cut into its characters (lead byte plus continuation bytes).
std::vector<std::string> SplitCharacters(std::string_view utf8) {
  std::vector<std::string> out;
  for (char c : utf8) {
    const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    if (continuation && !out.empty()) {
      out.back() += c;
    } else {
      out.emplace_back(1, c);
    }
  }
  return out;
}

TextMask Crop(const std::vector<double>& coverage, int width, int height) {
  int left = width;
  int top = height;
  int right = -1;
  int bottom = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (coverage[PixelIndex(x, y, width)] <= 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  TextMask out;
  if (right < 0) return out;
  out.width = right - left + 1;
  out.height = bottom - top + 1;
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      out.coverage.push_back(coverage[PixelIndex(x, y, width)]);
    }
  }
  return out;
}

}  // namespace

TextMask Blur(const TextMask& mask, int radius) {
  TextMask out;
  out.width = mask.width + 2 * radius;
  out.height = mask.height + 2 * radius;
  out.coverage.assign(PixelCount(out.width, out.height), 0.0);
  const double weight = 1.0 / ((2 * radius + 1) * (2 * radius + 1));
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      const double v = mask.coverage[PixelIndex(x, y, mask.width)] * weight;
      if (v <= 0) continue;
      for (int dy = 0; dy <= 2 * radius; ++dy) {
        for (int dx = 0; dx <= 2 * radius; ++dx) {
          out.coverage[PixelIndex(x + dx, y + dy, out.width)] += v;
        }
      }
    }
  }
  return out;
}

TextMask Thicken(const TextMask& mask, int pixels) {
  TextMask out;
  out.width = mask.width + pixels;
  out.height = mask.height;
  out.coverage.assign(PixelCount(out.width, out.height), 0.0);
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      const double v = mask.coverage[PixelIndex(x, y, mask.width)];
      for (int dx = 0; dx <= pixels; ++dx) {
        double& cell = out.coverage[PixelIndex(x + dx, y, out.width)];
        cell = std::max(cell, v);
      }
    }
  }
  return out;
}

FontFile::FontFile(std::string path, int face_index)
    : path_(std::move(path)), face_index_(face_index) {
  if (TTF_Init() != 0) throw std::runtime_error(std::string("TTF_Init: ") + TTF_GetError());
}

FontFile::~FontFile() {
  TTF_Quit();
}

TextMask FontFile::Render(std::string_view utf8, int pixel_size, bool bold, int spacing) const {
  const std::unique_ptr<TTF_Font, decltype(&TTF_CloseFont)> font(
      TTF_OpenFontIndex(path_.c_str(), pixel_size, face_index_), &TTF_CloseFont);
  if (!font) throw std::runtime_error("cannot open font " + path_ + ": " + TTF_GetError());
  TTF_SetFontStyle(font.get(), bold ? TTF_STYLE_BOLD : TTF_STYLE_NORMAL);
  TTF_SetFontHinting(font.get(), TTF_HINTING_LIGHT);

  // Each character is rendered alone and laid next to the previous one at its advance plus
  // `spacing`; all share the font's line box, so they stay on one baseline.
  std::vector<Surface> glyphs;
  int width = 0;
  int height = 0;
  for (const std::string& character : SplitCharacters(utf8)) {
    Surface glyph(TTF_RenderUTF8_Blended(font.get(), character.c_str(), {255, 255, 255, 255}),
                  &SDL_FreeSurface);
    if (!glyph) throw std::runtime_error(std::string("cannot render text: ") + TTF_GetError());
    Surface argb(SDL_ConvertSurfaceFormat(glyph.get(), SDL_PIXELFORMAT_ARGB8888, 0),
                 &SDL_FreeSurface);
    if (!argb) throw std::runtime_error(std::string("cannot convert text: ") + SDL_GetError());
    width += (glyphs.empty() ? 0 : spacing) + argb->w;
    height = std::max(height, argb->h);
    glyphs.push_back(std::move(argb));
  }

  std::vector<double> coverage(PixelCount(width, height), 0.0);
  int left = 0;
  for (const Surface& glyph : glyphs) {
    for (int y = 0; y < glyph->h; ++y) {
      const auto* row = static_cast<const std::uint8_t*>(glyph->pixels) +
                        static_cast<std::ptrdiff_t>(y) * glyph->pitch;
      for (int x = 0; x < glyph->w; ++x) {
        std::uint32_t pixel = 0;
        SDL_memcpy(&pixel, row + static_cast<std::ptrdiff_t>(x) * 4, 4);
        double& cell = coverage[PixelIndex(left + x, y, width)];
        cell = std::min(1.0, cell + (pixel >> 24) / 255.0);
      }
    }
    left += glyph->w + spacing;
  }
  return Crop(coverage, width, height);
}

}  // namespace n5::artgen

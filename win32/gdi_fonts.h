// The fonts the launcher draws with, and the metrics that measure with exactly those fonts.
#pragma once

#include <windows.h>

#include <string_view>
#include <utility>
#include <vector>

#include "form/text_metrics.h"
#include "form/types.h"

namespace n5::win32 {

// One GDI font per distinct font of the form, made on first use and kept until the end.
class FontCache {
 public:
  FontCache() = default;
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;
  ~FontCache();

  HFONT Get(const form::Font& font);

 private:
  std::vector<std::pair<form::Font, HFONT>> fonts_;
};

// Measures with the cached fonts on a memory device context, in twips (15 to the pixel).
class GdiTextMetrics final : public form::TextMetrics {
 public:
  explicit GdiTextMetrics(FontCache& fonts);
  GdiTextMetrics(const GdiTextMetrics&) = delete;
  GdiTextMetrics& operator=(const GdiTextMetrics&) = delete;
  ~GdiTextMetrics() override;

  form::TextExtent Measure(const form::Font& font, std::string_view text) override;

 private:
  FontCache& fonts_;
  HDC dc_;
  HGDIOBJ original_font_ = nullptr;
};

}  // namespace n5::win32

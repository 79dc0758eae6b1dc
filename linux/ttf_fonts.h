#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include <SDL2/SDL_ttf.h>

#include "form/text_metrics.h"
#include "form/types.h"
#include "linux/font_matcher.h"
#include "linux/mapped_file.h"

namespace n5::linux_ui {

// The fonts the launcher draws with, opened once each on first use, and the text metrics
// the core lays its labels out with: the same fonts, so that what it measures is what shows.
//
// Sizes are points at 96 dpi. SDL_ttf takes whole points, so a font opens at four times its
// size at 24 dpi, which keeps the quarter points of 10.5 and 8.25.
class TtfFonts final : public form::TextMetrics {
 public:
  explicit TtfFonts(std::string language);
  ~TtfFonts() override;
  TtfFonts(const TtfFonts&) = delete;
  TtfFonts& operator=(const TtfFonts&) = delete;

  // The open font for a control's font, or nullptr when none could be opened.
  TTF_Font* Get(const form::Font& font);

  // With no font to measure with, text is estimated as DeterministicTextMetrics does.
  form::TextExtent Measure(const form::Font& font, std::string_view text) override;

 private:
  const std::optional<FontFile>& Resolve(const std::string& face, bool bold);

  std::string language_;
  bool ttf_ready_ = false;
  bool told_no_chinese_ = false;
  std::map<std::pair<std::string, bool>, std::optional<FontFile>> files_;
  std::map<std::string, std::unique_ptr<MappedFile>> mapped_;  // outlive the fonts read from them
  // path, face index, size in quarter points, style
  using OpenKey = std::tuple<std::string, int, int, int>;
  std::map<OpenKey, TTF_Font*> open_;
  form::DeterministicTextMetrics estimate_;
};

}  // namespace n5::linux_ui

#include "linux/ttf_fonts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace n5::linux_ui {
namespace {

constexpr int kQuarterPointDpi = 24;  // 96 dpi / 4
constexpr float kLargestPoints = 500;

}  // namespace

TtfFonts::TtfFonts(std::string language) : language_(std::move(language)) {
  ttf_ready_ = TTF_WasInit() > 0 || TTF_Init() == 0;
}

TtfFonts::~TtfFonts() {
  for (auto& [key, font] : open_) {
    if (font != nullptr) TTF_CloseFont(font);
  }
  if (ttf_ready_) TTF_Quit();
}

const std::optional<FontFile>& TtfFonts::Resolve(const std::string& face, bool bold) {
  auto key = std::make_pair(face, bold);
  auto found = files_.find(key);
  if (found != files_.end()) return found->second;
  std::optional<FontFile> file = MatchFont(face, bold, language_);
  if (KindOfFace(face) != FaceKind::Other && !(file && file->covers_chinese) && !told_no_chinese_) {
    told_no_chinese_ = true;
    std::fputs("n5launcher: no font with Chinese characters found; Chinese text cannot be shown\n",
               stderr);
  }
  return files_.emplace(key, std::move(file)).first->second;
}

TTF_Font* TtfFonts::Get(const form::Font& font) {
  // Sizes no window of this program can show are measured by estimate and not drawn.
  if (!ttf_ready_ || !(font.size > 0 && font.size <= kLargestPoints)) return nullptr;
  const std::optional<FontFile>& file = Resolve(font.face, font.bold);
  if (!file) return nullptr;
  int quarter_points = std::max(1, static_cast<int>(std::lround(font.size * 4)));
  int style = (file->embolden ? TTF_STYLE_BOLD : 0) | (font.underline ? TTF_STYLE_UNDERLINE : 0);
  OpenKey key{file->path, file->index, quarter_points, style};
  auto open = open_.find(key);
  if (open != open_.end()) return open->second;
  std::unique_ptr<MappedFile>& mapping = mapped_[file->path];
  if (!mapping) mapping = std::make_unique<MappedFile>(file->path);
  SDL_RWops* bytes = nullptr;
  if (mapping->data() != nullptr && mapping->size() <= std::numeric_limits<int>::max()) {
    bytes = SDL_RWFromConstMem(mapping->data(), static_cast<int>(mapping->size()));
  }
  // Without a mapping, the file itself.
  if (bytes == nullptr) bytes = SDL_RWFromFile(file->path.c_str(), "rb");
  TTF_Font* opened = bytes == nullptr
                         ? nullptr
                         : TTF_OpenFontIndexDPIRW(bytes, 1, quarter_points, file->index,
                                                  kQuarterPointDpi, kQuarterPointDpi);
  if (opened != nullptr) TTF_SetFontStyle(opened, style);
  open_.emplace(key, opened);  // a font that failed to open is not tried again
  return opened;
}

form::TextExtent TtfFonts::Measure(const form::Font& font, std::string_view text) {
  // An underline changes no width; measuring without it opens no font for it alone.
  form::Font plain = font;
  plain.underline = false;
  TTF_Font* ttf = Get(plain);
  if (ttf == nullptr) return estimate_.Measure(font, text);
  int width = 0;
  int height = 0;
  if (!text.empty()) {
    std::string terminated(text);
    if (TTF_SizeUTF8(ttf, terminated.c_str(), &width, &height) != 0) {
      return estimate_.Measure(font, text);
    }
  }
  return {static_cast<float>(width) * form::kTwipsPerPixel,
          static_cast<float>(TTF_FontHeight(ttf)) * form::kTwipsPerPixel};
}

}  // namespace n5::linux_ui

#include "win32/gdi_fonts.h"

#include <cmath>
#include <string>

#include "win32/pixels.h"
#include "win32/wide.h"

namespace n5::win32 {
namespace {

constexpr int kGb2312 = 134;

HFONT MakeFont(const form::Font& font) {
  // Points to pixels at 96 dpi; a negative height asks for the character height.
  int height = -static_cast<int>(std::lround(font.size * 96.0F / 72.0F));
  std::wstring face = Wide(font.face);
  if (face.size() >= LF_FACESIZE) face.resize(LF_FACESIZE - 1);
  BYTE charset = font.charset == kGb2312 ? GB2312_CHARSET : DEFAULT_CHARSET;
  return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                     font.underline ? TRUE : FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     face.c_str());
}

}  // namespace

FontCache::~FontCache() {
  for (auto& entry : fonts_) DeleteObject(entry.second);
}

HFONT FontCache::Get(const form::Font& font) {
  for (const auto& entry : fonts_) {
    if (entry.first == font) return entry.second;
  }
  HFONT made = MakeFont(font);
  if (made == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_.emplace_back(font, made);
  return made;
}

GdiTextMetrics::GdiTextMetrics(FontCache& fonts) : fonts_(fonts), dc_(CreateCompatibleDC(nullptr)) {
  if (dc_ != nullptr) original_font_ = GetCurrentObject(dc_, OBJ_FONT);
}

GdiTextMetrics::~GdiTextMetrics() {
  if (dc_ == nullptr) return;
  SelectObject(dc_, original_font_);
  DeleteDC(dc_);
}

form::TextExtent GdiTextMetrics::Measure(const form::Font& font, std::string_view text) {
  if (dc_ == nullptr) return {};
  SelectObject(dc_, fonts_.Get(font));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  std::wstring wide = Wide(text);
  SIZE size{};
  if (!wide.empty()) {
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  }
  return {TwipsOf(size.cx), TwipsOf(metrics.tmHeight)};
}

}  // namespace n5::win32

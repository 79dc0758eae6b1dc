#include "win32/form_painter.h"

#include "form/text_layout.h"
#include "win32/resource_ids.h"
#include "win32/wic_pictures.h"
#include "win32/wide.h"

namespace n5::win32 {
namespace {

struct RoleBitmap {
  const char* role;
  int id;
};

constexpr RoleBitmap kBitmaps[] = {
    {"background", N5_PICTURE_BACKGROUND},
    {"normal", N5_PICTURE_NORMAL},
    {"hover", N5_PICTURE_HOVER},
    {"designed", N5_PICTURE_DESIGNED},
    {"help", N5_PICTURE_HELP},
    {"banner", N5_PICTURE_BANNER},
};

COLORREF ColourOf(form::Color c) {
  return RGB(c.r, c.g, c.b);
}

}  // namespace

FormPainter::FormPainter(HINSTANCE instance, FontCache& fonts, form::TextMetrics& metrics)
    : instance_(instance), fonts_(fonts), metrics_(metrics) {}

FormPainter::~FormPainter() {
  if (picture_dc_ != nullptr) {
    SelectObject(picture_dc_, original_picture_object_);
    DeleteDC(picture_dc_);
  }
  if (buffer_dc_ != nullptr) {
    SelectObject(buffer_dc_, original_buffer_object_);
    DeleteDC(buffer_dc_);
  }
  if (buffer_ != nullptr) DeleteObject(buffer_);
  for (auto& entry : bitmaps_) {
    if (entry.second.handle != nullptr) DeleteObject(entry.second.handle);
  }
}

bool FormPainter::Create(int width, int height) {
  HDC screen = GetDC(nullptr);
  buffer_dc_ = CreateCompatibleDC(screen);
  picture_dc_ = CreateCompatibleDC(screen);
  buffer_ = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  if (buffer_dc_ == nullptr || picture_dc_ == nullptr || buffer_ == nullptr) return false;
  original_buffer_object_ = SelectObject(buffer_dc_, buffer_);
  original_picture_object_ = GetCurrentObject(picture_dc_, OBJ_BITMAP);
  SetBkMode(buffer_dc_, TRANSPARENT);
  bounds_ = {0, 0, width, height};
  return true;
}

const FormPainter::Bitmap* FormPainter::PictureOf(const form::PictureRef& picture) {
  if (!picture) return nullptr;
  for (const auto& entry : bitmaps_) {
    if (entry.first == picture->role)
      return entry.second.handle != nullptr ? &entry.second : nullptr;
  }
  Bitmap bitmap;
  for (const RoleBitmap& known : kBitmaps) {
    if (picture->role != known.role) continue;
    // A picture that is missing or does not decode is no picture: its place stays empty.
    DecodedPicture decoded = DecodePictureResource(instance_, known.id);
    bitmap = {decoded.bitmap, decoded.width, decoded.height};
  }
  bitmaps_.emplace_back(picture->role, bitmap);
  return bitmaps_.back().second.handle != nullptr ? &bitmaps_.back().second : nullptr;
}

void FormPainter::Fill(const PixelRect& area, COLORREF colour) {
  if (area.empty()) return;
  RECT rect{area.left, area.top, area.right, area.bottom};
  SetBkColor(buffer_dc_, colour);
  ExtTextOutW(buffer_dc_, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

// A picture at its own size with its corner at (left, top), never scaled, cut off at the clip.
void FormPainter::DrawPicture(const form::PictureRef& picture, int left, int top,
                              const PixelRect& clip) {
  const Bitmap* bitmap = PictureOf(picture);
  if (bitmap == nullptr) return;
  PixelRect target = Intersect({left, top, left + bitmap->width, top + bitmap->height}, clip);
  if (target.empty()) return;
  SelectObject(picture_dc_, bitmap->handle);
  BitBlt(buffer_dc_, target.left, target.top, target.right - target.left,
         target.bottom - target.top, picture_dc_, target.left - left, target.top - top, SRCCOPY);
  SelectObject(picture_dc_, original_picture_object_);
}

void FormPainter::DrawLabel(const form::Window& window, const form::Control& label,
                            const PixelRect& clip) {
  if (!label.transparent()) Fill(clip, ColourOf(label.back_color()));
  std::vector<form::TextLine> lines = form::LayoutLabel(metrics_, label);
  if (lines.empty()) return;
  form::Rect origin = window.ClientRect(label);
  int saved = SaveDC(buffer_dc_);
  IntersectClipRect(buffer_dc_, clip.left, clip.top, clip.right, clip.bottom);
  SelectObject(buffer_dc_, fonts_.Get(label.font()));
  SetTextColor(buffer_dc_, ColourOf(label.fore_color()));
  SetBkMode(buffer_dc_, TRANSPARENT);
  SetTextAlign(buffer_dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  for (const form::TextLine& line : lines) {
    std::wstring text = Wide(line.text);
    TextOutW(buffer_dc_, PixelOf(origin.left + line.x), PixelOf(origin.top + line.y), text.c_str(),
             static_cast<int>(text.size()));
  }
  RestoreDC(buffer_dc_, saved);
}

void FormPainter::Draw(const form::Window& window, const PixelRect& area) {
  PixelRect clip_area = Intersect(area, bounds_);
  if (buffer_dc_ == nullptr || clip_area.empty()) return;
  // The window's own backdrop, which the background picture covers.
  Fill(clip_area, GetSysColor(COLOR_BTNFACE));
  for (const form::Control* control : window.PaintOrder()) {
    PixelRect clip = Intersect(PlacedPixels(window.VisibleRect(*control)), clip_area);
    if (clip.empty()) continue;
    PixelRect placed = PlacedPixels(window.ClientRect(*control));
    switch (control->kind()) {
      case form::ControlKind::PictureBox:
        Fill(clip, ColourOf(control->back_color()));
        DrawPicture(control->picture(), placed.left, placed.top, clip);
        break;
      case form::ControlKind::Image:
        DrawPicture(control->picture(), placed.left, placed.top, clip);
        break;
      case form::ControlKind::Label:
        DrawLabel(window, *control, clip);
        break;
    }
  }
}

void FormPainter::Present(HDC target, const RECT& area) const {
  if (buffer_dc_ == nullptr) return;
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer_dc_,
         area.left, area.top, SRCCOPY);
}

}  // namespace n5::win32

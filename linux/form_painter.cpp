#include "linux/form_painter.h"

#include <utility>

#include <algorithm>
#include <cmath>
#include <string>

#include "form/text_layout.h"
#include "linux/pixel_rects.h"

namespace n5::linux_ui {
namespace {

// Nothing of the window's own backdrop shows behind the background picture; should the
// picture be missing, the window is white, as Windows paints a window's client area.
constexpr SDL_Color kBackdrop{255, 255, 255, 255};

void Fill(SDL_Surface* screen, const SDL_Rect& area, form::Color colour) {
  SDL_Rect r = area;
  SDL_FillRect(screen, &r, SDL_MapRGB(screen->format, colour.r, colour.g, colour.b));
}

int NearestPixel(float twips) {
  return static_cast<int>(std::lround(twips / form::kTwipsPerPixel));
}

}  // namespace

FormPainter::FormPainter(SDL_Window* window, const form::Window& form, TtfFonts& fonts,
                         PictureFiles pictures)
    : window_(window),
      form_(form),
      fonts_(fonts),
      pictures_(SDL_GetWindowPixelFormat(window), std::move(pictures)) {}

FormPainter::~FormPainter() {
  for (auto& [control, renderings] : texts_) {
    for (RenderedText& text : renderings) {
      for (RenderedLine& line : text.lines) SDL_FreeSurface(line.surface);
    }
  }
}

SDL_Surface* FormPainter::Screen() {
  return SDL_GetWindowSurface(window_);
}

void FormPainter::Repaint(const std::vector<form::Rect>& areas) {
  SDL_Surface* screen = Screen();
  if (screen == nullptr || areas.empty()) return;
  const SDL_Rect whole{0, 0, screen->w, screen->h};
  std::vector<SDL_Rect> drawn;
  for (const form::Rect& area : areas) {
    SDL_Rect pixels = CoveredPixels(area);
    SDL_Rect on_screen;
    if (SDL_IntersectRect(&pixels, &whole, &on_screen) == SDL_FALSE) continue;
    Draw(screen, on_screen);
    drawn.push_back(on_screen);
  }
  SDL_SetClipRect(screen, nullptr);
  if (!drawn.empty()) {
    SDL_UpdateWindowSurfaceRects(window_, drawn.data(), static_cast<int>(drawn.size()));
  }
}

void FormPainter::RepaintAll() {
  SDL_Surface* screen = Screen();
  if (screen == nullptr) return;
  Draw(screen, {0, 0, screen->w, screen->h});
  SDL_SetClipRect(screen, nullptr);
  SDL_UpdateWindowSurface(window_);
}

void FormPainter::Present() {
  SDL_UpdateWindowSurface(window_);
}

void FormPainter::Draw(SDL_Surface* screen, const SDL_Rect& area) {
  SDL_SetClipRect(screen, &area);
  SDL_FillRect(screen, &area, SDL_MapRGB(screen->format, kBackdrop.r, kBackdrop.g, kBackdrop.b));
  for (const form::Control* control : form_.PaintOrder()) {
    SDL_Rect visible = PlacedPixels(form_.VisibleRect(*control));
    SDL_Rect clip;
    if (SDL_IntersectRect(&visible, &area, &clip) == SDL_FALSE) continue;
    if (control->kind() == form::ControlKind::Label) {
      DrawLabel(screen, *control, clip);
    } else {
      DrawPicture(screen, *control, clip);
    }
  }
}

void FormPainter::DrawPicture(SDL_Surface* screen, const form::Control& control,
                              const SDL_Rect& clip) {
  SDL_SetClipRect(screen, &clip);
  // A picture box is filled with its back colour where its picture does not reach; an image
  // control has no background of its own.
  if (control.kind() == form::ControlKind::PictureBox) Fill(screen, clip, control.back_color());
  if (!control.picture()) return;
  SDL_Surface* picture = pictures_.ForRole(control.picture()->role);
  if (picture == nullptr) return;
  SDL_Rect corner = PlacedPixels(form_.ClientRect(control));
  SDL_Rect at{corner.x, corner.y, picture->w, picture->h};
  SDL_BlitSurface(picture, nullptr, screen, &at);
}

void FormPainter::DrawLabel(SDL_Surface* screen, const form::Control& label, const SDL_Rect& clip) {
  SDL_SetClipRect(screen, &clip);
  if (!label.transparent()) Fill(screen, clip, label.back_color());
  SDL_Rect corner = PlacedPixels(form_.ClientRect(label));
  for (const RenderedLine& line : Rendered(label).lines) {
    SDL_Rect at{corner.x + line.x, corner.y + line.y, line.surface->w, line.surface->h};
    SDL_BlitSurface(line.surface, nullptr, screen, &at);
  }
}

const FormPainter::RenderedText& FormPainter::Rendered(const form::Control& label) {
  std::vector<RenderedText>& renderings = texts_[&label];
  if (!renderings.empty() && renderings.front().revision == label.revision()) {
    return renderings.front();
  }
  TextLook look{label.caption(), label.font(),      label.fore_color(), label.width(),
                label.height(),  label.alignment(), label.auto_size()};
  auto found = std::find_if(renderings.begin(), renderings.end(),
                            [&](const RenderedText& r) { return r.look == look; });
  if (found != renderings.end()) {
    std::rotate(renderings.begin(), found, found + 1);
    renderings.front().revision = label.revision();
    return renderings.front();
  }
  if (renderings.size() == kRenderingsKept) {
    for (RenderedLine& line : renderings.back().lines) SDL_FreeSurface(line.surface);
    renderings.pop_back();
  }
  renderings.insert(renderings.begin(), RenderedText{std::move(look), label.revision(), {}});
  RenderedText& text = renderings.front();

  TTF_Font* font = fonts_.Get(label.font());
  if (font == nullptr) return text;
  const form::Color fore = label.fore_color();
  const SDL_Color colour{fore.r, fore.g, fore.b, 255};
  for (const form::TextLine& line : form::LayoutLabel(fonts_, label)) {
    if (line.text.empty()) continue;
    SDL_Surface* surface = TTF_RenderUTF8_Blended(font, line.text.c_str(), colour);
    if (surface == nullptr) continue;
    text.lines.push_back({surface, NearestPixel(line.x), NearestPixel(line.y)});
  }
  return text;
}

}  // namespace n5::linux_ui

#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <SDL2/SDL_video.h>

#include "form/window.h"
#include "linux/picture_surfaces.h"
#include "linux/ttf_fonts.h"

namespace n5::linux_ui {

// Draws the core's window on the SDL window's surface: the visible controls back to front,
// each picture at its own size at its control's corner and each caption as the core lays it
// out, all cut off at the control's visible rectangle. Only the areas asked for are drawn and
// sent to the screen. A caption is rendered once per change of its control (by revision).
class FormPainter {
 public:
  FormPainter(SDL_Window* window, const form::Window& form, TtfFonts& fonts,
              PictureFiles pictures = assets::Bytes);
  ~FormPainter();
  FormPainter(const FormPainter&) = delete;
  FormPainter& operator=(const FormPainter&) = delete;

  // Draws the areas (client twips) anew and puts them on the screen.
  void Repaint(const std::vector<form::Rect>& areas);
  // Draws the whole window anew, after the surface itself was replaced.
  void RepaintAll();
  // Puts what was drawn on the screen again, after the X server lost it (expose).
  void Present();

 private:
  struct RenderedLine {
    SDL_Surface* surface = nullptr;
    int x = 0;  // pixels, in the label's own coordinates
    int y = 0;
  };
  // What a caption's pixels depend on; its place does not matter.
  struct TextLook {
    std::string caption;
    form::Font font;
    form::Color colour;
    float width = 0, height = 0;
    form::Alignment alignment = form::Alignment::Left;
    bool one_line = false;
    friend bool operator==(const TextLook&, const TextLook&) = default;
  };
  struct RenderedText {
    TextLook look;
    std::uint64_t revision = 0;  // the label's revision when this rendering was last used
    std::vector<RenderedLine> lines;
  };
  // A label's recent renderings, the latest first: the description label takes turns with a
  // handful of texts, and a highlight that comes back finds its text rendered.
  static constexpr std::size_t kRenderingsKept = 8;

  SDL_Surface* Screen();
  void Draw(SDL_Surface* screen, const SDL_Rect& area);
  void DrawPicture(SDL_Surface* screen, const form::Control& control, const SDL_Rect& clip);
  void DrawLabel(SDL_Surface* screen, const form::Control& label, const SDL_Rect& clip);
  const RenderedText& Rendered(const form::Control& label);

  SDL_Window* window_;
  const form::Window& form_;
  TtfFonts& fonts_;
  PictureSurfaces pictures_;
  std::map<const form::Control*, std::vector<RenderedText>> texts_;
};

}  // namespace n5::linux_ui

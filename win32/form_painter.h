// Draws the form into a back buffer as the core describes it, and copies the buffer to the
// screen. The pictures come from the program's bitmap resources, known by role.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "form/text_metrics.h"
#include "form/window.h"
#include "win32/gdi_fonts.h"
#include "win32/pixels.h"

namespace n5::win32 {

class FormPainter {
 public:
  FormPainter(HINSTANCE instance, FontCache& fonts, form::TextMetrics& metrics);
  FormPainter(const FormPainter&) = delete;
  FormPainter& operator=(const FormPainter&) = delete;
  ~FormPainter();

  // A back buffer the size of the client area, compatible with the screen.
  bool Create(int width, int height);
  // Draws the part of the form that lies in the area into the back buffer: every visible
  // control that meets it, back to front, clipped to the area.
  void Draw(const form::Window& window, const PixelRect& area);
  // Copies the area of the back buffer to a device context.
  void Present(HDC target, const RECT& area) const;

 private:
  struct Bitmap {
    HBITMAP handle = nullptr;
    int width = 0;
    int height = 0;
  };
  const Bitmap* PictureOf(const form::PictureRef& picture);
  void DrawPicture(const form::PictureRef& picture, int left, int top, const PixelRect& clip);
  void Fill(const PixelRect& area, COLORREF colour);
  void DrawLabel(const form::Window& window, const form::Control& label, const PixelRect& clip);

  HINSTANCE instance_;
  FontCache& fonts_;
  form::TextMetrics& metrics_;
  HDC buffer_dc_ = nullptr;
  HBITMAP buffer_ = nullptr;
  HGDIOBJ original_buffer_object_ = nullptr;
  HDC picture_dc_ = nullptr;
  HGDIOBJ original_picture_object_ = nullptr;
  PixelRect bounds_;
  std::vector<std::pair<std::string, Bitmap>> bitmaps_;
};

}  // namespace n5::win32

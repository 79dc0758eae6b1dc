#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace n5::form {

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

// Fonts as the window designer knows them. Sizes are in points; bold means weight 700.
struct Font {
  std::string face;
  float size = 0;
  bool bold = false;
  bool underline = false;
  int charset = 0;  // 0 = default, 134 = GB2312
  friend bool operator==(const Font&, const Font&) = default;
};

// A rectangle in twips: x to the right, y downwards.
struct Rect {
  float left = 0, top = 0, width = 0, height = 0;
  float right() const { return left + width; }
  float bottom() const { return top + height; }
  bool empty() const { return width <= 0 || height <= 0; }
  // Half-open: the left and top edges belong to the rectangle, the right and bottom do not.
  bool Contains(float x, float y) const {
    return x >= left && x < right() && y >= top && y < bottom();
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

Rect Intersect(const Rect& a, const Rect& b);
Rect Union(const Rect& a, const Rect& b);

// The mouse-pointer property of a control: which cursor shows over it.
enum class MousePointer : std::int16_t { Default = 0, Arrow = 1, ArrowQuestion = 14, Custom = 99 };

enum class Alignment { Left, Center };

enum class ControlKind { PictureBox, Label, Image };

// A picture carried in the program: its pixels live with the front end, which knows them by
// role. Controls share a picture by holding the same object.
struct Picture {
  std::string role;
  int width = 0;  // pixels
  int height = 0;
};
using PictureRef = std::shared_ptr<const Picture>;

// A cursor carried in the program, known to the front end by role.
struct Cursor {
  std::string role;
  int width = 0, height = 0;
  int hotspot_x = 0, hotspot_y = 0;
};
using CursorRef = std::shared_ptr<const Cursor>;

inline constexpr float kTwipsPerPixel = 15.0F;

}  // namespace n5::form

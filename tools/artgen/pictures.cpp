#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace n5::artgen {
namespace {

using n5::assets::kBackgroundProbe;
using n5::assets::kDesignedItemProbe;
using n5::assets::kHoverItemProbe;
using n5::assets::kNormalItemProbe;

constexpr Colour kBlack{0, 0, 0};
constexpr Colour kWhite{255, 255, 255};

// The light band that carries the black footer text; the help button sits on it too.
constexpr int kFooterTop = 350;
constexpr Colour kFooterTopColour{240, 244, 250};
constexpr Colour kFooterBottomColour{216, 225, 238};
constexpr Colour kGold{226, 170, 46};

void Frame(Canvas& c, Colour colour) {
  for (int x = 0; x < c.width(); ++x) {
    c.Set(x, 0, colour);
    c.Set(x, c.height() - 1, colour);
  }
  for (int y = 0; y < c.height(); ++y) {
    c.Set(0, y, colour);
    c.Set(c.width() - 1, y, colour);
  }
}

void PlaceText(Canvas& c, const TextMask& text, int left, int top, Colour colour, Colour shadow,
               double shadow_opacity) {
  if (shadow_opacity > 0) {
    const int radius = 2;
    c.Stamp(Blur(text, radius).coverage, text.width + 2 * radius, left + 1 - radius,
            top + 2 - radius, shadow, shadow_opacity);
  }
  c.Stamp(text.coverage, text.width, left, top, colour);
}

// A bar of the menu: `upper` is the colour from the top edge down to row 6 (where the probes
// lie), easing into `upper_end` at the middle; the lower half runs from `lower_start` back up
// to `lower_end`, the classic glass look. `edge` rims the bar when given.
struct BarLook {
  Colour upper;
  Colour upper_end;
  Colour lower_start;
  Colour lower_end;
  bool has_edge = false;
  Colour edge;
  Colour inner_highlight;
};

constexpr int kBarWidth = 165;
constexpr int kBarHeight = 34;
constexpr int kBarMiddle = 17;
constexpr int kBarFlatRows = 7;  // rows 0..6 keep `upper`, so the probes at rows 2..6 are flat

Canvas DrawBar(const BarLook& look) {
  Canvas c(kBarWidth, kBarHeight, look.upper);
  c.Paint([&](double, double y) {
    if (y < kBarMiddle) {
      return Mix(look.upper, look.upper_end, SmoothStep(kBarFlatRows, kBarMiddle, y));
    }
    return Mix(look.lower_start, look.lower_end, SmoothStep(kBarMiddle, kBarHeight, y));
  });
  if (look.has_edge) {
    // A one-pixel rim with a lighter line just inside its top and left, like lit glass.
    for (int x = 1; x < kBarWidth - 1; ++x) c.Blend(x, 1, look.inner_highlight, 0.8);
    for (int y = 1; y < kBarHeight - 1; ++y) c.Blend(1, y, look.inner_highlight, 0.5);
    Frame(c, look.edge);
  }
  return c;
}

}  // namespace

Canvas DrawBackground(const FontFile& font) {
  constexpr int kWidth = 502;
  constexpr int kHeight = 387;
  const Colour left_top{48, 114, 196};
  const Colour left_bottom{30, 86, 168};
  const Colour right_top{28, 78, 156};
  const Colour right_bottom = FromRgb(kBackgroundProbe.colour);

  Canvas c(kWidth, kHeight, right_bottom);
  // Deeper blue to the right, where the white description is written, and downwards; both
  // ramps end flat (from y 290 and from x 340), which is where the probe point lies.
  c.Paint([&](double x, double y) {
    const double down = SmoothStep(0, 290, y);
    return Mix(Mix(left_top, left_bottom, down), Mix(right_top, right_bottom, down),
               SmoothStep(120, 340, x));
  });

  // A soft light falling on the title from the upper left.
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const double d = std::hypot(x + 0.5 - 130, (y + 0.5 - 20) * 1.6) / 300;
      if (d < 1) c.Blend(x, y, {120, 190, 255}, 0.22 * (1 - d) * (1 - d));
    }
  }

  // The disc motif: translucent concentric circles rising from the upper right, fading out
  // before they reach the description text.
  const auto fade = [](double, double y) { return 1 - SmoothStep(40, 190, y); };
  const struct {
    double radius;
    double fill;
    double ring;
  } discs[] = {{170, 0.035, 0.10}, {128, 0.035, 0.09}, {86, 0.04, 0.08}, {44, 0.05, 0.10}};
  for (const auto& d : discs) {
    const Distance disc = Circle(440, 18, d.radius);
    const Distance rim = Ring(440, 18, d.radius, 0.6);
    for (int y = 0; y < 200; ++y) {
      for (int x = 200; x < kWidth; ++x) {
        const double px = x + 0.5;
        const double py = y + 0.5;
        const double f = fade(px, py);
        c.Blend(x, y, kWhite, std::clamp(0.5 - disc(px, py), 0.0, 1.0) * d.fill * f);
        c.Blend(x, y, {170, 215, 255}, std::clamp(0.5 - rim(px, py), 0.0, 1.0) * d.ring * f);
      }
    }
  }

  // A thin luminous sweep between the heading and the menu.
  for (int x = 16; x < kWidth - 16; ++x) {
    const double px = x + 0.5;
    const double centre = 111 - 9 * std::sin(std::numbers::pi * px / kWidth);
    const double strength = SmoothStep(16, 140, px) * (1 - SmoothStep(380, kWidth - 16, px));
    for (int y = 92; y < 120; ++y) {
      const double d = std::abs(y + 0.5 - centre);
      c.Blend(x, y, {150, 205, 255}, strength * 0.55 * std::clamp(1.2 - d, 0.0, 1.0));
      c.Blend(x, y, {150, 205, 255}, strength * 0.07 * std::max(0.0, 1 - d / 7));
    }
  }

  // A fainter echo of it above the footer, fading out long before the probe point.
  for (int x = 16; x < 400; ++x) {
    const double px = x + 0.5;
    const double centre = 338 - 16 * std::sin(std::numbers::pi * px / 560);
    const double strength = SmoothStep(16, 120, px) * (1 - SmoothStep(240, 400, px));
    for (int y = 312; y < kFooterTop - 3; ++y) {
      const double d = std::abs(y + 0.5 - centre);
      c.Blend(x, y, {150, 205, 255}, strength * 0.30 * std::clamp(1.2 - d, 0.0, 1.0));
      c.Blend(x, y, {150, 205, 255}, strength * 0.05 * std::max(0.0, 1 - d / 6));
    }
  }

  // Title and welcome line.
  const Colour shadow{6, 26, 70};
  PlaceText(c, font.Render("N5-企业管理软件", 30, true, 1), 24, 28, kWhite, shadow, 0.55);
  PlaceText(c, font.Render("欢迎使用【N5-企业管理软件】", 14, false), 25, 75, {222, 236, 255},
            shadow, 0.35);

  // Footer band: a gold rule over a light, slightly graded strip for the black footer text.
  for (int x = 0; x < kWidth; ++x) {
    c.Blend(x, kFooterTop - 3, kBlack, 0.10);
    c.Blend(x, kFooterTop - 2, kBlack, 0.22);
    c.Set(x, kFooterTop - 1, kGold);
    for (int y = kFooterTop; y < kHeight; ++y) {
      c.Set(x, y,
            Mix(kFooterTopColour, kFooterBottomColour, SmoothStep(kFooterTop, kHeight, y + 0.5)));
    }
    c.Blend(x, kFooterTop, kWhite, 0.7);
  }

  Frame(c, kBlack);
  return c;
}

Canvas DrawNormalItem() {
  // Two flat tones; the upper one is the probe colour.
  Canvas c(kBarWidth, kBarHeight, FromRgb(kNormalItemProbe.colour));
  const Colour lower{188, 210, 241};
  for (int y = kBarMiddle; y < kBarHeight; ++y) {
    for (int x = 0; x < kBarWidth; ++x) c.Set(x, y, lower);
  }
  return c;
}

Canvas DrawHoverItem() {
  BarLook look;
  look.upper = FromRgb(kHoverItemProbe.colour);
  look.upper_end = {255, 214, 98};
  look.lower_start = {246, 184, 38};
  look.lower_end = {255, 216, 102};
  look.has_edge = true;
  look.edge = {170, 112, 16};
  look.inner_highlight = {255, 250, 222};
  return DrawBar(look);
}

Canvas DrawDesignedItem() {
  BarLook look;
  look.upper = FromRgb(kDesignedItemProbe.colour);
  look.upper_end = {194, 222, 250};
  look.lower_start = {160, 200, 244};
  look.lower_end = {200, 228, 253};
  look.has_edge = true;
  look.edge = kWhite;
  look.inner_highlight = kWhite;
  return DrawBar(look);
}

Canvas DrawHelpIcon(const FontFile& font) {
  // Drawn for the footer band, so its corners carry the band's colour at its height.
  Canvas c(19, 18, Mix(kFooterTopColour, kFooterBottomColour, 0.4));
  const double cx = 9.5;
  const double cy = 9.0;
  c.Fill(Circle(cx, cy + 0.4, 8.6), {10, 30, 80}, 0.35);  // soft drop shadow
  c.Fill(Circle(cx, cy, 8.4), {22, 66, 150});
  c.Fill(Circle(cx, cy, 7.4), [&](double x, double y) {
    const double t = std::clamp(((x - cx) + (y - cy)) / 14 + 0.5, 0.0, 1.0);
    return Mix({92, 156, 232}, {30, 92, 192}, t);
  });
  c.Fill(RoundedBox(4.5, 2.2, 14.5, 8.5, 3.2), kWhite, 0.28);  // gloss
  const TextMask mark = font.Render("?", 15, true);
  c.Stamp(mark.coverage, mark.width, static_cast<int>(std::lround(cx - mark.width / 2.0)),
          static_cast<int>(std::lround(cy - mark.height / 2.0)), kWhite);
  return c;
}

Canvas DrawBanner(const FontFile& font) {
  constexpr int kWidth = 199;
  constexpr int kHeight = 17;
  Canvas c(kWidth, kHeight, {20, 60, 140});
  c.Paint([](double x, double y) {
    const Colour left{18, 56, 132};
    const Colour right{64, 136, 214};
    Colour base = Mix(left, right, SmoothStep(0, kWidth, x));
    return Mix(base, kWhite, y < kHeight / 2.0 ? 0.18 * (1 - y / kHeight) : 0.0);
  });
  // A gold tab carrying the short product name, then light chevrons trailing off.
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < 30; ++x) c.Set(x, y, Mix({250, 206, 90}, {216, 152, 30}, y / 16.0));
  }
  const TextMask name = font.Render("N5", 13, true, 1);
  c.Stamp(name.coverage, name.width, 15 - name.width / 2, (kHeight - name.height) / 2,
          {12, 32, 76});
  for (int i = 0; i < 6; ++i) {
    const double x0 = 40 + i * 12;
    const double opacity = 0.45 * (1 - i / 6.0);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const double px = x + 0.5;
        const double py = y + 0.5;
        const double d = std::abs(px - x0 + std::abs(py - kHeight / 2.0) * 0.6) - 1.4;
        c.Blend(x, y, kWhite, std::clamp(0.5 - d, 0.0, 1.0) * opacity * (py > 3 && py < 14));
      }
    }
  }
  Frame(c, {12, 36, 90});
  return c;
}

}  // namespace n5::artgen

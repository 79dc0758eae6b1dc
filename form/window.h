#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "form/control.h"
#include "form/text_metrics.h"
#include "form/types.h"

namespace n5::form {

// The cursor that shows over a point: the standard arrow, the arrow with a question mark, or
// a cursor carried in the program.
struct CursorChoice {
  MousePointer shape = MousePointer::Arrow;  // Arrow, ArrowQuestion or Custom
  CursorRef custom;                          // set when shape is Custom
};

// A borderless top-level window and its controls, in the order of its definition, which runs
// from front to back. The window routes pointer and key events to the bound handlers, keeps
// the area that needs repainting, and ends when it is unloaded.
//
// An error that leaves a handler is caught here and dropped: nothing a handler does can end
// or break the program, and the window stays as the handler left it.
class Window {
 public:
  explicit Window(TextMetrics& metrics);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Adds a control behind all that exist; a contained control comes after its container.
  Control& Add(ControlKind kind, std::string name, int index = -1, Control* container = nullptr);
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

  TextMetrics& metrics() const { return metrics_; }

  const std::string& caption() const { return caption_; }
  void SetCaption(std::string value);
  // Without a border the outer size equals the client area.
  float width() const { return width_; }
  float height() const { return height_; }
  void SetSize(float width, float height);
  const Font& font() const { return font_; }
  void SetFont(Font value) { font_ = std::move(value); }
  const PictureRef& icon() const { return icon_; }
  void SetIcon(PictureRef value) { icon_ = std::move(value); }
  MousePointer mouse_pointer() const { return mouse_pointer_; }
  void SetMousePointer(MousePointer value) { mouse_pointer_ = value; }
  bool key_preview() const { return key_preview_; }
  void SetKeyPreview(bool value) { key_preview_ = value; }

  // Event handlers of the window itself.
  std::function<void()> on_load;
  std::function<void(std::int16_t& key_code, std::int16_t shift)> on_key_down;

  // Events, as the front end delivers them. Positions are client coordinates in twips.
  void Load();
  void KeyDown(std::int16_t key_code, std::int16_t shift = 0);
  void MouseMove(float x, float y, std::int16_t button = 0, std::int16_t shift = 0);
  // A click is a press and a release over the same control.
  void MouseDown(float x, float y);
  void MouseUp(float x, float y);
  void Click(float x, float y);

  // The frontmost visible control under a client point: over a picture box the contained
  // label under the point, or the box itself; elsewhere the first label or image in the
  // definition whose rectangle holds the point, transparent or not. Hidden controls are
  // passed over. nullptr outside every control.
  Control* ControlAt(float x, float y) const;
  CursorChoice CursorAt(float x, float y) const;

  // The visible controls in the order to draw them, back to front: the labels and images of
  // the window, then each picture box followed by the labels it contains.
  std::vector<const Control*> PaintOrder() const;

  // A control's rectangle in client coordinates, and the part of it its container shows.
  Rect ClientRect(const Control& control) const;
  Rect VisibleRect(const Control& control) const;

  // Unloading ends the window for good; events that come afterwards are ignored.
  void Unload() { unloaded_ = true; }
  bool unloaded() const { return unloaded_; }

  // The areas changed since the last call (client twips), merged where they overlap.
  std::vector<Rect> TakeDamage();
  bool damaged() const;
  void Invalidate(const Rect& area);
  // A label whose size waits to be measured: measured at the latest when the damage is taken.
  void NoteSizePending(const Control& control) { size_pending_.push_back(&control); }

 private:
  template <typename Handler>
  void Dispatch(Handler&& handler);

  TextMetrics& metrics_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::string caption_;
  float width_ = 0;
  float height_ = 0;
  Font font_;
  PictureRef icon_;
  MousePointer mouse_pointer_ = MousePointer::Default;
  bool key_preview_ = false;
  bool unloaded_ = false;
  Control* pressed_ = nullptr;
  std::vector<Rect> damage_;
  std::vector<const Control*> size_pending_;
};

}  // namespace n5::form

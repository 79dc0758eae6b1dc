#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "form/types.h"

namespace n5::form {

class Window;

// The arguments of a MouseMove event: the buttons held, the modifier keys, and the pointer's
// position in the receiving control's own coordinates (twips).
struct MouseArgs {
  std::int16_t button = 0;
  std::int16_t shift = 0;
  float x = 0;
  float y = 0;
};

// One control of a window: a picture box, a label or an image. Plain properties with setters;
// a setter that changes what the user sees tells the window which area to repaint, and a
// label or picture that sizes itself takes its new size at once.
class Control {
 public:
  Control(Window& window, ControlKind kind, std::string name, int index, Control* container);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }  // -1 when the control is not in a control array
  std::string DisplayName() const;      // "pcb(0)", "lblShowInfo"
  Control* container() const { return container_; }  // nullptr: the window itself
  Window& window() const { return window_; }

  float left() const { return rect_.left; }
  float top() const { return rect_.top; }
  // A label that sizes itself to its caption is measured when its size is first read after a
  // change, not at the change: start-up changes captions and fonts several times before it
  // reads a size, and each font measured is a font opened.
  float width() const {
    ResolveWidth();
    return rect_.width;
  }
  float height() const {
    ResolveHeight();
    return rect_.height;
  }
  const Rect& rect() const {  // in the container's coordinates
    ResolveWidth();
    ResolveHeight();
    return rect_;
  }
  bool size_pending() const { return width_pending_ || height_pending_; }
  void SetLeft(float value);
  void SetTop(float value);
  void SetWidth(float value);
  void SetHeight(float value);

  bool visible() const { return visible_; }
  void SetVisible(bool value);

  const std::string& caption() const { return caption_; }
  void SetCaption(std::string value);

  const Font& font() const { return font_; }
  void SetFont(Font value);
  void SetFontFace(std::string face);
  void SetFontSize(float size);
  void SetFontBold(bool bold);
  void SetFontUnderline(bool underline);

  Color fore_color() const { return fore_color_; }
  void SetForeColor(Color value);
  Color back_color() const { return back_color_; }
  void SetBackColor(Color value);

  Alignment alignment() const { return alignment_; }
  void SetAlignment(Alignment value);
  bool transparent() const { return transparent_; }  // back style: paints no background
  void SetTransparent(bool value);
  bool auto_size() const { return auto_size_; }
  void SetAutoSize(bool value);
  bool stretch() const { return stretch_; }  // images: scale the picture to the control
  void SetStretch(bool value);
  int appearance() const { return appearance_; }  // 0 flat, 1 three-dimensional
  void SetAppearance(int value) { appearance_ = value; }
  int border_style() const { return border_style_; }  // 0 none, 1 fixed single
  void SetBorderStyle(int value) { border_style_ = value; }
  int tab_index() const { return tab_index_; }
  void SetTabIndex(int value) { tab_index_ = value; }

  MousePointer mouse_pointer() const { return mouse_pointer_; }
  void SetMousePointer(MousePointer value) { mouse_pointer_ = value; }
  const CursorRef& mouse_icon() const { return mouse_icon_; }
  void SetMouseIcon(CursorRef value) { mouse_icon_ = std::move(value); }

  const PictureRef& picture() const { return picture_; }
  void SetPicture(PictureRef value);

  // Counts every change the user could see; a front end caches what it drew per revision.
  std::uint64_t revision() const { return revision_; }

  // Event handlers; an empty one means the event is not handled.
  std::function<void(Control&, const MouseArgs&)> on_mouse_move;
  std::function<void(Control&)> on_click;

 private:
  void Changed();  // repaint the control where it stands
  void Moved(const Rect& before);
  void FitToContent();  // auto-sizing labels, picture boxes and unstretched images
  void ResolveWidth() const;
  void ResolveHeight() const;
  void Resolved() const;  // repaints where the label now stands once its size is known

  Window& window_;
  ControlKind kind_;
  std::string name_;
  int index_;
  Control* container_;

  Rect rect_;
  bool visible_ = true;
  std::string caption_;
  Font font_;
  Color fore_color_;
  Color back_color_{255, 255, 255};
  Alignment alignment_ = Alignment::Left;
  bool transparent_ = false;
  bool auto_size_ = false;
  bool stretch_ = false;
  int appearance_ = 1;
  int border_style_ = 0;
  int tab_index_ = 0;
  MousePointer mouse_pointer_ = MousePointer::Default;
  CursorRef mouse_icon_;
  PictureRef picture_;
  std::uint64_t revision_ = 0;
  // The label's size waits to be measured; the area it showed before is already repainted.
  mutable bool width_pending_ = false;
  mutable bool height_pending_ = false;
};

}  // namespace n5::form

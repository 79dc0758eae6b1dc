#include "form/control.h"

#include "form/window.h"

namespace n5::form {

Control::Control(Window& window, ControlKind kind, std::string name, int index, Control* container)
    : window_(window), kind_(kind), name_(std::move(name)), index_(index), container_(container) {}

std::string Control::DisplayName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::Changed() {
  ++revision_;
  // While its size waits to be measured, the label's old area is already marked and its new
  // one will be once the size is known.
  if (size_pending()) return;
  for (const Control* c = this; c != nullptr; c = c->container()) {
    if (!c->visible()) return;
  }
  window_.Invalidate(window_.VisibleRect(*this));
}

void Control::Moved(const Rect& before) {
  if (size_pending()) return;
  Rect now = rect_;
  rect_ = before;
  Changed();  // the area it leaves
  rect_ = now;
  Changed();  // the area it takes
}

void Control::SetLeft(float value) {
  if (value == rect_.left) return;
  Rect before = rect_;
  rect_.left = value;
  Moved(before);
}

void Control::SetTop(float value) {
  if (value == rect_.top) return;
  Rect before = rect_;
  rect_.top = value;
  Moved(before);
}

void Control::SetWidth(float value) {
  ResolveWidth();
  if (value == rect_.width) return;
  Rect before = rect_;
  rect_.width = value;
  Moved(before);
}

void Control::SetHeight(float value) {
  ResolveHeight();
  if (value == rect_.height) return;
  Rect before = rect_;
  rect_.height = value;
  Moved(before);
}

void Control::SetVisible(bool value) {
  if (value == visible_) return;
  if (visible_) Changed();
  visible_ = value;
  if (visible_) Changed();
}

void Control::SetCaption(std::string value) {
  if (value == caption_) return;
  caption_ = std::move(value);
  Changed();
  FitToContent();
}

void Control::SetFont(Font value) {
  if (value == font_) return;
  font_ = std::move(value);
  Changed();
  FitToContent();
}

void Control::SetFontFace(std::string face) {
  Font font = font_;
  font.face = std::move(face);
  SetFont(std::move(font));
}

void Control::SetFontSize(float size) {
  Font font = font_;
  font.size = size;
  SetFont(std::move(font));
}

void Control::SetFontBold(bool bold) {
  Font font = font_;
  font.bold = bold;
  SetFont(std::move(font));
}

void Control::SetFontUnderline(bool underline) {
  Font font = font_;
  font.underline = underline;
  SetFont(std::move(font));
}

void Control::SetForeColor(Color value) {
  if (value == fore_color_) return;
  fore_color_ = value;
  Changed();
}

void Control::SetBackColor(Color value) {
  if (value == back_color_) return;
  back_color_ = value;
  Changed();
}

void Control::SetAlignment(Alignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Changed();
}

void Control::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Changed();
}

void Control::SetAutoSize(bool value) {
  auto_size_ = value;
  FitToContent();
}

void Control::SetStretch(bool value) {
  stretch_ = value;
  FitToContent();
}

void Control::SetPicture(PictureRef value) {
  if (value == picture_) return;
  picture_ = std::move(value);
  Changed();
  FitToContent();
}

void Control::FitToContent() {
  switch (kind_) {
    case ControlKind::Label:
      if (auto_size_) {
        if (!size_pending()) window_.NoteSizePending(*this);
        width_pending_ = true;
        height_pending_ = true;
      }
      break;
    case ControlKind::PictureBox:
    case ControlKind::Image:
      if (picture_ && (kind_ == ControlKind::PictureBox ? auto_size_ : !stretch_)) {
        SetWidth(static_cast<float>(picture_->width) * kTwipsPerPixel);
        SetHeight(static_cast<float>(picture_->height) * kTwipsPerPixel);
      }
      break;
  }
}

void Control::ResolveWidth() const {
  if (!width_pending_) return;
  width_pending_ = false;
  const_cast<Control*>(this)->rect_.width = window_.metrics().Measure(font_, caption_).width;
  Resolved();
}

void Control::ResolveHeight() const {
  if (!height_pending_) return;
  height_pending_ = false;
  const_cast<Control*>(this)->rect_.height = window_.metrics().LineHeight(font_);
  Resolved();
}

void Control::Resolved() const {
  if (size_pending()) return;
  for (const Control* c = this; c != nullptr; c = c->container()) {
    if (!c->visible()) return;
  }
  window_.Invalidate(window_.VisibleRect(*this));
}

}  // namespace n5::form

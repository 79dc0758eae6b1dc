#include "form/window.h"

namespace n5::form {

Window::Window(TextMetrics& metrics) : metrics_(metrics) {}

Control& Window::Add(ControlKind kind, std::string name, int index, Control* container) {
  controls_.push_back(std::make_unique<Control>(*this, kind, std::move(name), index, container));
  return *controls_.back();
}

void Window::SetCaption(std::string value) {
  caption_ = std::move(value);
}

void Window::SetSize(float width, float height) {
  width_ = width;
  height_ = height;
  Invalidate({0, 0, width, height});
}

template <typename Handler>
void Window::Dispatch(Handler&& handler) {
  if (unloaded_) return;
  try {
    handler();
  } catch (...) {
    // An error no handler dealt with: dropped, so that the launcher keeps running.
  }
}

void Window::Load() {
  if (on_load) Dispatch(on_load);
}

void Window::KeyDown(std::int16_t key_code, std::int16_t shift) {
  if (on_key_down) Dispatch([&] { on_key_down(key_code, shift); });
}

void Window::MouseMove(float x, float y, std::int16_t button, std::int16_t shift) {
  Control* target = ControlAt(x, y);
  if (target == nullptr || !target->on_mouse_move) return;
  Rect where = ClientRect(*target);
  MouseArgs args{button, shift, x - where.left, y - where.top};
  Dispatch([&] { target->on_mouse_move(*target, args); });
}

void Window::MouseDown(float x, float y) {
  pressed_ = ControlAt(x, y);
}

void Window::MouseUp(float x, float y) {
  Control* pressed = pressed_;
  pressed_ = nullptr;
  if (pressed == nullptr || pressed != ControlAt(x, y) || !pressed->on_click) return;
  Dispatch([&] { pressed->on_click(*pressed); });
}

void Window::Click(float x, float y) {
  MouseDown(x, y);
  MouseUp(x, y);
}

Control* Window::ControlAt(float x, float y) const {
  // Picture boxes lie in front of the labels and images of their container.
  for (const auto& box : controls_) {
    if (box->kind() != ControlKind::PictureBox || box->container() != nullptr) continue;
    if (!box->visible() || !box->rect().Contains(x, y)) continue;
    float inner_x = x - box->left();
    float inner_y = y - box->top();
    for (const auto& child : controls_) {
      if (child->container() == box.get() && child->visible() &&
          child->rect().Contains(inner_x, inner_y)) {
        return child.get();
      }
    }
    return box.get();
  }
  for (const auto& control : controls_) {
    if (control->kind() == ControlKind::PictureBox || control->container() != nullptr) continue;
    if (control->visible() && control->rect().Contains(x, y)) return control.get();
  }
  return nullptr;
}

CursorChoice Window::CursorAt(float x, float y) const {
  const Control* control = ControlAt(x, y);
  MousePointer pointer = control != nullptr ? control->mouse_pointer() : mouse_pointer_;
  static const CursorRef kNone;
  const CursorRef& icon = control != nullptr ? control->mouse_icon() : kNone;
  switch (pointer) {
    case MousePointer::Custom:
      // A custom pointer without a cursor of its own shows the standard arrow.
      if (icon) return {MousePointer::Custom, icon};
      return {};
    case MousePointer::ArrowQuestion:
      return {MousePointer::ArrowQuestion, nullptr};
    default:
      return {};
  }
}

std::vector<const Control*> Window::PaintOrder() const {
  std::vector<const Control*> order;
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    const Control& c = **it;
    if (c.visible() && c.container() == nullptr && c.kind() != ControlKind::PictureBox) {
      order.push_back(&c);
    }
  }
  for (auto box = controls_.rbegin(); box != controls_.rend(); ++box) {
    if (!(*box)->visible() || (*box)->container() != nullptr ||
        (*box)->kind() != ControlKind::PictureBox) {
      continue;
    }
    order.push_back(box->get());
    for (auto child = controls_.rbegin(); child != controls_.rend(); ++child) {
      if ((*child)->visible() && (*child)->container() == box->get()) order.push_back(child->get());
    }
  }
  return order;
}

Rect Window::ClientRect(const Control& control) const {
  Rect rect = control.rect();
  for (const Control* c = control.container(); c != nullptr; c = c->container()) {
    rect.left += c->left();
    rect.top += c->top();
  }
  return rect;
}

Rect Window::VisibleRect(const Control& control) const {
  Rect rect = ClientRect(control);
  for (const Control* c = control.container(); c != nullptr; c = c->container()) {
    rect = Intersect(rect, ClientRect(*c));
  }
  return Intersect(rect, {0, 0, width_, height_});
}

void Window::Invalidate(const Rect& area) {
  if (area.empty()) return;
  Rect merged = area;
  // Fold every overlapping area into the new one, so the list stays small and disjoint.
  for (bool folded = true; folded;) {
    folded = false;
    for (auto it = damage_.begin(); it != damage_.end(); ++it) {
      if (!Intersect(*it, merged).empty()) {
        merged = Union(merged, *it);
        damage_.erase(it);
        folded = true;
        break;
      }
    }
  }
  damage_.push_back(merged);
  constexpr std::size_t kMostAreas = 8;
  if (damage_.size() > kMostAreas) {
    Rect all;
    for (const Rect& r : damage_) all = Union(all, r);
    damage_.assign(1, all);
  }
}

bool Window::damaged() const {
  if (!damage_.empty()) return true;
  for (const Control* c : size_pending_) {
    if (c->size_pending() && c->visible()) return true;
  }
  return false;
}

std::vector<Rect> Window::TakeDamage() {
  // A visible label's new size is part of what needs repainting; a hidden one can wait.
  std::vector<const Control*> pending;
  pending.swap(size_pending_);
  for (const Control* c : pending) {
    if (c->size_pending() && c->visible()) {
      (void)c->rect();
    } else if (c->size_pending()) {
      size_pending_.push_back(c);
    }
  }
  std::vector<Rect> taken;
  taken.swap(damage_);
  return taken;
}

}  // namespace n5::form

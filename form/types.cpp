#include "form/types.h"

#include <algorithm>

namespace n5::form {

Rect Intersect(const Rect& a, const Rect& b) {
  float left = std::max(a.left, b.left);
  float top = std::max(a.top, b.top);
  float right = std::min(a.right(), b.right());
  float bottom = std::min(a.bottom(), b.bottom());
  if (right <= left || bottom <= top) return {};
  return {left, top, right - left, bottom - top};
}

Rect Union(const Rect& a, const Rect& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  float left = std::min(a.left, b.left);
  float top = std::min(a.top, b.top);
  return {left, top, std::max(a.right(), b.right()) - left, std::max(a.bottom(), b.bottom()) - top};
}

}  // namespace n5::form

#include "win32/launcher_window.h"

#include <windowsx.h>

#include <cstdint>
#include <exception>
#include <string>

#include "win32/pixels.h"
#include "win32/resource_ids.h"
#include "win32/wide.h"

namespace n5::win32 {
namespace {

constexpr wchar_t kClassName[] = L"N5LauncherWindow";

// The modifier keys held, as the form's events take them: Shift 1, Ctrl 2, Alt 4.
std::int16_t ShiftMask() {
  std::int16_t mask = 0;
  if (GetKeyState(VK_SHIFT) < 0) mask |= 1;
  if (GetKeyState(VK_CONTROL) < 0) mask |= 2;
  if (GetKeyState(VK_MENU) < 0) mask |= 4;
  return mask;
}

// The mouse buttons held, from a mouse message's key state: left 1, right 2, middle 4.
std::int16_t ButtonMask(WPARAM keys) {
  std::int16_t mask = 0;
  if ((keys & MK_LBUTTON) != 0) mask |= 1;
  if ((keys & MK_RBUTTON) != 0) mask |= 2;
  if ((keys & MK_MBUTTON) != 0) mask |= 4;
  return mask;
}

float TwipsX(LPARAM lparam) {
  return TwipsOf(GET_X_LPARAM(lparam));
}
float TwipsY(LPARAM lparam) {
  return TwipsOf(GET_Y_LPARAM(lparam));
}

}  // namespace

LauncherWindow::LauncherWindow(HINSTANCE instance, form::Window& form, FormPainter& painter)
    : instance_(instance), form_(form), painter_(painter) {}

HWND LauncherWindow::Create(int show_command) {
  arrow_ = LoadCursorW(nullptr, IDC_ARROW);
  help_ = LoadCursorW(nullptr, IDC_HELP);
  hand_ = LoadCursorW(instance_, MAKEINTRESOURCEW(N5_CURSOR_HAND));
  colour_hand_ = LoadCursorW(instance_, MAKEINTRESOURCEW(N5_CURSOR_COLOUR_HAND));

  WNDCLASSEXW type{};
  type.cbSize = sizeof(type);
  type.lpfnWndProc = &LauncherWindow::Procedure;
  type.hInstance = instance_;
  type.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(N5_ICON_PROGRAM));
  type.hIconSm = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(N5_ICON_PROGRAM),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
  type.hCursor = arrow_;
  type.lpszClassName = kClassName;
  if (RegisterClassExW(&type) == 0) return nullptr;

  const int width = PixelOf(form_.width());
  const int height = PixelOf(form_.height());
  RECT work{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
    work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  // Centred; a screen smaller than the window keeps its top-left corner in view.
  int left = work.left + (work.right - work.left - width) / 2;
  int top = work.top + (work.bottom - work.top - height) / 2;
  if (left < work.left) left = work.left;
  if (top < work.top) top = work.top;

  if (!painter_.Create(width, height)) return nullptr;
  painter_.Draw(form_, {0, 0, width, height});
  form_.TakeDamage();  // all of it is drawn

  std::wstring title = Wide(form_.caption());
  handle_ = CreateWindowExW(WS_EX_APPWINDOW, kClassName, title.c_str(),
                            WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX, left, top, width, height,
                            nullptr, nullptr, instance_, this);
  if (handle_ == nullptr) return nullptr;
  ShowWindow(handle_, show_command);
  UpdateWindow(handle_);
  return handle_;
}

LRESULT CALLBACK LauncherWindow::Procedure(HWND window, UINT message, WPARAM wparam,
                                           LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    auto* self = static_cast<LauncherWindow*>(create->lpCreateParams);
    self->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<LauncherWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  // Nothing may unwind through the system's frames.
  try {
    return self->Handle(message, wparam, lparam);
  } catch (...) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
}

template <typename Event>
void LauncherWindow::Deliver(Event&& event) {
  if (busy_ || ended_) return;
  busy_ = true;
  try {
    event();
  } catch (const std::exception&) {
    // The form drops its handlers' errors; whatever else fails leaves the window as it is.
  }
  busy_ = false;
  AfterEvent();
}

void LauncherWindow::AfterEvent() {
  if (ended_) return;
  if (form_.unloaded()) {
    ended_ = true;
    DestroyWindow(handle_);
    return;
  }
  std::wstring title = Wide(form_.caption());
  wchar_t shown[256] = {};
  GetWindowTextW(handle_, shown, 256);
  if (title != shown) SetWindowTextW(handle_, title.c_str());
  for (const form::Rect& area : form_.TakeDamage()) {
    PixelRect pixels = CoveringPixels(area);
    painter_.Draw(form_, pixels);
    RECT rect{pixels.left, pixels.top, pixels.right, pixels.bottom};
    InvalidateRect(handle_, &rect, FALSE);
  }
}

bool LauncherWindow::SetCursorAt(POINT client) {
  form::CursorChoice choice = form_.CursorAt(TwipsOf(client.x), TwipsOf(client.y));
  HCURSOR cursor = arrow_;
  if (choice.shape == form::MousePointer::ArrowQuestion) {
    cursor = help_;
  } else if (choice.shape == form::MousePointer::Custom && choice.custom) {
    if (choice.custom->role == "hand") cursor = hand_;
    if (choice.custom->role == "colour_hand") cursor = colour_hand_;
  }
  SetCursor(cursor != nullptr ? cursor : arrow_);
  return true;
}

LRESULT LauncherWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the back buffer covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(handle_, &paint);
      painter_.Present(dc, paint.rcPaint);
      EndPaint(handle_, &paint);
      return 0;
    }
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT) {
        POINT point{};
        GetCursorPos(&point);
        ScreenToClient(handle_, &point);
        return SetCursorAt(point) ? TRUE : FALSE;
      }
      break;
    case WM_MOUSEMOVE:
      Deliver([&] {
        form_.MouseMove(TwipsX(lparam), TwipsY(lparam), ButtonMask(wparam), ShiftMask());
      });
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(handle_);
      Deliver([&] { form_.MouseDown(TwipsX(lparam), TwipsY(lparam)); });
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == handle_) ReleaseCapture();
      Deliver([&] { form_.MouseUp(TwipsX(lparam), TwipsY(lparam)); });
      return 0;
    case WM_KEYDOWN:
      Deliver([&] { form_.KeyDown(static_cast<std::int16_t>(wparam), ShiftMask()); });
      return 0;
    case WM_SYSKEYDOWN:
      Deliver([&] { form_.KeyDown(static_cast<std::int16_t>(wparam), ShiftMask()); });
      if (ended_) return 0;
      break;  // Alt+F4 and the like as the system has them
    case WM_CLOSE:
      // Closed from outside (Alt+F4, the taskbar): the form ends as if unloaded.
      form_.Unload();
      if (!busy_) AfterEvent();
      return 0;
    case WM_DESTROY:
      ended_ = true;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(handle_, message, wparam, lparam);
}

}  // namespace n5::win32

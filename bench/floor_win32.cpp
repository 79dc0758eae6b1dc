// The floor for the Windows launcher's start-up: a popup window of 502 x 387, centred, that
// shows the same background picture, carried and decoded as the launcher does (a PNG resource
// through the Windows Imaging Component), and nothing else.

#include <windows.h>

#include "win32/wic_pictures.h"

namespace {

HBITMAP background = nullptr;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      HDC source = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(source, background);
      BitBlt(dc, 0, 0, 502, 387, source, 0, 0, SRCCOPY);
      SelectObject(source, old);
      DeleteDC(source);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  background = n5::win32::DecodePictureResource(instance, 1).bitmap;
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = L"N5Floor";
  RegisterClassW(&window_class);
  int x = (GetSystemMetrics(SM_CXSCREEN) - 502) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - 387) / 2;
  HWND window = CreateWindowExW(WS_EX_APPWINDOW, L"N5Floor", L"floor", WS_POPUP, x, y, 502, 387,
                                nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

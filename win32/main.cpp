// The Windows launcher: the core's launcher window on Win32 and GDI.
#include <windows.h>

#include "launcher/frm_splash.h"
#include "win32/form_painter.h"
#include "win32/gdi_fonts.h"
#include "win32/launcher_window.h"
#include "win32/resource_texts.h"
#include "win32/windows_platform.h"

namespace {

constexpr int kMenuItems = 5;

int RunLauncher(HINSTANCE instance, int show_command) {
  n5::win32::FontCache fonts;
  n5::win32::GdiTextMetrics metrics(fonts);
  n5::win32::ResourceTexts texts(instance, n5::win32::UserTextVariant());
  n5::win32::WindowsPlatform platform;
  n5::frmSplash form(metrics, texts, platform, kMenuItems);
  platform.SetTitleSource([&form] { return form.window().caption(); });

  form.window().Load();
  if (form.window().unloaded()) return 0;

  n5::win32::FormPainter painter(instance, fonts, metrics);
  n5::win32::LauncherWindow window(instance, form.window(), painter);
  HWND handle = window.Create(show_command);
  if (handle == nullptr) return 1;
  platform.SetOwner(handle);

  MSG message;
  int got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  platform.SetOwner(nullptr);
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int show_command) {
  try {
    return RunLauncher(instance, show_command);
  } catch (...) {
    return 1;
  }
}

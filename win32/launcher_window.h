// The launcher's top-level window: a borderless popup with a taskbar button that shows the
// core's form, hands the core every pointer and key event, and carries out what follows
// (repaint the changed areas, change the cursor, end when the form is unloaded).
#pragma once

#include <windows.h>

#include "form/window.h"
#include "win32/form_painter.h"

namespace n5::win32 {

class LauncherWindow {
 public:
  LauncherWindow(HINSTANCE instance, form::Window& form, FormPainter& painter);
  LauncherWindow(const LauncherWindow&) = delete;
  LauncherWindow& operator=(const LauncherWindow&) = delete;

  // Creates the window centred on the primary screen's work area, draws the whole form into
  // the back buffer and shows it. Returns nullptr when the system refuses.
  HWND Create(int show_command);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  // Runs one event of the core, then repaints what it changed or ends the window.
  template <typename Event>
  void Deliver(Event&& event);
  void AfterEvent();
  bool SetCursorAt(POINT client);

  HINSTANCE instance_;
  form::Window& form_;
  FormPainter& painter_;
  HWND handle_ = nullptr;
  HCURSOR arrow_ = nullptr;
  HCURSOR help_ = nullptr;
  HCURSOR hand_ = nullptr;
  HCURSOR colour_hand_ = nullptr;
  // An event of the core is running (a message box or the shell may pump messages meanwhile);
  // input that arrives then is not delivered.
  bool busy_ = false;
  bool ended_ = false;
};

}  // namespace n5::win32

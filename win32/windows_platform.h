// The launcher's calls into Windows. Every string is UTF-8 up to the call and UTF-16 at it:
// only the W functions are used, so that the Simplified Chinese names on the disc reach the
// system whole whatever the ANSI code page.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace n5::win32 {

class WindowsPlatform final : public platform::Platform {
 public:
  WindowsPlatform() = default;
  WindowsPlatform(const WindowsPlatform&) = delete;
  WindowsPlatform& operator=(const WindowsPlatform&) = delete;
  ~WindowsPlatform() override;

  // The launcher's window, owner of message boxes and of what the shell opens.
  void SetOwner(HWND owner) { owner_ = owner; }
  // The application's title, for message boxes.
  void SetTitleSource(std::function<std::string()> title) { title_ = std::move(title); }

  std::string LauncherFolder() override;
  platform::OpenResult OpenRequest(std::string_view file) override;
  void StartCommand(std::string_view program, std::string_view command_line) override;
  void ReadSystemDirectory(std::string& buffer) override;
  void ShowFailureMessage(std::string_view description) override;
  void EndProgram() override;

 private:
  HWND owner_ = nullptr;
  std::function<std::string()> title_;
};

// The system's description of an error code, in UTF-8, without the line break it ends with.
std::string SystemMessage(DWORD code);

}  // namespace n5::win32

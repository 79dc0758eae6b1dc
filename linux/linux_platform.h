#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace n5::linux_ui {

// The launcher's calls into a Linux desktop. Paths from the core are translated as
// linux/windows_paths.h says; the system's programs are the desktop's services (see
// linux/start_plan.h). The failure message box belongs to the window, so the front end
// supplies it.
class LinuxPlatform final : public platform::Platform {
 public:
  using MessageBox = std::function<void(std::string_view text)>;
  explicit LinuxPlatform(MessageBox show_message) : show_message_(std::move(show_message)) {}

  // The folder of the running executable: "/" at the root, no trailing slash elsewhere.
  std::string LauncherFolder() override;
  platform::OpenResult OpenRequest(std::string_view file) override;
  void StartCommand(std::string_view program, std::string_view command_line) override;
  // Linux has no system directory; the programs' folder stands in for it, written the
  // Windows way, so that the core finds a drive root ("\") to build its browser path on.
  void ReadSystemDirectory(std::string& buffer) override;
  void ShowFailureMessage(std::string_view description) override;
  void EndProgram() override;

  static constexpr std::string_view kSystemDirectory = "\\usr\\bin";

 private:
  MessageBox show_message_;
};

// The folder part of an absolute path: "/" for a file at the root.
std::string FolderOf(std::string_view path);

}  // namespace n5::linux_ui

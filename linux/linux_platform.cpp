#include "linux/linux_platform.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "form/failure.h"
#include "linux/process_start.h"
#include "linux/start_plan.h"

namespace n5::linux_ui {

std::string FolderOf(std::string_view path) {
  std::size_t slash = path.find_last_of('/');
  if (slash == std::string_view::npos) return ".";
  if (slash == 0) return "/";
  return std::string(path.substr(0, slash));
}

std::string LinuxPlatform::LauncherFolder() {
  std::vector<char> buffer(256);
  for (;;) {
    ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) throw Failure(std::strerror(errno));
    if (static_cast<std::size_t>(length) < buffer.size()) {
      return FolderOf(std::string_view(buffer.data(), static_cast<std::size_t>(length)));
    }
    buffer.resize(buffer.size() * 2);  // the link may have been cut off
  }
}

platform::OpenResult LinuxPlatform::OpenRequest(std::string_view file) {
  if (int error = StartProcess(PlanOpen(file)); error != 0) {
    return {false, std::strerror(error)};
  }
  return {};
}

void LinuxPlatform::StartCommand(std::string_view program, std::string_view command_line) {
  if (int error = StartProcess(PlanStart(program, command_line)); error != 0) {
    throw Failure(std::strerror(error));
  }
}

void LinuxPlatform::ReadSystemDirectory(std::string& buffer) {
  // Like Windows, write nothing into a buffer the path and its zero character do not fit.
  if (buffer.size() < kSystemDirectory.size() + 1) return;
  buffer.replace(0, kSystemDirectory.size(), kSystemDirectory);
  buffer[kSystemDirectory.size()] = '\0';
}

void LinuxPlatform::ShowFailureMessage(std::string_view description) {
  if (show_message_) show_message_(description);
}

void LinuxPlatform::EndProgram() {
  _exit(0);
}

}  // namespace n5::linux_ui

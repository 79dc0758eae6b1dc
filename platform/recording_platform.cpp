#include "platform/recording_platform.h"

#include "form/failure.h"

namespace n5::platform {

void RecordingPlatform::Record(std::string line) {
  calls_.push_back(std::move(line));
  if (on_call) on_call(calls_.back());
}

std::string RecordingPlatform::LauncherFolder() {
  if (settings_.fail_folder) throw Failure("Path not found");
  return settings_.folder;
}

OpenResult RecordingPlatform::OpenRequest(std::string_view file) {
  Record("open " + std::string(file));
  if (settings_.fail_open) return {false, kOpenFailure};
  return {};
}

void RecordingPlatform::StartCommand(std::string_view /*program*/, std::string_view command_line) {
  Record("start " + std::string(command_line));
  if (settings_.fail_start) throw Failure(kStartFailure);
}

void RecordingPlatform::ReadSystemDirectory(std::string& buffer) {
  // Like the system call: nothing is written when the path and its zero do not fit.
  const std::string& path = settings_.system_directory;
  if (path.size() + 1 > buffer.size()) return;
  buffer.replace(0, path.size(), path);
  buffer[path.size()] = '\0';
}

void RecordingPlatform::ShowFailureMessage(std::string_view description) {
  Record("message " + std::string(description));
}

void RecordingPlatform::EndProgram() {
  Record("end");
}

}  // namespace n5::platform

#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace n5::platform {

// A platform that carries nothing out: it records each call as one line ("open <file>",
// "start <command line>", "message <text>", "end") and answers from its settings. Tests and
// the replay tool drive the launcher with it.
class RecordingPlatform final : public Platform {
 public:
  struct Settings {
    std::string folder = "D:\\";
    std::string system_directory = "C:\\WINDOWS\\system32";
    bool fail_start = false;
    bool fail_open = false;
    bool fail_folder = false;
  };

  RecordingPlatform() = default;
  explicit RecordingPlatform(Settings settings) : settings_(std::move(settings)) {}

  Settings& settings() { return settings_; }
  const std::vector<std::string>& calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  // Called with each line as it is recorded.
  std::function<void(const std::string&)> on_call;

  std::string LauncherFolder() override;
  OpenResult OpenRequest(std::string_view file) override;
  void StartCommand(std::string_view program, std::string_view command_line) override;
  void ReadSystemDirectory(std::string& buffer) override;
  void ShowFailureMessage(std::string_view description) override;
  void EndProgram() override;

  static constexpr const char* kStartFailure = "The system cannot find the file specified.";
  static constexpr const char* kOpenFailure = "The system cannot find the file specified.";

 private:
  void Record(std::string line);

  Settings settings_;
  std::vector<std::string> calls_;
};

}  // namespace n5::platform

#pragma once

#include <string>
#include <string_view>

namespace n5::platform {

// What the shell said to an open request. Most callers never look at it.
struct OpenResult {
  bool ok = true;
  std::string description;  // why it failed, in the system's words
};

// The launcher's calls into the system it runs on. All strings are UTF-8; paths are written
// the Windows way (backslashes, drive letters), and a front end for another system translates
// them. Each call may throw n5::Failure where it says so.
class Platform {
 public:
  virtual ~Platform() = default;

  // The full path of the folder that holds the launcher's executable, without a trailing
  // backslash except at the root of a drive ("D:\", "D:\Setup"). Read anew at every call.
  virtual std::string LauncherFolder() = 0;

  // The shell's "open" of a file, with the launcher's window as owner, no parameters, no
  // directory and a normal window.
  virtual OpenResult OpenRequest(std::string_view file) = 0;

  // Starts command_line as a new process with a normal window that receives the focus, and
  // returns without waiting. program names the program to run: a full path, or a bare name
  // ("explorer") that the platform takes from the system's own folder, never from the search
  // path. Throws n5::Failure with the system's description when the program cannot start.
  virtual void StartCommand(std::string_view program, std::string_view command_line) = 0;

  // Writes the path of the system directory at the start of buffer, followed by a zero
  // character, and leaves the rest of the buffer as it was.
  virtual void ReadSystemDirectory(std::string& buffer) = 0;

  // A modal message box with the description, the OK button only and the application's title.
  virtual void ShowFailureMessage(std::string_view description) = 0;

  // Ends the process at once. A platform for tests records the call and returns.
  virtual void EndProgram() = 0;
};

}  // namespace n5::platform

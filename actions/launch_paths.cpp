#include "actions/launch_paths.h"

#include "form/failure.h"

namespace n5 {

std::string ExplorerCommandLine(std::string_view launcher_folder) {
  return std::string(kExplorerProgram) + " " + std::string(launcher_folder);
}

std::string SystemDriveRoot(std::string_view buffer) {
  std::size_t first = buffer.find_first_not_of(' ');
  if (first == std::string_view::npos) throw Failure("Invalid procedure call or argument");
  std::size_t last = buffer.find_last_not_of(' ');
  std::string_view trimmed = buffer.substr(first, last - first + 1);
  trimmed.remove_suffix(1);  // the zero character
  std::size_t backslash = trimmed.find('\\');
  if (backslash == std::string_view::npos) return {};
  return std::string(trimmed.substr(0, backslash + 1));
}

std::string BrowserProgramPath(std::string_view drive_root) {
  return std::string(drive_root) + std::string(kBrowserFolder) + std::string(kBrowserProgram);
}

std::string BrowserCommandLine(std::string_view drive_root, std::string_view url) {
  return BrowserProgramPath(drive_root) + " " + std::string(url);
}

}  // namespace n5

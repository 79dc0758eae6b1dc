#include "win32/system_paths.h"

namespace n5::win32 {
namespace {

// "X:" alone, after an optional "\\?\" prefix.
bool IsDriveSpec(std::string_view folder) {
  constexpr std::string_view kLongPrefix = "\\\\?\\";
  if (folder.starts_with(kLongPrefix)) folder.remove_prefix(kLongPrefix.size());
  if (folder.size() != 2 || folder[1] != ':') return false;
  char letter = folder[0];
  return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
}

}  // namespace

std::string FolderOfModule(std::string_view module_path) {
  std::size_t last = module_path.rfind('\\');
  if (last == std::string_view::npos) return {};
  std::string folder(module_path.substr(0, last));
  if (IsDriveSpec(folder)) folder.push_back('\\');
  return folder;
}

std::string ProgramPath(std::string_view program, std::string_view windows_folder) {
  if (program.find_first_of("\\/:") != std::string_view::npos) return std::string(program);
  std::string path(windows_folder);
  if (path.empty() || path.back() != '\\') path.push_back('\\');
  path.append(program);
  if (program.find('.') == std::string_view::npos) path.append(".exe");
  return path;
}

}  // namespace n5::win32

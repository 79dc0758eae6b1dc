#include "linux/windows_paths.h"

namespace n5::linux_ui {
namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsSchemeCharacter(char c) {
  return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

}  // namespace

bool IsWebAddress(std::string_view text) {
  std::size_t colon = text.find("://");
  if (colon == std::string_view::npos || colon == 0 || !IsAsciiLetter(text[0])) return false;
  for (char c : text.substr(0, colon)) {
    if (!IsSchemeCharacter(c)) return false;
  }
  return true;
}

std::string ToLinuxPath(std::string_view windows_path) {
  if (IsWebAddress(windows_path)) return std::string(windows_path);
  std::string path;
  path.reserve(windows_path.size());
  for (char c : windows_path) {
    char separator_or_c = c == '\\' ? '/' : c;
    if (separator_or_c == '/' && !path.empty() && path.back() == '/') continue;
    path.push_back(separator_or_c);
  }
  return path;
}

std::string_view FileNamePart(std::string_view path) {
  std::size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

}  // namespace n5::linux_ui

#pragma once

#include <string>
#include <string_view>

// How this launcher reads the Windows-style strings the core hands to the system.
//
// The core builds every path by appending fixed Windows names to the launcher folder, which
// here is a Linux path ("/media/disc" + "\集成安装程序\setup.exe"). So a backslash is taken
// for a directory separator, and runs of slashes are folded into one, which also turns the
// double separator the core writes at the root ("/" + "\TARVEN\...") into a plain one. A web
// address ("http://...") is no path and passes unchanged.
namespace n5::linux_ui {

// "scheme://..." with a scheme of letters, digits, '+', '-' and '.', starting with a letter.
bool IsWebAddress(std::string_view text);

// The path with Linux separators; web addresses unchanged.
std::string ToLinuxPath(std::string_view windows_path);

// The last part of a path, after its last backslash or slash.
std::string_view FileNamePart(std::string_view path);

}  // namespace n5::linux_ui

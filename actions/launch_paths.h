#pragma once

#include <string>
#include <string_view>

// The strings the launcher hands to the system, built exactly as the system receives them:
// every fixed name is appended to the launcher folder unchanged, with no separator added or
// removed and nothing quoted (at a drive root the result so holds two backslashes in a row).
namespace n5 {

// Files on the disc, each relative to the launcher folder and beginning with a backslash.
inline constexpr std::string_view kInstallerPath = "\\集成安装程序\\setup.exe";
inline constexpr std::string_view kFeatureDocumentPath =
    "\\N5-企业管理软件(Full-Suite)产品手册\\N5-企业管理软件(Full-Suite)产品手册.pdf";
inline constexpr std::string_view kInstallationNotesPath =
    "\\N5-企业管理软件(Full-Suite)安装说明\\N5-企业管理软件(Full-Suite)安装说明.pdf";

// The program that browses the disc, named without a folder: the platform takes it from the
// system's own folder.
inline constexpr std::string_view kExplorerProgram = "explorer";
// The browser, below the root of the system drive.
inline constexpr std::string_view kBrowserFolder = "Program Files\\Internet Explorer\\";
inline constexpr std::string_view kBrowserProgram = "iexplore.exe";

// "explorer " followed by the folder, unquoted.
std::string ExplorerCommandLine(std::string_view launcher_folder);

// The root of the system drive from the system-directory buffer as the system left it: the
// path, a zero character and the untouched spaces behind it. Spaces are trimmed from both
// ends, the zero character that then stands last is removed, and the text is kept up to and
// including its first backslash ("C:\WINDOWS\system32" -> "C:\"); a text without a backslash
// leaves nothing. Fails when nothing is left to remove the last character from.
std::string SystemDriveRoot(std::string_view directory_buffer);

// The browser's full path below a drive root.
std::string BrowserProgramPath(std::string_view drive_root);

// The browser's full path, one space and the address, unquoted.
std::string BrowserCommandLine(std::string_view drive_root, std::string_view url);

}  // namespace n5

// Paths the Windows platform layer builds from what the system reports. Portable: UTF-8
// strings in, UTF-8 strings out, no Windows header.
#pragma once

#include <string>
#include <string_view>

namespace n5::win32 {

// The folder that holds a module, from the module's full path: everything before the last
// backslash. A drive root keeps its backslash ("D:\n5launcher.exe" -> "D:\"), every other
// folder loses it ("D:\Setup\n5launcher.exe" -> "D:\Setup"); a share is left as
// "\\server\share", and the "\\?\" long-path forms are treated the same way. A path without
// any backslash has no folder: the result is empty.
std::string FolderOfModule(std::string_view module_path);

// The program CreateProcess is to run, named in full: a path (anything with a backslash, a
// slash or a drive colon) as it is; a bare name taken from the Windows folder, with ".exe"
// added when it has no extension ("explorer" -> "C:\windows\explorer.exe"). A bare name is
// never looked up along the search path, whose first entry is the launcher's own folder.
std::string ProgramPath(std::string_view program, std::string_view windows_folder);

}  // namespace n5::win32

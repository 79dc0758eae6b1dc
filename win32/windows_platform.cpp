#include "win32/windows_platform.h"

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "form/failure.h"
#include "win32/com_apartment.h"
#include "win32/system_errors.h"
#include "win32/system_library.h"
#include "win32/system_paths.h"
#include "win32/wide.h"

namespace n5::win32 {
namespace {

// Longest path Windows knows (in UTF-16 units, with the "\\?\" forms).
constexpr DWORD kLongestPath = 32768;

// The Windows folder, from GetWindowsDirectoryW.
std::string WindowsFolder() {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  for (;;) {
    UINT length = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length == 0) throw Failure(SystemMessage(GetLastError()));
    if (length < buffer.size()) return Narrow({buffer.data(), length});
    buffer.resize(length + 1);  // the length asked for, zero included
  }
}

}  // namespace

std::string SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::string message;
  if (length != 0 && text != nullptr) message = TrimMessageEnd(Narrow({text, length}));
  if (text != nullptr) LocalFree(text);
  if (message.empty()) message = "System error " + std::to_string(code) + ".";
  return message;
}

WindowsPlatform::~WindowsPlatform() = default;

std::string WindowsPlatform::LauncherFolder() {
  std::vector<wchar_t> buffer(1024);
  for (;;) {
    DWORD size = static_cast<DWORD>(buffer.size());
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) throw Failure(SystemMessage(GetLastError()));
    // A path that fills the buffer may have been cut short: try again with more room.
    if (length < size) return FolderOfModule(Narrow({buffer.data(), length}));
    if (size >= kLongestPath) throw Failure(SystemMessage(ERROR_INSUFFICIENT_BUFFER));
    buffer.resize(std::min<DWORD>(size * 2, kLongestPath));
  }
}

platform::OpenResult WindowsPlatform::OpenRequest(std::string_view file) {
  // The shell may hand the request to extensions that need COM on this thread.
  EnsureComApartment();
  auto* shell_execute = SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
  if (shell_execute == nullptr) return {false, SystemMessage(GetLastError())};
  std::wstring wide = Wide(file);
  HINSTANCE result = shell_execute(owner_, L"open", wide.c_str(), L"", L"", SW_SHOWNORMAL);
  auto code = reinterpret_cast<INT_PTR>(result);
  if (code > 32) return {};
  return {false, SystemMessage(ShellExecuteErrorCode(code))};
}

void WindowsPlatform::StartCommand(std::string_view program, std::string_view command_line) {
  // The program is always named, so the system never searches for the command line's first
  // word (an unquoted "C:\Program Files\..." would start "C:\Program.exe").
  std::wstring application = Wide(ProgramPath(program, WindowsFolder()));
  std::wstring line = Wide(command_line);
  std::vector<wchar_t> writable(line.begin(), line.end());
  writable.push_back(L'\0');

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(application.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    DWORD error = GetLastError();
    throw Failure(FillFirstInsert(SystemMessage(error), Narrow(application)));
  }
  // The new program may take the foreground from the launcher.
  AllowSetForegroundWindow(process.dwProcessId);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

void WindowsPlatform::ReadSystemDirectory(std::string& buffer) {
  constexpr UINT kSize = 256;
  wchar_t directory[kSize];
  std::fill(std::begin(directory), std::end(directory), L' ');
  GetSystemDirectoryW(directory, kSize);
  buffer = Narrow({directory, kSize});
}

void WindowsPlatform::ShowFailureMessage(std::string_view description) {
  std::wstring text = Wide(description);
  std::wstring title = Wide(title_ ? title_() : std::string());
  MessageBoxW(owner_, text.c_str(), title.c_str(), MB_OK);
}

void WindowsPlatform::EndProgram() {
  ExitProcess(0);
}

}  // namespace n5::win32

#include "win32/system_library.h"

#include <string>
#include <vector>

namespace n5::win32 {

FARPROC LoadSystemFunction(const wchar_t* dll, const char* name) {
  HMODULE module = GetModuleHandleW(dll);
  if (module == nullptr) {
    std::vector<wchar_t> folder(MAX_PATH + 1);
    UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length == 0 || length >= folder.size()) return nullptr;
    std::wstring path(folder.data(), length);
    path += L'\\';
    path += dll;
    module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr) return nullptr;
  }
  return GetProcAddress(module, name);
}

}  // namespace n5::win32

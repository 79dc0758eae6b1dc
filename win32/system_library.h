#pragma once

#include <windows.h>

namespace n5::win32 {

FARPROC LoadSystemFunction(const wchar_t* dll, const char* name);

// A function of a Windows DLL that the launcher needs only once the user starts something
// (the shell, COM). Loaded on first use, so that start-up maps no DLL it may never need, and
// always from the system folder, never from the search path, whose first entry is the disc's
// own folder. nullptr when it cannot be loaded (GetLastError says why).
template <typename Function>
Function* SystemFunction(const wchar_t* dll, const char* name) {
  FARPROC address = LoadSystemFunction(dll, name);
  // Through the one function-pointer type that every other converts to without a warning.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(address));
}

}  // namespace n5::win32

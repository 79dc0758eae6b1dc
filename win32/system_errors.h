// What the platform layer reports when a system call fails. Portable: no Windows header.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace n5::win32 {

// The system error code for a result of ShellExecute that means failure (0 to 32): the
// numbers it shares with the system's codes as they are (file or path not found, access
// denied, out of memory...), the others by their meaning (no association, sharing violation,
// DDE failure, DLL not found). 0 when the result is a success (above 32).
std::uint32_t ShellExecuteErrorCode(std::intptr_t result);

// A system message without the line breaks and blanks it ends with.
std::string TrimMessageEnd(std::string message);

// A system message with its insert %1 filled in ("%1 is not a valid Win32 application."):
// messages are fetched without inserts, so that no message can read arguments it was not
// given, and the one insert the launcher can name, the program, is put in here.
std::string FillFirstInsert(std::string message, std::string_view first);

}  // namespace n5::win32

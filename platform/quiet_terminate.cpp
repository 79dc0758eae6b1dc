// What std::terminate does once nothing can be done: end the program. The launcher catches
// every exception it can, so this runs only on a fault of the program itself.
//
// The C++ runtime's own handler first prints the exception's type, demangled, to the standard
// error stream, which a program started from a disc by the desktop has nowhere to show; its
// demangler (and, on Windows, the formatted printing it needs) weighs more than the launcher's
// own code, and every byte of the program is read from the disc at start. The programs that
// ship link this file instead (the tests keep the runtime's handler and its message).
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler();

void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx

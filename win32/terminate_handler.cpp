// What std::terminate does once nothing can be done: end the program. The launcher catches
// every exception it can, so this runs only on a fault of the program itself.
//
// The runtime's own handler first prints the exception's type, demangled, to the standard
// error stream, which a program without a console does not have; its demangler and the
// formatted printing it needs are more than a third of the program's code, all of it read from
// the disc at every start. Defining the handler here keeps them out of the link.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler();

void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx

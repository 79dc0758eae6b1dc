#include "win32/com_apartment.h"

#include <objbase.h>

#include "win32/system_library.h"

namespace n5::win32 {
namespace {

// One thread uses COM: the user-interface thread.
enum class Apartment { NotTried, Joined, Failed };
Apartment state = Apartment::NotTried;

}  // namespace

bool EnsureComApartment() {
  if (state == Apartment::NotTried) {
    auto* initialize = SystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    state =
        initialize != nullptr &&
                SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))
            ? Apartment::Joined
            : Apartment::Failed;
  }
  return state == Apartment::Joined;
}

}  // namespace n5::win32

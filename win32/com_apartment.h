#pragma once

namespace n5::win32 {

// Joins the user-interface thread to a single-threaded COM apartment, once, the first time
// something needs COM (the shell's extensions, the imaging component), with ole32 loaded
// from the system folder then. Whether COM can be used on this thread.
bool EnsureComApartment();

// Leaves the apartment again if EnsureComApartment joined it; for the end of the program.
void LeaveComApartment();

}  // namespace n5::win32

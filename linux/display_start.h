#pragma once

#include <optional>
#include <string>

// Opening the display quickly: the launcher reads keys but takes no text input and uses no
// desktop service over D-Bus, yet SDL's start-up prepares for both.
namespace n5::linux_ui {

// Sets an environment variable for as long as it lives, then puts back what was there
// (or nothing), so that the programs the launcher starts later see its environment unchanged.
class ScopedVariable {
 public:
  ScopedVariable(std::string name, const std::string& value);
  ~ScopedVariable();
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  std::string name_;
  std::optional<std::string> saved_;
};

// Whether libdbus would find a session bus without starting one: its address is given, or
// the user's bus socket exists in the runtime folder. (Null means unset.)
bool SessionBusAnnounced(const char* bus_address, const char* runtime_dir);

// SDL wakes its own wait for events by sending its window an event over a second connection
// to the X server, and the server takes the two connections' requests in an order of its own:
// such an event can arrive after the launcher has closed its window (on Esc), and the server
// answers it with BadWindow, which Xlib's default handler reports on standard error before it
// ends the program with status 1 (when SDL closes that connection at the end). An event to a
// window that no longer exists has nowhere to go: this drops that one error (BadWindow of a
// SendEvent request) and leaves every other one to the handler in place before.
void DropErrorsOfEventsToVanishedWindows();

// The window's class (WM_CLASS), by which desktops group its windows and find its launcher
// entry. SDL would otherwise name it after the program's path, read into a buffer of 1 KiB:
// from a deep folder that is a piece of some folder's name, cut in the middle of a character.
// A class the user sets in SDL's variable is kept.
inline constexpr const char* kWindowClass = "n5launcher";
inline constexpr const char* kWindowClassVariable = "SDL_VIDEO_X11_WMCLASS";

// SDL_Init(SDL_INIT_VIDEO), minus two costs: Xlib's input method would parse the locale's
// whole Compose table (thousands of lines, most of the start-up time) for key combinations
// the launcher never reads, so it is pointed at an empty one; and where no session bus
// exists, libdbus would try to autolaunch a bus daemon (a process, and files, of its own)
// for SDL's screen-saver and input-method calls, so it is told there is none. These, and the
// window class, last only for the call (SDL keeps a copy of the class). Drops the errors above
// first. Returns SDL_Init's result.
int StartVideo();

}  // namespace n5::linux_ui

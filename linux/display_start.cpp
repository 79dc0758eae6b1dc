#include "linux/display_start.h"

#include <SDL2/SDL.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <sys/stat.h>

#include <cstdlib>

namespace n5::linux_ui {
namespace {

XErrorHandler xlib_error_handler = nullptr;  // the one in place before the launcher's

int DropSendEventToVanishedWindow(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return xlib_error_handler != nullptr ? xlib_error_handler(display, error) : 0;
}

}  // namespace

void DropErrorsOfEventsToVanishedWindows() {
  XErrorHandler previous = XSetErrorHandler(DropSendEventToVanishedWindow);
  if (previous != DropSendEventToVanishedWindow) xlib_error_handler = previous;
}

ScopedVariable::ScopedVariable(std::string name, const std::string& value)
    : name_(std::move(name)) {
  if (const char* old = std::getenv(name_.c_str())) saved_ = old;
  setenv(name_.c_str(), value.c_str(), 1);
}

ScopedVariable::~ScopedVariable() {
  if (saved_) {
    setenv(name_.c_str(), saved_->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

bool SessionBusAnnounced(const char* bus_address, const char* runtime_dir) {
  if (bus_address != nullptr && *bus_address != '\0') return true;
  if (runtime_dir == nullptr || *runtime_dir == '\0') return false;
  struct stat socket_status {};
  std::string socket = std::string(runtime_dir) + "/bus";
  return stat(socket.c_str(), &socket_status) == 0 && S_ISSOCK(socket_status.st_mode);
}

int StartVideo() {
  DropErrorsOfEventsToVanishedWindows();
  ScopedVariable no_compose_table("XCOMPOSEFILE", "/dev/null");
  std::optional<ScopedVariable> window_class;
  if (std::getenv(kWindowClassVariable) == nullptr) {
    window_class.emplace(kWindowClassVariable, kWindowClass);
  }
  std::optional<ScopedVariable> no_bus;
  if (!SessionBusAnnounced(std::getenv("DBUS_SESSION_BUS_ADDRESS"),
                           std::getenv("XDG_RUNTIME_DIR"))) {
    // An address of an unknown kind: libdbus fails at once instead of autolaunching.
    no_bus.emplace("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  }
  return SDL_Init(SDL_INIT_VIDEO);
}

}  // namespace n5::linux_ui

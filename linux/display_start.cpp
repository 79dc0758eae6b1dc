#include "linux/display_start.h"

#include <SDL2/SDL.h>
#include <sys/stat.h>

#include <cstdlib>

namespace n5::linux_ui {

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
  ScopedVariable no_compose_table("XCOMPOSEFILE", "/dev/null");
  std::optional<ScopedVariable> no_bus;
  if (!SessionBusAnnounced(std::getenv("DBUS_SESSION_BUS_ADDRESS"),
                           std::getenv("XDG_RUNTIME_DIR"))) {
    // An address of an unknown kind: libdbus fails at once instead of autolaunching.
    no_bus.emplace("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  }
  return SDL_Init(SDL_INIT_VIDEO);
}

}  // namespace n5::linux_ui

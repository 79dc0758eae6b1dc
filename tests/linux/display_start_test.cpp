#include "linux/display_start.h"

#include <SDL2/SDL.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace n5::linux_ui {
namespace {

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

TEST(DisplayStartTest, ScopedVariablesPutBackWhatWasThere) {
  struct Case {
    std::optional<std::string> before;
  } cases[] = {{std::nullopt}, {std::string("")}, {std::string("/home/x/.XCompose")}};
  for (const Case& c : cases) {
    if (c.before) {
      setenv("N5_TEST_VARIABLE", c.before->c_str(), 1);
    } else {
      unsetenv("N5_TEST_VARIABLE");
    }
    {
      ScopedVariable scoped("N5_TEST_VARIABLE", "/dev/null");
      EXPECT_EQ(Variable("N5_TEST_VARIABLE"), "/dev/null");
    }
    EXPECT_EQ(Variable("N5_TEST_VARIABLE"), c.before) << c.before.value_or("(unset)");
  }
  unsetenv("N5_TEST_VARIABLE");
}

TEST(DisplayStartTest, KnowsWhenASessionBusIsAnnounced) {
  namespace fs = std::filesystem;
  char name[] = "/tmp/n5-bus-test-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  const std::string with_socket = std::string(name) + "/with";
  const std::string with_file = std::string(name) + "/file";
  fs::create_directories(with_socket);
  fs::create_directories(with_file);
  int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::string path = with_socket + "/bus";
  ASSERT_LT(path.size(), sizeof(address.sun_path));
  path.copy(address.sun_path, path.size());
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  std::ofstream(with_file + "/bus").put(0);

  struct Case {
    const char* address;
    const char* runtime_dir;
    bool announced;
  } cases[] = {
      {"unix:path=/run/user/0/bus", nullptr, true},
      {"unix:path=/x", "/nonexistent", true},
      {nullptr, with_socket.c_str(), true},
      {"", with_socket.c_str(), true},
      {nullptr, with_file.c_str(), false},  // a plain file is no bus
      {nullptr, "/nonexistent", false},
      {nullptr, nullptr, false},
      {"", "", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SessionBusAnnounced(c.address, c.runtime_dir), c.announced)
        << (c.address ? c.address : "(unset)") << " | "
        << (c.runtime_dir ? c.runtime_dir : "(unset)");
  }
  close(listener);
  fs::remove_all(name);
}

TEST(DisplayStartTest, StartsVideoAndLeavesTheEnvironmentAsItWas) {
  // The programs the launcher starts later inherit its environment.
  for (const char* window_class : {static_cast<const char*>(nullptr), "chosen-by-user"}) {
    setenv("XCOMPOSEFILE", "/home/someone/.XCompose", 1);
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    if (window_class != nullptr) {
      setenv(kWindowClassVariable, window_class, 1);
    } else {
      unsetenv(kWindowClassVariable);
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_EQ(StartVideo(), 0) << SDL_GetError();
    EXPECT_EQ(Variable("XCOMPOSEFILE"), "/home/someone/.XCompose");
    EXPECT_EQ(Variable("DBUS_SESSION_BUS_ADDRESS"), std::nullopt);
    EXPECT_EQ(Variable(kWindowClassVariable),
              window_class != nullptr ? std::optional<std::string>(window_class) : std::nullopt);
    SDL_Quit();
  }
  unsetenv(kWindowClassVariable);
}

}  // namespace
}  // namespace n5::linux_ui

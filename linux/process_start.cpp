#include "linux/process_start.h"

#include <fcntl.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <vector>

namespace n5::linux_ui {
namespace {

pid_t forking_process = 0;

void NoteForkingProcess() {
  forking_process = getpid();
}

void EndWithForkingProcess() {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != forking_process) _exit(1);  // it was gone before the line above
}

}  // namespace

void PrepareProcess() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    int null = open("/dev/null", O_RDWR);
    if (null >= 0 && null != fd) {
      dup2(null, fd);
      close(null);
    }
  }
  std::signal(SIGCHLD, SIG_IGN);
  pthread_atfork(NoteForkingProcess, nullptr, EndWithForkingProcess);
}

ChildWaitAllowed::ChildWaitAllowed() {
  std::signal(SIGCHLD, SIG_DFL);
}

ChildWaitAllowed::~ChildWaitAllowed() {
  std::signal(SIGCHLD, SIG_IGN);
  // Children that ended while SIGCHLD was at its default are zombies now; setting it to
  // ignored again does not reap them.
  while (waitpid(-1, nullptr, WNOHANG) > 0) {
  }
}

int StartProcess(const StartPlan& plan) {
  if (plan.argv.empty() || plan.argv[0].empty()) return ENOENT;
  std::vector<char*> argv;
  argv.reserve(plan.argv.size() + 1);
  for (const std::string& arg : plan.argv) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  posix_spawnattr_t attributes;
  posix_spawn_file_actions_t actions;
  if (int error = posix_spawnattr_init(&attributes); error != 0) return error;
  if (int error = posix_spawn_file_actions_init(&actions); error != 0) {
    posix_spawnattr_destroy(&attributes);
    return error;
  }
  // An ignored SIGCHLD would survive exec and break any program that waits for its own
  // children; a blocked signal likewise.
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGCHLD);
  sigaddset(&defaults, SIGPIPE);
  sigset_t unblocked;
  sigemptyset(&unblocked);
  int error = posix_spawnattr_setsigdefault(&attributes, &defaults);
  if (error == 0) error = posix_spawnattr_setsigmask(&attributes, &unblocked);
  if (error == 0) {
    error = posix_spawnattr_setflags(
        &attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSID);
  }
  // The X connection and the font files are the launcher's alone.
  if (error == 0) error = posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  if (error == 0) {
    pid_t child = 0;
    error = plan.search_path
                ? posix_spawnp(&child, argv[0], &actions, &attributes, argv.data(), environ)
                : posix_spawn(&child, argv[0], &actions, &attributes, argv.data(), environ);
  }
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  return error;
}

}  // namespace n5::linux_ui

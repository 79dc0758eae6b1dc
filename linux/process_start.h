#pragma once

#include "linux/start_plan.h"

// Starting programs without waiting for them and without leaving zombies behind.
namespace n5::linux_ui {

// Run first thing in main. Opens /dev/null on any of the standard streams the launcher was
// started without, so that no file it opens later (the X connection, a font) takes their
// place and is handed to a program it starts as that program's output. And lets the system
// reap the programs it starts (SIGCHLD ignored), since it never waits for them. And makes a
// copy of the launcher made by fork() (SDL shows its message box from one) end with the
// launcher: killed while the box is up, the launcher would otherwise leave the box on the
// screen, and its own window too (the copy holds the same X connection), with a process that
// never ends. The programs it starts are not such copies (posix_spawn runs no fork handlers)
// and outlive it.
void PrepareProcess();

// While it lives, SIGCHLD is back at its default, for library code that starts a child of its
// own and waits for it (SDL runs its X11 message box in a child process): with SIGCHLD
// ignored, that wait would fail. Afterwards the system reaps again, and the programs the
// launcher started that ended in the meantime are reaped at once.
class ChildWaitAllowed {
 public:
  ChildWaitAllowed();
  ~ChildWaitAllowed();
  ChildWaitAllowed(const ChildWaitAllowed&) = delete;
  ChildWaitAllowed& operator=(const ChildWaitAllowed&) = delete;
};

// Starts the plan's program in a session of its own, with the standard streams of the
// launcher and none of its other files, SIGCHLD back at its default, and returns at once.
// Returns 0, or the error number when the program could not be started.
int StartProcess(const StartPlan& plan);

}  // namespace n5::linux_ui

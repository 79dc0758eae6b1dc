#pragma once

#include <string>
#include <string_view>
#include <vector>

// What this launcher runs for each of the core's requests to the system. Everything goes
// through an argument vector, never a shell, so no name on the disc is ever parsed as a
// command.
namespace n5::linux_ui {

struct StartPlan {
  std::vector<std::string> argv;  // argv[0] is the program
  bool search_path = false;       // look argv[0] up on PATH (only for the desktop's opener)
};

// The desktop's opener: xdg-open hands a file to its default application, a folder to the
// file manager and a web address to the default browser.
inline constexpr const char* kDesktopOpener = "xdg-open";

// The shell's "open" of a file (or web address).
StartPlan PlanOpen(std::string_view file);

// The arguments of a command line: what follows the program's name and one space. A command
// line that does not start with the program's name loses its first word instead (up to the
// first space, or the closing quote when it starts with one), as a Windows program sees it.
std::string CommandArguments(std::string_view program, std::string_view command_line);

// Starting a program with a command line. The two programs the core names stand for desktop
// services here: "explorer" browses its folder argument with the file manager, and the
// browser (a program whose file name is iexplore.exe, wherever the core looked for it) opens
// its address in the default browser; both through the opener. Any other program runs from
// its translated path with the arguments as one argument.
StartPlan PlanStart(std::string_view program, std::string_view command_line);

}  // namespace n5::linux_ui

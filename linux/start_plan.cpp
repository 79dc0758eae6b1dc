#include "linux/start_plan.h"

#include <algorithm>
#include <cctype>

#include "linux/windows_paths.h"

namespace n5::linux_ui {
namespace {

// Windows names are case-insensitive.
bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

bool IsFileManager(std::string_view program) {
  return SameName(program, "explorer") || SameName(program, "explorer.exe");
}

bool IsBrowser(std::string_view program) {
  return SameName(FileNamePart(program), "iexplore.exe");
}

StartPlan ThroughOpener(std::string argument) {
  StartPlan plan{{kDesktopOpener}, true};
  if (!argument.empty()) plan.argv.push_back(std::move(argument));
  return plan;
}

}  // namespace

StartPlan PlanOpen(std::string_view file) {
  return ThroughOpener(ToLinuxPath(file));
}

std::string CommandArguments(std::string_view program, std::string_view command_line) {
  std::string_view rest;
  if (!program.empty() && command_line.starts_with(program)) {
    rest = command_line.substr(program.size());
  } else if (command_line.starts_with('"')) {
    std::size_t close = command_line.find('"', 1);
    rest = close == std::string_view::npos ? std::string_view() : command_line.substr(close + 1);
  } else {
    std::size_t space = command_line.find(' ');
    rest = space == std::string_view::npos ? std::string_view() : command_line.substr(space);
  }
  if (rest.starts_with(' ')) rest.remove_prefix(1);
  return std::string(rest);
}

StartPlan PlanStart(std::string_view program, std::string_view command_line) {
  std::string arguments = CommandArguments(program, command_line);
  if (IsFileManager(program)) return ThroughOpener(ToLinuxPath(arguments));
  if (IsBrowser(program)) return ThroughOpener(std::move(arguments));
  StartPlan plan{{ToLinuxPath(program)}, false};
  if (!arguments.empty()) plan.argv.push_back(std::move(arguments));
  return plan;
}

}  // namespace n5::linux_ui

// n5-replay: drives the launcher's core from a script of events on standard input, with a
// recording platform and deterministic text metrics, and prints every platform call as it
// happens. For scenario tests; the launcher itself has no command line.

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "form/text_metrics.h"
#include "launcher/frm_splash.h"
#include "launcher/text_table.h"
#include "platform/recording_platform.h"
#include "tools/replay/state_dump.h"

namespace {

constexpr const char* kUsage = R"(usage: n5-replay [options] < script

Builds the launcher window with a recording platform and deterministic text metrics, runs its
Load event, then reads events from standard input, one a line. Blank lines and lines that
start with # are skipped.

  move X Y     the pointer moves to the client point (X, Y), in twips; the event goes to the
               control under the pointer (or to nothing)
  click X Y    a press and a release at (X, Y), routed likewise
  key CODE     a key press with that Windows virtual-key code (Up 38, Down 40, Enter 13,
               X 88, Ctrl+Break 3, Esc 27, F1 112)
  dump         print the state: the window, one line per control in the order of the window
               definition, then each item description

Each platform call is printed as it happens, followed by the rest of the line verbatim:
  open <file>            an open request (the shell's "open" of a file)
  start <command line>   a command start
  message <text>         the failure message box
  end                    the program ends at once
  unload                 the window is unloaded
After end or unload the tool stops reading and exits 0. A malformed line gets a one-line
error on standard error naming the line, and the tool goes on with the next.

dump prints
  frmSplash caption="<text>" SelectedIndex=<n> width=<outer width> height=<outer height>
  <name> left=<L> top=<T> width=<W> height=<H> visible=<0|1> caption="<text>" font="<face>"
    size=<pt> bold=<0|1> underline=<0|1> color=<r>,<g>,<b> pointer=<n> picture=<role|none>
  ItemInfoText(<i>)="<text>"
with numbers in their shortest exact form and " and \ escaped by a backslash inside quotes.

Options:
  --variant zh-CN|zh-TW  the text variant (default zh-CN)
  --folder PATH          the launcher folder the platform reports (default D:\)
  --sysdir PATH          the system directory (default C:\WINDOWS\system32)
  --fail-start           every command start fails
  --fail-open            every open request fails
  --missing-text ID      that text id is absent from the table (repeatable)
  --items N              the window has N menu items instead of 5 (1 to 64)
  --help                 this text

Deterministic metrics: a line of text is as high as its font size (one point is 20 twips);
a character of the Basic Latin block is half that wide, every other character that wide.
Bold and underline change nothing. So "安装产品" in 11 points measures 880 x 220 twips.
)";

// The table carried in the program, less the ids a scenario takes out.
class TextsWithout final : public n5::TextSource {
 public:
  TextsWithout(n5::TextVariant variant, std::set<int> missing)
      : table_(variant), missing_(std::move(missing)) {}
  std::optional<std::string> Find(int id) const override {
    if (missing_.contains(id)) return std::nullopt;
    return table_.Find(id);
  }

 private:
  n5::BuiltInTextTable table_;
  std::set<int> missing_;
};

template <typename Number>
std::optional<Number> Parse(std::string_view text) {
  Number value{};
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

struct Options {
  n5::TextVariant variant = n5::TextVariant::Simplified;
  n5::platform::RecordingPlatform::Settings platform;
  std::set<int> missing;
  int items = 5;
};

// Returns the exit status to stop with, or nothing to go on.
std::optional<int> ParseOptions(int argc, char** argv, Options& options) {
  std::vector<std::string> args(argv + 1, argv + argc);
  auto fail = [](const std::string& message) {
    std::cerr << "n5-replay: " << message << " (see --help)\n";
    return 2;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (arg == "--help") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--fail-start") {
      options.platform.fail_start = true;
    } else if (arg == "--fail-open") {
      options.platform.fail_open = true;
    } else if (arg == "--variant" || arg == "--folder" || arg == "--sysdir" ||
               arg == "--missing-text" || arg == "--items") {
      std::optional<std::string> v = value();
      if (!v) return fail(arg + " needs a value");
      if (arg == "--variant") {
        if (*v != "zh-CN" && *v != "zh-TW") return fail("--variant takes zh-CN or zh-TW");
        options.variant = n5::ChooseTextVariant(*v);
      } else if (arg == "--folder") {
        options.platform.folder = *v;
      } else if (arg == "--sysdir") {
        options.platform.system_directory = *v;
      } else if (arg == "--missing-text") {
        std::optional<int> id = Parse<int>(*v);
        if (!id) return fail("--missing-text takes a text id");
        options.missing.insert(*id);
      } else {
        std::optional<int> n = Parse<int>(*v);
        if (!n || *n < 1 || *n > 64) return fail("--items takes a number from 1 to 64");
        options.items = *n;
      }
    } else {
      return fail("unknown option " + arg);
    }
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (std::optional<int> status = ParseOptions(argc, argv, options)) return *status;

  TextsWithout texts(options.variant, options.missing);
  n5::platform::RecordingPlatform platform(options.platform);
  bool ended = false;
  platform.on_call = [&](const std::string& line) {
    std::cout << line << '\n' << std::flush;
    if (line == "end") ended = true;
  };
  n5::form::DeterministicTextMetrics metrics;
  n5::frmSplash form(metrics, texts, platform, options.items);
  n5::form::Window& window = form.window();
  window.Load();

  std::string line;
  for (int number = 1; !ended && std::getline(std::cin, line); ++number) {
    std::istringstream words(line);
    std::string verb;
    words >> verb;
    if (verb.empty() || verb[0] == '#') continue;
    std::vector<std::string> rest;
    for (std::string word; words >> word;) rest.push_back(word);
    auto malformed = [&](const char* why) {
      std::cerr << "n5-replay: line " << number << ": " << why << ": " << line << '\n';
    };

    if (verb == "move" || verb == "click") {
      std::optional<float> x = rest.size() == 2 ? Parse<float>(rest[0]) : std::nullopt;
      std::optional<float> y = rest.size() == 2 ? Parse<float>(rest[1]) : std::nullopt;
      if (!x || !y) {
        malformed("expected two numbers X Y");
        continue;
      }
      if (verb == "move") {
        window.MouseMove(*x, *y);
      } else {
        window.Click(*x, *y);
      }
    } else if (verb == "key") {
      std::optional<std::int16_t> code =
          rest.size() == 1 ? Parse<std::int16_t>(rest[0]) : std::nullopt;
      if (!code) {
        malformed("expected one key code from -32768 to 32767");
        continue;
      }
      window.KeyDown(*code);
    } else if (verb == "dump") {
      if (!rest.empty()) {
        malformed("dump takes no arguments");
        continue;
      }
      std::cout << n5::replay::DumpState(form) << std::flush;
    } else {
      malformed("unknown event");
      continue;
    }
    if (window.unloaded()) {
      std::cout << "unload\n" << std::flush;
      break;
    }
  }
  return 0;
}

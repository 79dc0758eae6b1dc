// n5-soak: a long stream of harmless input to a running launcher, through XTEST, watching its
// memory, its CPU use once the input stops, and whether it keeps answering.
//
//   n5-soak --pid PID --window WINDOW [--events N] [--rate EVENTS_PER_SECOND]
//           [--probe-every N] [--seed N] [--answer-limit-ms N] [--rss-margin-kib N]
//           [--quiet-cpu-limit-ms N]
//
// The input: pointer moves over the whole window (anywhere, and often over the item captions,
// the buttons and the description, and the footer with the web address) and key strokes of
// keys the launcher does nothing with or only moves the highlight for (Up, Down, Left, Right,
// Space, Tab, Home, End, Page Up and Down, Insert, Delete, Backspace, a, q, 5, F2, F5). Never
// Enter, Esc, X, F1, Break or a click: nothing is started and nothing ends. One move or one
// stroke (press and release) is one event; they go out at a steady rate.
//
// Every --probe-every events, and after the first 1,000 and at the end, a probe: the pointer
// goes to the background, where no button may stay lit, then Down must light the first
// button; each within --answer-limit-ms, read back from the window's pixels (XGetImage) at the
// probe points of the artwork. The resident memory (VmRSS) is read after the first 1,000
// events and at the end; the CPU time (utime + stime) over one quiet second after the input.
//
// Passes when the launcher is alive and answers every probe, its resident memory at the end is
// at most --rss-margin-kib above the figure after 1,000 events, and it used at most
// --quiet-cpu-limit-ms of CPU time in the quiet second. Prints the figures either way.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "assets/probe_colours.h"

namespace {

using Clock = std::chrono::steady_clock;
using n5::assets::Rgb;

// Where the launcher puts its buttons, in window pixels: five of them 141 x 34 from (24, 120),
// 39 apart, each caption from 10 px below its button's top.
constexpr int kButtonLeft = 24;
constexpr int kButtonTop = 120;
constexpr int kButtonPitch = 39;
constexpr int kItems = 5;
constexpr int kWindowWidth = 502;
constexpr int kWindowHeight = 387;

struct Options {
  pid_t pid = 0;
  Window window = 0;
  long events = 5000;
  double rate = 250;
  long probe_every = 500;
  unsigned seed = 1;
  int answer_limit_ms = 1000;
  long rss_margin_kib = 1024;
  int quiet_cpu_limit_ms = 20;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--pid") {
      o.pid = static_cast<pid_t>(std::atol(value));
    } else if (name == "--window") {
      o.window = static_cast<Window>(std::strtoul(value, nullptr, 0));
    } else if (name == "--events") {
      o.events = std::atol(value);
    } else if (name == "--rate") {
      o.rate = std::atof(value);
    } else if (name == "--probe-every") {
      o.probe_every = std::atol(value);
    } else if (name == "--seed") {
      o.seed = static_cast<unsigned>(std::atol(value));
    } else if (name == "--answer-limit-ms") {
      o.answer_limit_ms = std::atoi(value);
    } else if (name == "--rss-margin-kib") {
      o.rss_margin_kib = std::atol(value);
    } else if (name == "--quiet-cpu-limit-ms") {
      o.quiet_cpu_limit_ms = std::atoi(value);
    } else {
      return std::nullopt;
    }
  }
  if (argc % 2 == 0 || o.pid <= 0 || o.window == 0 || o.events <= 0 || o.rate <= 0 ||
      o.probe_every <= 0) {
    return std::nullopt;
  }
  return o;
}

// The process's state letter (R, S, Z...), resident memory and CPU time, from /proc.
std::string ProcStat(pid_t pid) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::size_t close = text.rfind(") ");  // the command name may hold anything
  return close == std::string::npos ? std::string() : text.substr(close + 2);
}

bool Alive(pid_t pid) {
  std::string rest = ProcStat(pid);
  return kill(pid, 0) == 0 && !rest.empty() && rest[0] != 'Z' && rest[0] != 'X';
}

long ResidentKib(pid_t pid) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(file, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

// utime + stime, in milliseconds: fields 14 and 15 of the stat line, the 12th and 13th after
// the command name.
long CpuMs(pid_t pid) {
  std::istringstream fields(ProcStat(pid));
  std::string field;
  long ticks = 0;
  for (int i = 1; i <= 13 && fields >> field; ++i) {
    if (i >= 12) ticks += std::atol(field.c_str());
  }
  return ticks * 1000 / sysconf(_SC_CLK_TCK);
}

int x_errors = 0;
int CountXError(Display* /*display*/, XErrorEvent* /*error*/) {
  ++x_errors;
  return 0;
}

int ShiftOf(unsigned long mask) {
  int shift = 0;
  while (mask != 0 && (mask & 1) == 0) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

class Soak {
 public:
  Soak(Display* display, const Options& options)
      : display_(display), o_(options), random_(options.seed) {
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, o_.window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    window_x_ = x;
    window_y_ = y;
    for (KeySym key :
         {XK_Up, XK_Down, XK_Left, XK_Right, XK_space, XK_Tab, XK_Home, XK_End, XK_Prior, XK_Next,
          XK_Insert, XK_Delete, XK_BackSpace, XK_a, XK_q, XK_5, XK_F2, XK_F5}) {
      KeyCode code = XKeysymToKeycode(display_, key);
      if (code != 0) keys_.push_back(code);
    }
    down_ = XKeysymToKeycode(display_, XK_Down);
  }

  int Run() {
    if (keys_.empty() || down_ == 0) return Fail("the keyboard map lacks the soak's keys");
    Clock::time_point started = Clock::now();
    next_ = started;
    std::optional<long> rss_after_1000;
    while (sent_ < o_.events) {
      Pace();
      SendOne();
      bool first_thousand = sent_ == 1000 || (sent_ == o_.events && !rss_after_1000);
      if (first_thousand || sent_ % o_.probe_every == 0 || sent_ == o_.events) {
        if (!Probe()) return Report(started, rss_after_1000, std::nullopt, std::nullopt);
        if (first_thousand) rss_after_1000 = ResidentKib(o_.pid);
        next_ = Clock::now();  // the stream goes on at its rate from here
      }
    }
    Clock::time_point input_ended = Clock::now();
    long rss_end = ResidentKib(o_.pid);
    // The quiet second: everything sent has been answered (the last probe); no more input.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    long cpu_before = CpuMs(o_.pid);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    long quiet_cpu = CpuMs(o_.pid) - cpu_before;
    if (!Alive(o_.pid)) failures_.push_back("the launcher ended during the quiet second");
    return Report(started, rss_after_1000, rss_end, quiet_cpu, input_ended);
  }

 private:
  void Pace() {
    std::this_thread::sleep_until(next_);
    next_ += std::chrono::nanoseconds(static_cast<long long>(1e9 / o_.rate));
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  void MoveTo(int x, int y) {
    XTestFakeMotionEvent(display_, -1, window_x_ + x, window_y_ + y, CurrentTime);
    XFlush(display_);
    ++sent_;
  }

  void Stroke(KeyCode code) {
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XFlush(display_);
    ++sent_;
  }

  void SendOne() {
    int kind = Uniform(0, 99);
    if (kind < 40) {
      Stroke(keys_[static_cast<std::size_t>(Uniform(0, static_cast<int>(keys_.size()) - 1))]);
    } else if (kind < 64) {  // anywhere in the window
      MoveTo(Uniform(0, kWindowWidth - 1), Uniform(0, kWindowHeight - 1));
    } else if (kind < 82) {  // over an item's caption
      int item = Uniform(0, kItems - 1);
      MoveTo(Uniform(40, 150), kButtonTop + item * kButtonPitch + Uniform(12, 30));
    } else if (kind < 91) {  // the footer: the web address and the hotline
      MoveTo(Uniform(60, 480), Uniform(356, 378));
    } else {  // the buttons' edges and the description
      MoveTo(Uniform(kButtonLeft, 465), Uniform(kButtonTop - 4, 310));
    }
  }

  // Which buttons show the hover picture ('h'), the normal one ('n') or neither ('?').
  std::string Buttons() {
    const auto& hover = n5::assets::kHoverItemProbe;
    const auto& normal = n5::assets::kNormalItemProbe;
    int x = kButtonLeft + hover.x;
    int top = kButtonTop + hover.y;
    int height = (kItems - 1) * kButtonPitch + 1;
    XImage* image = XGetImage(display_, o_.window, x, top, 1, static_cast<unsigned>(height),
                              AllPlanes, ZPixmap);
    if (image == nullptr) return "?????";
    std::string shown;
    for (int i = 0; i < kItems; ++i) {
      unsigned long pixel = XGetPixel(image, 0, i * kButtonPitch);
      Rgb colour{
          static_cast<std::uint8_t>((pixel & image->red_mask) >> ShiftOf(image->red_mask)),
          static_cast<std::uint8_t>((pixel & image->green_mask) >> ShiftOf(image->green_mask)),
          static_cast<std::uint8_t>((pixel & image->blue_mask) >> ShiftOf(image->blue_mask))};
      shown += colour == hover.colour ? 'h' : colour == normal.colour ? 'n' : '?';
    }
    XDestroyImage(image);
    return shown;
  }

  // Waits for the buttons to show `wanted`; the time it took, or nothing past the limit.
  std::optional<int> AwaitButtons(const std::string& wanted, Clock::time_point since) {
    auto limit = std::chrono::milliseconds(o_.answer_limit_ms);
    for (;;) {
      if (Buttons() == wanted) {
        return static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
      }
      if (Clock::now() - since > limit || !Alive(o_.pid)) return std::nullopt;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  bool Probe() {
    ++probes_;
    if (!Alive(o_.pid)) return Failed("the launcher is no longer running");
    const auto& background = n5::assets::kBackgroundProbe;
    Clock::time_point since = Clock::now();
    MoveTo(background.x, background.y + 1);  // two moves: at least one is a move
    MoveTo(background.x, background.y);
    std::optional<int> cleared = AwaitButtons("nnnnn", since);
    if (!cleared) return Failed("no button left lit over the background: " + Buttons());
    since = Clock::now();
    Stroke(down_);
    std::optional<int> lit = AwaitButtons("hnnnn", since);
    if (!lit) return Failed("Down did not light the first button: " + Buttons());
    slowest_ms_ = std::max({slowest_ms_, *cleared, *lit});
    if (x_errors != 0) return Failed("the window could not be read back");
    return true;
  }

  bool Failed(const std::string& what) {
    failures_.push_back("probe " + std::to_string(probes_) + " after " + std::to_string(sent_) +
                        " events: " + what);
    return false;
  }

  int Fail(const std::string& what) {
    std::fprintf(stderr, "soak: FAIL: %s\n", what.c_str());
    return 1;
  }

  int Report(Clock::time_point started, std::optional<long> rss_1000, std::optional<long> rss_end,
             std::optional<long> quiet_cpu, Clock::time_point ended = Clock::now()) {
    double seconds = std::chrono::duration<double>(ended - started).count();
    std::printf("soak: %ld events in %.1f s (%.0f events/s), %d probes, slowest answer %d ms\n",
                sent_, seconds, sent_ / seconds, probes_, slowest_ms_);
    if (rss_1000 && rss_end) {
      std::printf(
          "soak: resident memory after 1,000 events %ld KiB, at the end %ld KiB (%+ld KiB, "
          "allowed +%ld)\n",
          *rss_1000, *rss_end, *rss_end - *rss_1000, o_.rss_margin_kib);
      if (*rss_1000 <= 0 || *rss_end > *rss_1000 + o_.rss_margin_kib) {
        failures_.push_back("resident memory grew beyond the margin");
      }
    }
    if (quiet_cpu) {
      std::printf("soak: CPU time in the quiet second after the input: %ld ms (allowed %d)\n",
                  *quiet_cpu, o_.quiet_cpu_limit_ms);
      if (*quiet_cpu > o_.quiet_cpu_limit_ms) {
        failures_.push_back("the launcher kept using CPU time after the input stopped");
      }
    }
    for (const std::string& failure : failures_) {
      std::fprintf(stderr, "soak: FAIL: %s\n", failure.c_str());
    }
    std::fflush(stdout);
    return failures_.empty() && rss_end && quiet_cpu ? 0 : 1;
  }

  Display* display_;
  Options o_;
  std::mt19937 random_;
  int window_x_ = 0;
  int window_y_ = 0;
  std::vector<KeyCode> keys_;
  KeyCode down_ = 0;
  Clock::time_point next_;
  long sent_ = 0;
  int probes_ = 0;
  int slowest_ms_ = 0;
  std::vector<std::string> failures_;
};

}  // namespace

int main(int argc, char** argv) {
  std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) {
    std::fprintf(stderr,
                 "usage: %s --pid PID --window WINDOW [--events N] [--rate N] [--probe-every N] "
                 "[--seed N] [--answer-limit-ms N] [--rss-margin-kib N] "
                 "[--quiet-cpu-limit-ms N]\n",
                 argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "soak: cannot open the display\n");
    return 2;
  }
  int event_base = 0;
  int error_base = 0;
  int major = 0;
  int minor = 0;
  if (!XTestQueryExtension(display, &event_base, &error_base, &major, &minor)) {
    std::fprintf(stderr, "soak: the X server has no XTEST\n");
    return 2;
  }
  XSetErrorHandler(CountXError);
  int status = Soak(display, *options).Run();
  XCloseDisplay(display);
  return status;
}

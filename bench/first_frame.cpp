// first_frame: starts a program and measures, as an outside X client sees it, how long it
// takes until its window is on the screen with its artwork drawn.
//
//   first_frame [--probe X,Y=RRGGBB|any] [--timeout SECONDS] -- PROGRAM [ARGS...]
//
// It watches the root window for the first top-level window of at least 100 x 100 pixels
// to be mapped, then polls the probe pixel (window coordinates) until it has the colour
// given, or with "any" until it differs from what the screen showed there before the
// program started. It prints one line
//   mapped_ms=<t> first_frame_ms=<t> peak_rss_kb=<kB>
// where peak_rss_kb is the peak resident memory of the program and its descendants at the
// first frame, then ends them all. Exit status 1 when no frame came in time.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Probe {
  int x = 250, y = 190;
  bool any = true;
  unsigned long rgb = 0;
};

double Milliseconds(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

unsigned long PixelAt(Display* display, int x, int y) {
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return ~0UL;
  unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel;
}

// The process and every process below it, by their parent links in /proc.
std::set<pid_t> Descendants(pid_t root) {
  std::vector<std::pair<pid_t, pid_t>> links;  // pid, parent
  if (DIR* proc = opendir("/proc")) {
    while (dirent* entry = readdir(proc)) {
      pid_t pid = std::atoi(entry->d_name);
      if (pid <= 0) continue;
      std::ifstream stat("/proc/" + std::string(entry->d_name) + "/stat");
      std::string line;
      if (!std::getline(stat, line)) continue;
      std::size_t close = line.rfind(')');
      if (close == std::string::npos) continue;
      std::istringstream rest(line.substr(close + 2));
      char state = 0;
      pid_t parent = 0;
      rest >> state >> parent;
      links.emplace_back(pid, parent);
    }
    closedir(proc);
  }
  std::set<pid_t> tree{root};
  for (bool grew = true; grew;) {
    grew = false;
    for (auto [pid, parent] : links) {
      if (tree.contains(parent) && tree.insert(pid).second) grew = true;
    }
  }
  return tree;
}

long PeakResidentKb(const std::set<pid_t>& pids) {
  long total = 0;
  for (pid_t pid : pids) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
      if (line.rfind("VmHWM:", 0) == 0) total += std::atol(line.c_str() + 6);
    }
  }
  return total;
}

void EndAll(pid_t child) {
  std::set<pid_t> tree = Descendants(child);
  for (pid_t pid : tree) kill(pid, SIGTERM);
  for (int i = 0; i < 100 && waitpid(child, nullptr, WNOHANG) == 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  for (pid_t pid : tree) kill(pid, SIGKILL);
  waitpid(child, nullptr, 0);
}

std::optional<Probe> ParseProbe(const char* text) {
  Probe probe;
  char colour[16] = {};
  if (std::sscanf(text, "%d,%d=%15s", &probe.x, &probe.y, colour) != 3) return std::nullopt;
  if (std::strcmp(colour, "any") == 0) return probe;
  probe.any = false;
  probe.rgb = std::strtoul(colour, nullptr, 16);
  return probe;
}

}  // namespace

int main(int argc, char** argv) {
  Probe probe;
  double timeout_s = 20;
  int first = 1;
  for (; first < argc; ++first) {
    std::string arg = argv[first];
    if (arg == "--") {
      ++first;
      break;
    }
    if (arg == "--probe" && first + 1 < argc) {
      std::optional<Probe> parsed = ParseProbe(argv[++first]);
      if (!parsed) {
        std::fprintf(stderr, "first_frame: bad probe %s\n", argv[first]);
        return 2;
      }
      probe = *parsed;
    } else if (arg == "--timeout" && first + 1 < argc) {
      timeout_s = std::atof(argv[++first]);
    } else {
      std::fprintf(stderr,
                   "usage: first_frame [--probe X,Y=RRGGBB|any] [--timeout S] -- PROGRAM...\n");
      return 2;
    }
  }
  if (first >= argc) return 2;

  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "first_frame: no X display\n");
    return 2;
  }
  Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  // What the screen shows before the program starts, for probes that wait for any change.
  XWindowAttributes screen;
  XGetWindowAttributes(display, root, &screen);
  XImage* blank = XGetImage(display, root, 0, 0, static_cast<unsigned>(screen.width),
                            static_cast<unsigned>(screen.height), AllPlanes, ZPixmap);

  Clock::time_point start = Clock::now();
  pid_t child = 0;
  if (posix_spawnp(&child, argv[first], nullptr, nullptr, argv + first, environ) != 0) {
    std::fprintf(stderr, "first_frame: cannot start %s\n", argv[first]);
    return 2;
  }

  const auto deadline =
      start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(timeout_s));
  Window window = 0;
  int wx = 0, wy = 0;
  double mapped_ms = -1;
  unsigned long before = 0;
  while (Clock::now() < deadline) {
    if (window == 0) {
      while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.event != root) continue;
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, event.xmap.window, &attributes) == 0) continue;
        if (attributes.width < 100 || attributes.height < 100) continue;
        window = event.xmap.window;
        wx = attributes.x;
        wy = attributes.y;
        mapped_ms = Milliseconds(start);
        int bx = wx + probe.x, by = wy + probe.y;
        bool on_screen =
            blank != nullptr && bx >= 0 && by >= 0 && bx < screen.width && by < screen.height;
        before = on_screen ? XGetPixel(blank, bx, by) & 0xFFFFFF : ~0UL;
        break;
      }
      if (window == 0) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        continue;
      }
    }
    unsigned long pixel = PixelAt(display, wx + probe.x, wy + probe.y);
    bool drawn = probe.any ? pixel != before : pixel == probe.rgb;
    if (drawn) {
      double frame_ms = Milliseconds(start);
      long rss = PeakResidentKb(Descendants(child));
      std::printf("mapped_ms=%.1f first_frame_ms=%.1f peak_rss_kb=%ld\n", mapped_ms, frame_ms, rss);
      EndAll(child);
      if (blank != nullptr) XDestroyImage(blank);
      XCloseDisplay(display);
      return 0;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  std::fprintf(stderr, "first_frame: no frame within %.0f s (window %s)\n", timeout_s,
               window != 0 ? "mapped" : "never mapped");
  EndAll(child);
  XCloseDisplay(display);
  return 1;
}

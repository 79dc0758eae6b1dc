// optical_drive: a folder seen through a slow optical drive, so that start-up can be measured
// as it is from a disc. A read-only FUSE file system shows SOURCE at MOUNTPOINT and answers
// each read only after the time a drive would take: an access time when the read does not
// continue where the previous one ended (the head moves), then the bytes at a constant rate.
//
//   optical_drive [--speed cd8|cd24|dvd] [--rate BYTES_PER_S] [--access-ms MS]
//                 [--log FILE] [--stats FILE] [--pid-file FILE] [--foreground]
//                 SOURCE MOUNTPOINT
//
// Speeds (1x CD = 150,000 B/s, 1x DVD = 1,385,000 B/s; the access times are the averages
// drives of that class quote):
//   cd8   8x CD     1,200,000 B/s  100 ms  (the default)
//   cd24  24x CD    3,600,000 B/s   80 ms
//   dvd   16x DVD  22,160,000 B/s   90 ms
// --rate and --access-ms override the speed's figures. Every read that does not continue the
// previous one pays the whole access time, however short the hop: a real drive's short seeks
// are cheaper, so the model errs on the slow side, and it stays one figure to reason about.
//
// Requests are served one at a time, as a drive has one head: reads queue behind each other.
// Metadata (lookups, attributes, directories) costs no drive time: on a disc it sits in a few
// sectors the kernel reads once and caches, and FUSE's entry and attribute caches are kept on
// for an hour so that the kernel asks about each name once per mount, as it would.
//
// The kernel's page cache stays on (no direct_io, and files keep their cache across opens), as
// it does for a real disc: what was read once in a mount is not read from the drive again.
// Each mount starts with an empty cache, so every measurement uses a fresh mount. Readahead is
// at most 128 KiB and a read request at most 128 KiB, the defaults of a CD-ROM block device
// (read_ahead_kb) and the transfer limit of an ATAPI drive, so the kernel asks for data in the
// same pieces it would ask a drive for.
//
// --log FILE: one line per read, "<ms since mount> <offset> <size> <seek|stream> <path>" (the
//   path last, as it may hold spaces), then "summary bytes=N reads=N seeks=N drive_ms=N" at
//   the end.
// --stats FILE: rewritten (atomically) after every read with "bytes=N reads=N seeks=N
//   drive_ms=N ejected=0|1", to be sampled while the disc is mounted; written once at mount.
// SIGUSR1 ejects the disc: from then on every lookup, attribute request, open, directory
//   listing and read fails with EIO. The kernel's cached names and attributes are dropped so
//   that these reach the drive; data already in the page cache stays (a program running from
//   the disc keeps its mapped pages, as it would), but read() revalidates and fails.
//
// Without --foreground the command returns once the disc is mounted, leaving the drive in the
// background (its pid in --pid-file). Unmount with `umount MOUNTPOINT` (as root) or end the
// drive with SIGTERM; either writes the summary line.

#define FUSE_USE_VERSION 35

#include <dirent.h>
#include <fcntl.h>
#include <fuse_lowlevel.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr unsigned kTransferBytes = 128 * 1024;
constexpr double kCacheSeconds = 3600;

struct Speed {
  const char* name;
  double bytes_per_second;
  double access_ms;
};
constexpr Speed kSpeeds[] = {
    {"cd8", 8 * 150'000.0, 100},
    {"cd24", 24 * 150'000.0, 80},
    {"dvd", 16 * 1'385'000.0, 90},
};

struct Options {
  double bytes_per_second = kSpeeds[0].bytes_per_second;
  double access_ms = kSpeeds[0].access_ms;
  std::string log_path, stats_path, pid_path, source, mountpoint;
  bool foreground = false;
};

// A name the kernel has been told about. Node ids are indexes + 1 (1 is the root), never
// reused, as a disc's contents do not change while it is mounted.
struct Node {
  fuse_ino_t parent;
  std::string name;
  std::string path;  // relative to the source; "." for the root
};

struct Drive {
  Options options;
  int source_fd = -1;
  FILE* log = nullptr;
  fuse_session* session = nullptr;
  timespec mounted{};

  std::mutex nodes_mutex;  // the eject thread walks the nodes while requests add to them
  std::vector<Node> nodes;
  std::map<std::string, fuse_ino_t> ids;

  fuse_ino_t head_node = 0;  // where the previous read ended
  off_t head_offset = -1;
  std::mutex counters_mutex;  // the counters and their file, also written on eject
  unsigned long long bytes = 0, reads = 0, seeks = 0;
  double drive_ms = 0;
};

Drive drive;
std::atomic<bool> ejected{false};
int eject_pipe[2] = {-1, -1};

double MsSince(const timespec& start) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec - start.tv_sec) * 1e3 +
         static_cast<double>(now.tv_nsec - start.tv_nsec) / 1e6;
}

timespec Later(timespec t, double ms) {
  long long ns = t.tv_nsec + static_cast<long long>(ms * 1e6);
  t.tv_sec += static_cast<time_t>(ns / 1'000'000'000);
  t.tv_nsec = static_cast<long>(ns % 1'000'000'000);
  return t;
}

fuse_ino_t Intern(fuse_ino_t parent, const std::string& name) {
  std::lock_guard lock(drive.nodes_mutex);
  const std::string& base = drive.nodes[parent - 1].path;
  std::string path = base == "." ? name : base + "/" + name;
  auto [it, added] = drive.ids.emplace(path, drive.nodes.size() + 1);
  if (added) drive.nodes.push_back({parent, name, path});
  return it->second;
}

fuse_ino_t ParentOf(fuse_ino_t ino) {
  std::lock_guard lock(drive.nodes_mutex);
  return drive.nodes[ino - 1].parent;
}

bool PathOf(fuse_ino_t ino, std::string& path) {
  std::lock_guard lock(drive.nodes_mutex);
  if (ino == 0 || ino > drive.nodes.size()) return false;
  path = drive.nodes[ino - 1].path;
  return true;
}

// The attributes of a path of the source as the disc shows them: read-only, under a node id.
int StatAt(const std::string& path, fuse_ino_t ino, struct stat& st) {
  if (fstatat(drive.source_fd, path.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return errno;
  st.st_ino = ino;
  st.st_mode &= ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
  return 0;
}

int StatOf(fuse_ino_t ino, struct stat& st) {
  std::string path;
  if (!PathOf(ino, path)) return ENOENT;
  return StatAt(path, ino, st);
}

// Called with counters_mutex held.
void WriteStats() {
  if (drive.options.stats_path.empty()) return;
  std::string temporary = drive.options.stats_path + ".tmp";
  FILE* file = std::fopen(temporary.c_str(), "w");
  if (file == nullptr) return;
  std::fprintf(file, "bytes=%llu reads=%llu seeks=%llu drive_ms=%.1f ejected=%d\n", drive.bytes,
               drive.reads, drive.seeks, drive.drive_ms, ejected.load() ? 1 : 0);
  std::fclose(file);
  std::rename(temporary.c_str(), drive.options.stats_path.c_str());
}

void Init(void*, fuse_conn_info* conn) {
  conn->max_readahead = kTransferBytes;
  conn->max_read = kTransferBytes;
}

void Lookup(fuse_req_t req, fuse_ino_t parent, const char* name) {
  if (ejected) return static_cast<void>(fuse_reply_err(req, EIO));
  std::string path;
  if (!PathOf(parent, path)) return static_cast<void>(fuse_reply_err(req, ENOENT));
  fuse_entry_param entry{};
  if (int error = StatAt(path == "." ? name : path + "/" + name, 0, entry.attr); error != 0) {
    return static_cast<void>(fuse_reply_err(req, error));
  }
  entry.ino = Intern(parent, name);
  entry.attr.st_ino = entry.ino;
  entry.attr_timeout = kCacheSeconds;
  entry.entry_timeout = kCacheSeconds;
  fuse_reply_entry(req, &entry);
}

void GetAttr(fuse_req_t req, fuse_ino_t ino, fuse_file_info*) {
  if (ejected) return static_cast<void>(fuse_reply_err(req, EIO));
  struct stat st {};
  if (int error = StatOf(ino, st); error != 0) return static_cast<void>(fuse_reply_err(req, error));
  fuse_reply_attr(req, &st, kCacheSeconds);
}

void ReadLink(fuse_req_t req, fuse_ino_t ino) {
  if (ejected) return static_cast<void>(fuse_reply_err(req, EIO));
  std::string path;
  if (!PathOf(ino, path)) return static_cast<void>(fuse_reply_err(req, ENOENT));
  char target[PATH_MAX + 1];
  ssize_t length = readlinkat(drive.source_fd, path.c_str(), target, PATH_MAX);
  if (length < 0) return static_cast<void>(fuse_reply_err(req, errno));
  target[length] = '\0';
  fuse_reply_readlink(req, target);
}

void Open(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi) {
  if (ejected) return static_cast<void>(fuse_reply_err(req, EIO));
  if ((fi->flags & O_ACCMODE) != O_RDONLY) return static_cast<void>(fuse_reply_err(req, EROFS));
  std::string path;
  if (!PathOf(ino, path)) return static_cast<void>(fuse_reply_err(req, ENOENT));
  int fd = openat(drive.source_fd, path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return static_cast<void>(fuse_reply_err(req, errno));
  fi->fh = static_cast<uint64_t>(fd);
  fi->keep_cache = 1;  // a disc does not change: what one open read, the next may use
  fuse_reply_open(req, fi);
}

void Read(fuse_req_t req, fuse_ino_t ino, size_t size, off_t offset, fuse_file_info* fi) {
  if (ejected) return static_cast<void>(fuse_reply_err(req, EIO));
  timespec arrived{};
  clock_gettime(CLOCK_MONOTONIC, &arrived);
  std::vector<char> buffer(size);
  ssize_t got = pread(static_cast<int>(fi->fh), buffer.data(), size, offset);
  if (got < 0) return static_cast<void>(fuse_reply_err(req, errno));

  bool seek = ino != drive.head_node || offset != drive.head_offset;
  double cost_ms = (seek ? drive.options.access_ms : 0) +
                   static_cast<double>(got) * 1e3 / drive.options.bytes_per_second;
  timespec done = Later(arrived, cost_ms);
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &done, nullptr) == EINTR) {
  }
  if (ejected) return static_cast<void>(fuse_reply_err(req, EIO));

  drive.head_node = ino;
  drive.head_offset = offset + got;
  std::lock_guard lock(drive.counters_mutex);
  drive.bytes += static_cast<unsigned long long>(got);
  drive.reads += 1;
  drive.seeks += seek ? 1 : 0;
  drive.drive_ms += cost_ms;
  if (drive.log != nullptr) {
    std::string path;
    PathOf(ino, path);
    std::fprintf(drive.log, "%.3f %lld %zd %s /%s\n", MsSince(drive.mounted),
                 static_cast<long long>(offset), got, seek ? "seek" : "stream", path.c_str());
    std::fflush(drive.log);
  }
  WriteStats();
  fuse_reply_buf(req, buffer.data(), static_cast<size_t>(got));
}

void Release(fuse_req_t req, fuse_ino_t, fuse_file_info* fi) {
  close(static_cast<int>(fi->fh));
  fuse_reply_err(req, 0);
}

// The entries of each open directory, read whole at opendir so that listing in pieces sees
// one snapshot; the directory's handle is its key. Only the request loop uses them.
using Listing = std::vector<std::pair<std::string, fuse_ino_t>>;
std::map<uint64_t, Listing> listings;
uint64_t next_listing = 1;

void OpenDir(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi) {
  if (ejected) return static_cast<void>(fuse_reply_err(req, EIO));
  std::string path;
  if (!PathOf(ino, path)) return static_cast<void>(fuse_reply_err(req, ENOENT));
  int fd = openat(drive.source_fd, path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return static_cast<void>(fuse_reply_err(req, errno));
  DIR* dir = fdopendir(fd);
  if (dir == nullptr) {
    int error = errno;
    close(fd);
    return static_cast<void>(fuse_reply_err(req, error));
  }
  Listing listing;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    fuse_ino_t id = name == "." ? ino : name == ".." ? ParentOf(ino) : 0;
    if (id == 0) id = Intern(ino, name);
    listing.emplace_back(std::move(name), id);
  }
  closedir(dir);
  fi->fh = next_listing++;
  listings.emplace(fi->fh, std::move(listing));
  fi->cache_readdir = 1;
  fi->keep_cache = 1;
  fuse_reply_open(req, fi);
}

void ReadDir(fuse_req_t req, fuse_ino_t, size_t size, off_t offset, fuse_file_info* fi) {
  if (ejected) return static_cast<void>(fuse_reply_err(req, EIO));
  const Listing& listing = listings[fi->fh];
  std::vector<char> buffer(size);
  size_t used = 0;
  for (size_t i = static_cast<size_t>(offset); i < listing.size(); ++i) {
    const auto& [name, id] = listing[i];
    struct stat st {};
    st.st_ino = id;
    StatOf(id, st);
    size_t need = fuse_add_direntry(req, buffer.data() + used, size - used, name.c_str(), &st,
                                    static_cast<off_t>(i + 1));
    if (need > size - used) break;
    used += need;
  }
  fuse_reply_buf(req, buffer.data(), used);
}

void ReleaseDir(fuse_req_t req, fuse_ino_t, fuse_file_info* fi) {
  listings.erase(fi->fh);
  fuse_reply_err(req, 0);
}

void StatFs(fuse_req_t req, fuse_ino_t) {
  struct statvfs st {};
  if (fstatvfs(drive.source_fd, &st) != 0) return static_cast<void>(fuse_reply_err(req, errno));
  st.f_bfree = st.f_bavail = st.f_ffree = st.f_favail = 0;  // a pressed disc has no room
  fuse_reply_statfs(req, &st);
}

void OnEjectSignal(int) {
  ejected = true;
  char byte = 1;
  ssize_t ignored = write(eject_pipe[1], &byte, 1);
  static_cast<void>(ignored);
}

// Drops what the kernel remembers of the disc's names and attributes, so that later lookups
// and attribute checks come to the drive and fail. It runs beside the request loop: the
// kernel may have to wait for a request in flight before it can drop an entry.
void ForgetOnEject() {
  char byte = 0;
  while (read(eject_pipe[0], &byte, 1) < 0 && errno == EINTR) {
  }
  if (byte == 0) return;  // the drive is shutting down
  std::vector<Node> nodes;
  {
    std::lock_guard lock(drive.nodes_mutex);
    nodes = drive.nodes;
  }
  for (size_t i = nodes.size(); i-- > 1;) {
    fuse_lowlevel_notify_inval_entry(drive.session, nodes[i].parent, nodes[i].name.c_str(),
                                     nodes[i].name.size());
  }
  for (size_t i = 0; i < nodes.size(); ++i) {
    fuse_lowlevel_notify_inval_inode(drive.session, i + 1, -1, 0);
  }
  std::lock_guard lock(drive.counters_mutex);
  if (drive.log != nullptr) {
    std::fprintf(drive.log, "%.3f ejected\n", MsSince(drive.mounted));
    std::fflush(drive.log);
  }
  WriteStats();
}

bool ParseOptions(int argc, char** argv, Options& options) {
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool has_value = i + 1 < argc;
    if (arg == "--speed" && has_value) {
      std::string name = argv[++i];
      bool known = false;
      for (const Speed& speed : kSpeeds) {
        if (name != speed.name) continue;
        options.bytes_per_second = speed.bytes_per_second;
        options.access_ms = speed.access_ms;
        known = true;
      }
      if (!known) return false;
    } else if (arg == "--rate" && has_value) {
      options.bytes_per_second = std::atof(argv[++i]);
      if (options.bytes_per_second <= 0) return false;
    } else if (arg == "--access-ms" && has_value) {
      options.access_ms = std::atof(argv[++i]);
      if (options.access_ms < 0) return false;
    } else if (arg == "--log" && has_value) {
      options.log_path = std::filesystem::absolute(argv[++i]);
    } else if (arg == "--stats" && has_value) {
      options.stats_path = std::filesystem::absolute(argv[++i]);
    } else if (arg == "--pid-file" && has_value) {
      options.pid_path = std::filesystem::absolute(argv[++i]);
    } else if (arg == "--foreground") {
      options.foreground = true;
    } else if (arg.starts_with("-")) {
      return false;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 2) return false;
  options.source = positional[0];
  options.mountpoint = std::filesystem::absolute(positional[1]);
  return true;
}

// Forks; the parent waits until the child has mounted the disc (or failed to) and exits with
// that outcome, so that a caller may use the mount as soon as the command returns.
int Daemonize(int& ready_fd) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return -1;
  pid_t child = fork();
  if (child < 0) return -1;
  if (child > 0) {
    close(pipe_fds[1]);
    char outcome = 1;
    ssize_t got = read(pipe_fds[0], &outcome, 1);
    _exit(got == 1 && outcome == 0 ? 0 : 1);
  }
  close(pipe_fds[0]);
  setsid();
  ready_fd = pipe_fds[1];
  return 0;
}

void Report(int ready_fd, char outcome) {
  if (ready_fd < 0) return;
  ssize_t ignored = write(ready_fd, &outcome, 1);
  static_cast<void>(ignored);
  close(ready_fd);
}

}  // namespace

int main(int argc, char** argv) {
  Options& options = drive.options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: optical_drive [--speed cd8|cd24|dvd] [--rate BYTES_PER_S] "
                 "[--access-ms MS]\n"
                 "         [--log FILE] [--stats FILE] [--pid-file FILE] [--foreground] "
                 "SOURCE MOUNTPOINT\n");
    return 2;
  }
  drive.source_fd = open(options.source.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (drive.source_fd < 0) {
    std::fprintf(stderr, "optical_drive: cannot open %s: %s\n", options.source.c_str(),
                 std::strerror(errno));
    return 1;
  }
  if (!options.log_path.empty()) {
    drive.log = std::fopen(options.log_path.c_str(), "w");
    if (drive.log == nullptr) {
      std::fprintf(stderr, "optical_drive: cannot write %s\n", options.log_path.c_str());
      return 1;
    }
  }
  drive.nodes.push_back({1, "", "."});
  drive.ids.emplace(".", 1);

  int ready_fd = -1;
  if (!options.foreground && Daemonize(ready_fd) != 0) {
    std::perror("optical_drive: fork");
    return 1;
  }

  fuse_lowlevel_ops ops{};
  ops.init = Init;
  ops.lookup = Lookup;
  ops.getattr = GetAttr;
  ops.readlink = ReadLink;
  ops.open = Open;
  ops.read = Read;
  ops.release = Release;
  ops.opendir = OpenDir;
  ops.readdir = ReadDir;
  ops.releasedir = ReleaseDir;
  ops.statfs = StatFs;

  std::string mount_options = "ro,allow_other,default_permissions,fsname=" + options.source +
                              ",subtype=optical_drive,max_read=" + std::to_string(kTransferBytes);
  std::vector<char*> args = {argv[0], const_cast<char*>("-o"), mount_options.data()};
  fuse_args fargs = FUSE_ARGS_INIT(static_cast<int>(args.size()), args.data());
  drive.session = fuse_session_new(&fargs, &ops, sizeof(ops), nullptr);
  if (drive.session == nullptr || fuse_set_signal_handlers(drive.session) != 0 ||
      fuse_session_mount(drive.session, options.mountpoint.c_str()) != 0) {
    Report(ready_fd, 1);
    return 1;
  }
  clock_gettime(CLOCK_MONOTONIC, &drive.mounted);
  WriteStats();

  if (pipe2(eject_pipe, O_CLOEXEC) != 0) return 1;
  struct sigaction eject {};
  eject.sa_handler = OnEjectSignal;
  sigemptyset(&eject.sa_mask);
  sigaction(SIGUSR1, &eject, nullptr);
  // The drive's thread for ejecting takes none of the stopping signals: they must interrupt
  // the request loop's wait for the kernel, or the loop would not notice them.
  sigset_t stopping, previous;
  sigemptyset(&stopping);
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGUSR1}) sigaddset(&stopping, signal);
  pthread_sigmask(SIG_BLOCK, &stopping, &previous);
  std::thread eject_thread(ForgetOnEject);
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);

  if (!options.pid_path.empty()) {
    if (FILE* file = std::fopen(options.pid_path.c_str(), "w")) {
      std::fprintf(file, "%d\n", static_cast<int>(getpid()));
      std::fclose(file);
    }
  }
  if (ready_fd >= 0) {
    int null_fd = open("/dev/null", O_RDWR);
    dup2(null_fd, STDIN_FILENO);
    dup2(null_fd, STDOUT_FILENO);
    dup2(null_fd, STDERR_FILENO);
    close(null_fd);
    Report(ready_fd, 0);
  }

  int result = fuse_session_loop(drive.session);

  char stop = 0;
  if (!ejected) {
    ssize_t ignored = write(eject_pipe[1], &stop, 1);
    static_cast<void>(ignored);
  }
  eject_thread.join();
  fuse_session_unmount(drive.session);
  fuse_remove_signal_handlers(drive.session);
  fuse_session_destroy(drive.session);

  char summary[160];
  std::snprintf(summary, sizeof summary, "summary bytes=%llu reads=%llu seeks=%llu drive_ms=%.1f",
                drive.bytes, drive.reads, drive.seeks, drive.drive_ms);
  if (drive.log != nullptr) {
    std::fprintf(drive.log, "%s\n", summary);
    std::fclose(drive.log);
  }
  if (options.foreground) std::fprintf(stderr, "optical_drive: %s\n", summary);
  return result < 0 ? 1 : 0;  // a stop by signal or by unmounting is the normal end
}

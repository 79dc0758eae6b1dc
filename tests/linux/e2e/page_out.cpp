// n5-page-out PID PREFIX: what memory pressure may do to a running program at any time. Every
// mapping of process PID whose file lies below PREFIX (the medium's mount point) is paged out
// (process_madvise with MADV_PAGEOUT): the kernel drops those pages, and the process must read
// them again from the file when it next touches them. Prints how many mappings and bytes it
// asked for; the exit status is 0 when the kernel took every request.
#include <sys/mman.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: n5-page-out PID PREFIX\n", stderr);
    return 2;
  }
  const std::string pid = argv[1];
  const std::string prefix = argv[2];
  std::ifstream maps("/proc/" + pid + "/maps");
  std::vector<iovec> ranges;
  std::size_t bytes = 0;
  for (std::string line; std::getline(maps, line);) {
    std::istringstream fields(line);
    std::string range, permissions, offset, device, inode, path;
    fields >> range >> permissions >> offset >> device >> inode;
    std::getline(fields >> std::ws, path);
    if (path.compare(0, prefix.size(), prefix) != 0) continue;
    const std::size_t dash = range.find('-');
    const auto start = std::stoull(range.substr(0, dash), nullptr, 16);
    const auto end = std::stoull(range.substr(dash + 1), nullptr, 16);
    // An address of the other process, as its memory map names it.
    void* address = reinterpret_cast<void*>(start);  // NOLINT(performance-no-int-to-ptr)
    ranges.push_back({address, static_cast<std::size_t>(end - start)});
    bytes += end - start;
  }
  std::printf("mappings=%zu bytes=%zu\n", ranges.size(), bytes);
  if (ranges.empty()) return 0;
  const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, std::stoi(pid), 0));
  if (pidfd < 0) {
    std::perror("pidfd_open");
    return 1;
  }
  const long done =
      syscall(SYS_process_madvise, pidfd, ranges.data(), ranges.size(), MADV_PAGEOUT, 0);
  close(pidfd);
  if (done < 0) {
    std::perror("process_madvise");
    return 1;
  }
  return static_cast<std::size_t>(done) == bytes ? 0 : 1;
}

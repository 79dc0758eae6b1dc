#include "linux/resident_image.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/uio.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

namespace n5::linux_ui {
namespace {

std::string ProgramPath() {
  std::string path(4096, '\0');
  ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return {};
  path.resize(static_cast<std::size_t>(length));
  return path;
}

// The text of a file of /proc, which tells no size beforehand (plain reads: the program carries
// no stream library for this).
std::string ReadWholeFile(const char* name) {
  std::string text;
  const int file = open(name, O_RDONLY | O_CLOEXEC);
  if (file < 0) return text;
  char piece[4096];
  for (ssize_t got; (got = read(file, piece, sizeof piece)) > 0;) {
    text.append(piece, static_cast<std::size_t>(got));
  }
  close(file);
  return text;
}

int ProtectionOf(std::string_view permissions) {
  int protection = PROT_NONE;
  if (permissions.size() >= 3) {
    if (permissions[0] == 'r') protection |= PROT_READ;
    if (permissions[1] == 'w') protection |= PROT_WRITE;
    if (permissions[2] == 'x') protection |= PROT_EXEC;
  }
  return protection;
}

// Replaces one mapping by an anonymous copy of its bytes. The copy is made beside it and moved
// over it in one step (mremap), so every address keeps its bytes throughout: the code that runs
// here, inside the mapping perhaps, never sees a gap. Writable mappings move the same way; the
// launcher has one thread, so nothing writes to one between its copy and the move.
bool MakeResident(const Mapping& mapping) {
  // A segment without read permission (none in a normal program) cannot be copied.
  if ((mapping.protection & PROT_READ) == 0) return false;
  const std::size_t length = mapping.end - mapping.start;
  void* copy = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (copy == MAP_FAILED) return false;
  // An address the memory map names.
  auto* original = reinterpret_cast<void*>(mapping.start);  // NOLINT(performance-no-int-to-ptr)
  // The kernel copies, where it may: the mapping holds bytes a checking build of the program
  // marks as never to be read (the guard zones between its variables), which a plain copy would
  // read all the same.
  iovec into{copy, length};
  iovec from{original, length};
  if (process_vm_readv(getpid(), &into, 1, &from, 1, 0) != static_cast<ssize_t>(length)) {
    std::memcpy(copy, original, length);
  }
  if (mprotect(copy, length, mapping.protection) != 0 ||
      mremap(copy, length, length, MREMAP_MAYMOVE | MREMAP_FIXED, original) == MAP_FAILED) {
    munmap(copy, length);
    return false;
  }
  return true;
}

}  // namespace

bool IsRemovableFileSystem(std::int64_t type) {
  switch (type) {
    case 0x9660:      // ISO 9660: CDs and DVDs
    case 0x15013346:  // UDF: DVDs and Blu-ray discs
    case 0x65735546:  // FUSE: fuseiso, archive and network mounts of the desktop
    case 0x6969:      // NFS
    case 0x517B:      // SMB
    case 0xFF534D42:  // CIFS
    case 0xFE534D42:  // SMB 2 and 3
    case 0x01021997:  // 9P
    case 0x4d44:      // FAT: sticks and memory cards
    case 0x2011BAB0:  // exFAT
    case 0x5346544e:  // NTFS (the kernel's driver)
      return true;
    default:
      return false;
  }
}

std::vector<Mapping> MappingsOfFile(const std::string& maps, const std::string& path) {
  std::vector<Mapping> found;
  std::string_view rest = maps;
  while (!rest.empty()) {
    const std::size_t line_end = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, line_end);
    rest.remove_prefix(std::min(line_end + 1, rest.size()));
    // start-end perms offset device inode path: the path, which may hold spaces, is what
    // follows the fifth field and its padding.
    std::string_view fields[5];
    std::string_view tail = line;
    bool complete = true;
    for (std::string_view& field : fields) {
      const std::size_t begin = tail.find_first_not_of(' ');
      if (begin == std::string_view::npos) {
        complete = false;
        break;
      }
      tail.remove_prefix(begin);
      const std::size_t end = std::min(tail.find(' '), tail.size());
      field = tail.substr(0, end);
      tail.remove_prefix(end);
    }
    const std::size_t path_begin = tail.find_first_not_of(' ');
    if (!complete || path_begin == std::string_view::npos || tail.substr(path_begin) != path) {
      continue;
    }
    const std::string_view range = fields[0];
    const std::size_t dash = range.find('-');
    Mapping mapping;
    if (dash == std::string_view::npos ||
        std::from_chars(range.data(), range.data() + dash, mapping.start, 16).ec != std::errc{} ||
        std::from_chars(range.data() + dash + 1, range.data() + range.size(), mapping.end, 16).ec !=
            std::errc{}) {
      continue;
    }
    mapping.protection = ProtectionOf(fields[1]);
    if (mapping.end > mapping.start) found.push_back(mapping);
  }
  return found;
}

bool CopyMappedFileIntoMemory(const std::string& path) {
  const std::string maps = ReadWholeFile("/proc/self/maps");
  if (path.empty() || maps.empty()) return false;
  bool all = true;
  for (const Mapping& mapping : MappingsOfFile(maps, path)) all = MakeResident(mapping) && all;
  return all;
}

namespace {

bool RunsFromRemovableMedium() {
  struct statfs file_system {};
  return statfs("/proc/self/exe", &file_system) == 0 &&
         IsRemovableFileSystem(static_cast<std::int64_t>(file_system.f_type));
}

}  // namespace

void PrefetchProgram() {
  if (!RunsFromRemovableMedium()) return;
  const int file = open("/proc/self/exe", O_RDONLY | O_CLOEXEC);
  if (file < 0) return;
  // In the pieces a drive transfers at a time.
  static char piece[128 * 1024];
  off_t at = 0;
  for (ssize_t got; (got = pread(file, piece, sizeof piece, at)) > 0;) at += got;
  close(file);
}

bool KeepProgramResident() {
  if (!RunsFromRemovableMedium()) return true;
  return CopyMappedFileIntoMemory(ProgramPath());
}

}  // namespace n5::linux_ui

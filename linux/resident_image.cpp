#include "linux/resident_image.h"

#include <sys/mman.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>
#include <sstream>

namespace n5::linux_ui {
namespace {

std::string ProgramPath() {
  std::string path(4096, '\0');
  ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return {};
  path.resize(static_cast<std::size_t>(length));
  return path;
}

int ProtectionOf(const std::string& permissions) {
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
// here, inside the mapping perhaps, never sees a gap.
bool MakeResident(const Mapping& mapping) {
  const std::size_t length = mapping.end - mapping.start;
  void* copy = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (copy == MAP_FAILED) return false;
  auto* original = reinterpret_cast<void*>(mapping.start);
  // A segment without read permission (none in a normal program) cannot be copied.
  if ((mapping.protection & PROT_READ) == 0) {
    munmap(copy, length);
    return false;
  }
  std::memcpy(copy, original, length);
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
  std::istringstream lines(maps);
  std::string line;
  while (std::getline(lines, line)) {
    // start-end perms offset device inode path (the path, which may hold spaces, is the rest)
    std::istringstream fields(line);
    std::string range, permissions, offset, device, inode;
    if (!(fields >> range >> permissions >> offset >> device >> inode)) continue;
    std::string rest;
    std::getline(fields, rest);
    const std::size_t begin = rest.find_first_not_of(' ');
    if (begin == std::string::npos || rest.compare(begin, std::string::npos, path) != 0) continue;
    const std::size_t dash = range.find('-');
    if (dash == std::string::npos) continue;
    Mapping mapping;
    mapping.start = std::stoull(range.substr(0, dash), nullptr, 16);
    mapping.end = std::stoull(range.substr(dash + 1), nullptr, 16);
    mapping.protection = ProtectionOf(permissions);
    if (mapping.end > mapping.start) found.push_back(mapping);
  }
  return found;
}

bool CopyMappedFileIntoMemory(const std::string& path) {
  std::ifstream in("/proc/self/maps");
  const std::string maps{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (path.empty() || maps.empty()) return false;
  bool all = true;
  try {
    for (const Mapping& mapping : MappingsOfFile(maps, path)) all = MakeResident(mapping) && all;
  } catch (const std::exception&) {  // a line of the maps that does not read as one
    return false;
  }
  return all;
}

bool KeepProgramResident() {
  struct statfs file_system {};
  if (statfs("/proc/self/exe", &file_system) != 0) return false;
  if (!IsRemovableFileSystem(static_cast<std::int64_t>(file_system.f_type))) return true;
  return CopyMappedFileIntoMemory(ProgramPath());
}

}  // namespace n5::linux_ui

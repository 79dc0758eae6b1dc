// Keeps the running program in memory when it was started from a medium that can go away (a
// disc, a FUSE or network file system, a stick), as Windows does for programs marked to run
// from the page file: every page of the program's file that is mapped is copied into memory
// of the process's own, at the same address, with the same protection. From then on nothing
// the launcher runs can be lost with the disc; a page the kernel would otherwise drop and read
// again from the medium (memory pressure can drop any page of a mapped file at any time)
// would give SIGBUS once the disc is gone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace n5::linux_ui {

// Whether a file system of this kind (statfs's f_type) may disappear under a running program:
// optical discs, FUSE (fuseiso, gvfs), network shares and the file systems of removable sticks.
bool IsRemovableFileSystem(std::int64_t type);

struct Mapping {
  std::uintptr_t start = 0;
  std::uintptr_t end = 0;
  int protection = 0;  // PROT_* bits
};

// The mappings of the file `path` in /proc/self/maps' text (`maps`).
std::vector<Mapping> MappingsOfFile(const std::string& maps, const std::string& path);

// Replaces every mapping of the file `path` in this process by a copy in memory of the
// process's own, at the same address, with the same protection. Whether all were replaced.
bool CopyMappedFileIntoMemory(const std::string& path);

// Reads the program's whole file once, front to back, when it runs from a removable medium
// (nothing otherwise), so that the pages it touches later come from memory. A disc pays for
// every jump of its head (about 100 ms on a CD): the pages a starting program touches lie all
// over its file, and reading them as they are touched costs a jump each, where one pass costs
// one. Nothing is kept but what the kernel caches.
void PrefetchProgram();

// Copies the program's mapped pages into memory of its own when it runs from a removable
// medium; does nothing otherwise. Whether the program is now independent of its file (true
// also when nothing had to be done).
bool KeepProgramResident();

}  // namespace n5::linux_ui

#include "linux/resident_image.h"

#include <sys/mman.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace n5::linux_ui {
namespace {

std::string OwnMaps() {
  std::ifstream in("/proc/self/maps");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string OwnPath() {
  std::string path(4096, '\0');
  ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  path.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return path;
}

TEST(ResidentImage, FindsTheMappingsOfOneFileByItsWholePath) {
  const std::string maps =
      "55d0c0000000-55d0c0001000 r--p 00000000 00:2a 17 /media/cd/n5 launcher\n"
      "55d0c0001000-55d0c0005000 r-xp 00001000 00:2a 17 /media/cd/n5 launcher\n"
      "55d0c0005000-55d0c0006000 rw-p 00005000 00:2a 17 /media/cd/n5 launcher\n"
      "55d0c0006000-55d0c0007000 rw-p 00000000 00:00 0 \n"
      "7f0000000000-7f0000010000 r-xp 00000000 08:01 99 /media/cd/n5 launcher.old\n"
      "7f0000010000-7f0000020000 r-xp 00000000 08:01 98 /usr/lib/libc.so.6\n"
      "not a line of the maps\n"
      "7ffd00000000-7ffd00021000 rw-p 00000000 00:00 0 [stack]\n";
  const std::vector<Mapping> found = MappingsOfFile(maps, "/media/cd/n5 launcher");
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].start, 0x55d0c0000000u);
  EXPECT_EQ(found[0].end, 0x55d0c0001000u);
  EXPECT_EQ(found[0].protection, PROT_READ);
  EXPECT_EQ(found[1].protection, PROT_READ | PROT_EXEC);
  EXPECT_EQ(found[2].protection, PROT_READ | PROT_WRITE);
  EXPECT_TRUE(MappingsOfFile(maps, "/media/cd/n5").empty());
  EXPECT_TRUE(MappingsOfFile("", "/media/cd/n5 launcher").empty());
}

TEST(ResidentImage, TellsMediaThatCanGoAwayFromFixedDisks) {
  struct Case {
    std::int64_t type;
    bool removable;
  } cases[] = {
      {0x9660, true},      {0x15013346, true},  {0x65735546, true},  {0x6969, true},
      {0xFE534D42, true},  {0x4d44, true},      {0xEF53, false},     {0x58465342, false},
      {0x9123683E, false}, {0x01021994, false}, {0x794c7630, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsRemovableFileSystem(c.type), c.removable) << std::hex << c.type;
  }
}

// The test program itself is copied into memory, code included, and goes on running.
TEST(ResidentImage, CopiesTheRunningProgramIntoMemoryAndRunsOn) {
  const std::string path = OwnPath();
  ASSERT_FALSE(MappingsOfFile(OwnMaps(), path).empty());
  ASSERT_TRUE(CopyMappedFileIntoMemory(path));
  EXPECT_TRUE(MappingsOfFile(OwnMaps(), path).empty()) << "still mapped from its file";
  // Code, constants and data of the copied program still work.
  EXPECT_EQ(MappingsOfFile("1000-2000 r-xp 0 0:0 1 /x\n", "/x").size(), 1u);
  EXPECT_TRUE(IsRemovableFileSystem(0x9660));
}

TEST(ResidentImage, LeavesAProgramOnAFixedDiskAlone) {
  struct statfs own {};
  ASSERT_EQ(statfs("/proc/self/exe", &own), 0);
  if (IsRemovableFileSystem(static_cast<std::int64_t>(own.f_type))) {
    GTEST_SKIP() << "the tests themselves run from a removable medium";
  }
  const std::size_t before = MappingsOfFile(OwnMaps(), OwnPath()).size();
  EXPECT_TRUE(KeepProgramResident());
  EXPECT_EQ(MappingsOfFile(OwnMaps(), OwnPath()).size(), before);
}

}  // namespace
}  // namespace n5::linux_ui

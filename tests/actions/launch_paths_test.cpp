#include "actions/launch_paths.h"

#include <string>

#include <gtest/gtest.h>

#include "form/failure.h"

namespace n5 {
namespace {

// The buffer as the system leaves it: the path, a zero character, spaces up to 256.
std::string Buffer(const std::string& path) {
  std::string buffer(256, ' ');
  buffer.replace(0, path.size(), path);
  buffer[path.size()] = '\0';
  return buffer;
}

TEST(SystemDriveRoot, KeepsTheTextUpToItsFirstBackslash) {
  struct Case {
    std::string buffer;
    std::string root;
  } cases[] = {
      {Buffer("C:\\WINDOWS\\system32"), "C:\\"},
      {Buffer("E:\\WINNT\\System32"), "E:\\"},
      {Buffer("C:\\"), "C:\\"},
      {Buffer("system32"), ""},  // no backslash leaves nothing
      {Buffer("  D:\\x"), "D:\\"},
      {Buffer("\\usr\\bin"), "\\"},
      {Buffer(std::string(255, 'x')), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(SystemDriveRoot(c.buffer), c.root);
}

TEST(SystemDriveRoot, FailsWhenTheSystemLeftTheBufferUntouched) {
  EXPECT_THROW(SystemDriveRoot(std::string(256, ' ')), Failure);
  EXPECT_THROW(SystemDriveRoot(""), Failure);
}

TEST(CommandLines, AreBuiltUnquoted) {
  EXPECT_EQ(ExplorerCommandLine("D:\\"), "explorer D:\\");
  EXPECT_EQ(ExplorerCommandLine("D:\\My Disc"), "explorer D:\\My Disc");
  EXPECT_EQ(BrowserCommandLine("C:\\", "http://www.n5-erp.example"),
            "C:\\Program Files\\Internet Explorer\\iexplore.exe http://www.n5-erp.example");
  EXPECT_EQ(BrowserCommandLine("E:\\", ""), "E:\\Program Files\\Internet Explorer\\iexplore.exe ");
}

}  // namespace
}  // namespace n5

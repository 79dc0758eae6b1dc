#include "linux/windows_paths.h"

#include <gtest/gtest.h>

namespace n5::linux_ui {
namespace {

TEST(WindowsPathsTest, TakesBackslashesForSeparatorsAndFoldsRepeatedOnes) {
  struct Case {
    const char* windows;
    const char* linux_path;
  } cases[] = {
      {"/disc\\集成安装程序\\setup.exe", "/disc/集成安装程序/setup.exe"},
      {"/\\TARVEN\\TARVENInstallation_cn.pdf", "/TARVEN/TARVENInstallation_cn.pdf"},
      {"/media/演示 光盘\\TARVEN\\x.pdf", "/media/演示 光盘/TARVEN/x.pdf"},
      {"/a\\\\b//c", "/a/b/c"},
      {"/disc", "/disc"},
      {"/", "/"},
      {"\\", "/"},
      {"", ""},
      {"relative\\name", "relative/name"},
      // Web addresses are no paths.
      {"http://www.n5-erp.example", "http://www.n5-erp.example"},
      {"https://host//a\\b", "https://host//a\\b"},
  };
  for (const Case& c : cases) EXPECT_EQ(ToLinuxPath(c.windows), c.linux_path) << c.windows;
}

TEST(WindowsPathsTest, RecognisesWebAddressesAndFileNames) {
  struct Address {
    const char* text;
    bool is_address;
  } addresses[] = {
      {"http://www.n5-erp.example", true},
      {"https://x", true},
      {"svn+ssh://h", true},
      {"www.n5-erp.example", false},
      {"://x", false},
      {"/disc/http://x", false},
      {"1http://x", false},
      {"C:\\x", false},
      {"", false},
  };
  for (const Address& a : addresses) EXPECT_EQ(IsWebAddress(a.text), a.is_address) << a.text;

  struct Name {
    const char* path;
    const char* name;
  } names[] = {
      {"\\Program Files\\Internet Explorer\\iexplore.exe", "iexplore.exe"},
      {"/usr/bin/xdg-open", "xdg-open"},
      {"explorer", "explorer"},
      {"/disc/", ""},
      {"", ""},
  };
  for (const Name& n : names) EXPECT_EQ(FileNamePart(n.path), n.name) << n.path;
}

}  // namespace
}  // namespace n5::linux_ui

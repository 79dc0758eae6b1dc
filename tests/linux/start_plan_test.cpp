#include "linux/start_plan.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "actions/launch_paths.h"

namespace n5::linux_ui {
namespace {

using ::testing::ElementsAre;

TEST(StartPlanTest, SplitsTheArgumentsOffACommandLine) {
  struct Case {
    const char* program;
    const char* command_line;
    const char* arguments;
  } cases[] = {
      {"explorer", "explorer /disc", "/disc"},
      {"explorer", "explorer /演示 光盘 (demo)", "/演示 光盘 (demo)"},  // spaces stay
      {"explorer", "explorer  /disc", " /disc"},                        // only one space goes
      {"explorer", "explorer", ""},
      {"explorer", "explorer ", ""},
      {"\\P F\\iexplore.exe", "\\P F\\iexplore.exe http://x", "http://x"},
      // Not led by the program: the first word, or the quoted first part, is the program's.
      {"/bin/prog", "prog a b", "a b"},
      {"/bin/prog", "\"my prog\" a b", "a b"},
      {"/bin/prog", "\"unclosed a", ""},
      {"/bin/prog", "single", ""},
      {"", "prog a", "a"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandArguments(c.program, c.command_line), c.arguments)
        << c.program << " | " << c.command_line;
  }
}

TEST(StartPlanTest, OpensFilesAndAddressesThroughTheDesktopOpener) {
  StartPlan file = PlanOpen("/disc\\集成安装程序\\setup.exe");
  EXPECT_THAT(file.argv, ElementsAre("xdg-open", "/disc/集成安装程序/setup.exe"));
  EXPECT_TRUE(file.search_path);

  StartPlan address = PlanOpen("http://www.n5-erp.example");
  EXPECT_THAT(address.argv, ElementsAre("xdg-open", "http://www.n5-erp.example"));
}

TEST(StartPlanTest, StandsTheDesktopsServicesInForTheWindowsPrograms) {
  const std::string folder = "/media/演示 光盘";
  StartPlan browse = PlanStart(kExplorerProgram, ExplorerCommandLine(folder));
  EXPECT_THAT(browse.argv, ElementsAre("xdg-open", folder));
  EXPECT_TRUE(browse.search_path);
  EXPECT_THAT(PlanStart("Explorer.EXE", "Explorer.EXE /\\disc").argv,
              ElementsAre("xdg-open", "/disc"));

  // Wherever the core looked for the browser, its file name is what tells it.
  for (const char* root : {"\\", "C:\\"}) {
    StartPlan web =
        PlanStart(BrowserProgramPath(root), BrowserCommandLine(root, "http://www.n5-erp.example"));
    EXPECT_THAT(web.argv, ElementsAre("xdg-open", "http://www.n5-erp.example")) << root;
    EXPECT_TRUE(web.search_path);
  }
  EXPECT_THAT(PlanStart("\\x\\IEXPLORE.EXE", "\\x\\IEXPLORE.EXE").argv, ElementsAre("xdg-open"));
}

TEST(StartPlanTest, RunsAnyOtherProgramFromItsPathWithOneArgument) {
  StartPlan other = PlanStart("/disc\\tools\\run.sh", "/disc\\tools\\run.sh a b  c");
  EXPECT_THAT(other.argv, ElementsAre("/disc/tools/run.sh", "a b  c"));
  EXPECT_FALSE(other.search_path);  // never taken from PATH
  EXPECT_THAT(PlanStart("/bin/true", "/bin/true").argv, ElementsAre("/bin/true"));
  // A program called like the file manager, but in a folder, is just a program.
  EXPECT_THAT(PlanStart("/disc\\explorer", "/disc\\explorer x").argv,
              ElementsAre("/disc/explorer", "x"));
}

}  // namespace
}  // namespace n5::linux_ui

#include "linux/linux_platform.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "actions/launch_paths.h"
#include "form/failure.h"
#include "linux/process_start.h"

namespace n5::linux_ui {
namespace {

namespace fs = std::filesystem;

TEST(LinuxPlatformTest, FindsTheFolderOfTheRunningProgram) {
  struct Case {
    const char* path;
    const char* folder;
  } cases[] = {
      {"/disc/n5launcher", "/disc"},
      {"/n5launcher", "/"},
      {"/media/演示 光盘/n5launcher", "/media/演示 光盘"},
      {"n5launcher", "."},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;

  LinuxPlatform platform(nullptr);
  EXPECT_EQ(fs::path(platform.LauncherFolder()), fs::canonical("/proc/self/exe").parent_path());
}

TEST(LinuxPlatformTest, WritesTheProgramsFolderAsTheSystemDirectory) {
  LinuxPlatform platform(nullptr);
  std::string buffer(256, ' ');
  platform.ReadSystemDirectory(buffer);
  EXPECT_EQ(buffer.substr(0, 9), std::string("\\usr\\bin\0", 9));
  EXPECT_EQ(buffer.substr(9), std::string(247, ' '));  // the rest as it was
  // The core finds the root of the "drive" in it, and builds its browser path on that.
  EXPECT_EQ(SystemDriveRoot(buffer), "\\");

  std::string too_small(8, ' ');
  platform.ReadSystemDirectory(too_small);
  EXPECT_EQ(too_small, std::string(8, ' '));
}

TEST(LinuxPlatformTest, HandsFailureMessagesToTheWindow) {
  std::string shown;
  LinuxPlatform platform([&](std::string_view text) { shown = text; });
  platform.ShowFailureMessage("No such file or directory");
  EXPECT_EQ(shown, "No such file or directory");
}

// A folder of scripts put first on PATH, each recording its arguments as one line,
// "[arg1][arg2]...", in the folder's record file.
class StartedProgramsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareProcess();
    char name[] = "/tmp/n5-linux-test-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder_ = name;
    record_ = folder_ / "record";
    saved_path_ = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
  }
  void TearDown() override {
    setenv("PATH", saved_path_.c_str(), 1);
    fs::remove_all(folder_);
  }

  fs::path WriteScript(const std::string& name, const std::string& body) {
    fs::path script = folder_ / name;
    std::ofstream(script) << "#!/bin/sh\n" << body << '\n';
    fs::permissions(script, fs::perms::owner_all);
    return script;
  }
  void PutRecordingOpenerOnPath() {
    WriteScript("xdg-open", "for a in \"$@\"; do printf '[%s]' \"$a\"; done >> '" +
                                record_.string() + ".part'; echo >> '" + record_.string() +
                                ".part'; mv '" + record_.string() + ".part' '" + record_.string() +
                                "'");
    setenv("PATH", (folder_.string() + ":/usr/bin:/bin").c_str(), 1);
  }

  // The record, once a started program has written it; empty if none does within 20 s.
  std::string WaitForRecord() {
    for (int i = 0; i < 2000 && !fs::exists(record_); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::ifstream in(record_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // The system reaps the started programs: waiting never reports one of them, and soon
  // none is left.
  static void ExpectNoChildLeftToReap() {
    for (int i = 0; i < 2000; ++i) {
      pid_t reaped = waitpid(-1, nullptr, WNOHANG);
      ASSERT_LE(reaped, 0) << "a started program was left for the launcher to reap";
      if (reaped < 0 && errno == ECHILD) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ADD_FAILURE() << "the started programs did not end";
  }

  fs::path folder_;
  fs::path record_;
  std::string saved_path_;
  LinuxPlatform platform_{nullptr};
};

TEST_F(StartedProgramsTest, OpensTheTranslatedPathAsOneArgument) {
  PutRecordingOpenerOnPath();
  platform::OpenResult result = platform_.OpenRequest("/演示 光盘\\集成安装程序\\setup.exe");
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(WaitForRecord(), "[/演示 光盘/集成安装程序/setup.exe]\n");
}

TEST_F(StartedProgramsTest, BrowsesAFolderAndOpensTheWebAddress) {
  struct Case {
    std::string program;
    std::string command_line;
    const char* recorded;
  } cases[] = {
      {std::string(kExplorerProgram), ExplorerCommandLine("/演示 光盘"), "[/演示 光盘]\n"},
      {BrowserProgramPath("\\"), BrowserCommandLine("\\", "http://www.n5-erp.example"),
       "[http://www.n5-erp.example]\n"},
  };
  PutRecordingOpenerOnPath();
  for (const Case& c : cases) {
    fs::remove(record_);
    platform_.StartCommand(c.program, c.command_line);
    EXPECT_EQ(WaitForRecord(), c.recorded) << c.command_line;
  }
}

TEST_F(StartedProgramsTest, ReportsAMissingOpenerInTheSystemsWords) {
  setenv("PATH", folder_.c_str(), 1);  // holds no xdg-open
  const std::string missing = std::strerror(ENOENT);
  platform::OpenResult result = platform_.OpenRequest("/disc\\x.pdf");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.description, missing);
  try {
    platform_.StartCommand("explorer", "explorer /disc");
    ADD_FAILURE() << "StartCommand did not fail";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.what(), missing);
  }
  // A program given by its path is never looked for on PATH.
  PutRecordingOpenerOnPath();
  EXPECT_THROW(platform_.StartCommand("xdg-open", "xdg-open /disc"), Failure);
}

TEST_F(StartedProgramsTest, StartedProgramsGetADefaultChildSignalAndNoneOfTheLaunchersFiles) {
  int launcher_file = open("/proc/self/status", O_RDONLY);  // inheritable on purpose
  ASSERT_GE(launcher_file, 3);
  fs::path script = WriteScript(
      "inspect", "{ grep '^SigIgn:' /proc/$$/status; [ -e /proc/$$/fd/" +
                     std::to_string(launcher_file) + " ] && echo inherited || echo closed; } > '" +
                     record_.string() + ".part'; mv '" + record_.string() + ".part' '" +
                     record_.string() + "'");
  platform_.StartCommand(script.string(), script.string());
  std::string record = WaitForRecord();
  close(launcher_file);
  ASSERT_FALSE(record.empty());
  unsigned long long ignored = std::stoull(record.substr(record.find(':') + 1), nullptr, 16);
  EXPECT_EQ(ignored & (1ULL << (SIGCHLD - 1)), 0U) << record;
  EXPECT_NE(record.find("closed"), std::string::npos) << record;
}

TEST_F(StartedProgramsTest, LeavesNoZombiesBehind) {
  for (int i = 0; i < 3; ++i) platform_.StartCommand("/bin/true", "/bin/true");
  ExpectNoChildLeftToReap();
}

TEST_F(StartedProgramsTest, LetsLibraryCodeWaitForItsOwnChildren) {
  platform_.StartCommand("/bin/true", "/bin/true");  // ends while waiting is allowed
  {
    ChildWaitAllowed allowed;
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(3);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child) << std::strerror(errno);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  // The program started before was reaped on the way out; the system reaps again after.
  platform_.StartCommand("/bin/true", "/bin/true");
  ExpectNoChildLeftToReap();
}

}  // namespace
}  // namespace n5::linux_ui

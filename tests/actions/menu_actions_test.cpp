// What each menu item, the help document and the web address start, and how failures show.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/launcher_fixture.h"

namespace n5 {
namespace {

using testing::LauncherTest;
using Calls = std::vector<std::string>;

const std::string kInstaller = "\\集成安装程序\\setup.exe";
const std::string kManual =
    "\\N5-企业管理软件(Full-Suite)产品手册\\N5-企业管理软件(Full-Suite)产品手册.pdf";
const std::string kNotes =
    "\\N5-企业管理软件(Full-Suite)安装说明\\N5-企业管理软件(Full-Suite)安装说明.pdf";
const std::string kBrowser = "C:\\Program Files\\Internet Explorer\\iexplore.exe";

class ActionsTest : public LauncherTest {
 protected:
  void SetUp() override { Load(); }
  Calls Run(std::int16_t index) {
    platform_.ClearCalls();
    form().RunMenuItem(index);
    return calls();
  }
};

TEST_F(ActionsTest, BuildsEachItemsTargetFromTheLauncherFolderUnchanged) {
  struct Case {
    std::string folder;
    std::int16_t index;
    std::string call;
  } cases[] = {
      {"D:\\", 0, "open D:\\" + kInstaller},  // two backslashes in a row at a drive root
      {"D:\\", 1, "start explorer D:\\"},
      {"D:\\", 2, "open D:\\" + kManual},
      {"D:\\", 3, "open D:\\" + kNotes},
      {"D:\\Setup", 0, "open D:\\Setup" + kInstaller},
      {"D:\\Setup", 1, "start explorer D:\\Setup"},
      {"D:\\My Disc\\安装", 1, "start explorer D:\\My Disc\\安装"},
      {"D:\\My Disc\\安装", 3, "open D:\\My Disc\\安装" + kNotes},
      {"D:\\", 5, "open D:\\" + kInstaller},  // any other index installs
      {"D:\\", -1, "open D:\\" + kInstaller},
      {"D:\\", 20, "open D:\\" + kInstaller},
  };
  for (const Case& c : cases) {
    platform_.settings().folder = c.folder;
    EXPECT_EQ(Run(c.index), Calls{c.call}) << c.folder << " item " << c.index;
  }
}

TEST_F(ActionsTest, EndsTheProgramAtOnceForTheExitItem) {
  form().HighlightItem(2, frmSplash::True);
  EXPECT_EQ(Run(4), Calls{"end"});
  platform_.settings().fail_folder = true;  // nothing else is read
  EXPECT_EQ(Run(4), Calls{"end"});
}

TEST_F(ActionsTest, StaysQuietWhenTheShellCannotOpenAFileAndStartsAgainEachTime) {
  platform_.settings().fail_open = true;
  for (std::int16_t index : {0, 2, 3}) EXPECT_EQ(Run(index).size(), 1U) << index;
  platform_.settings().fail_open = false;
  platform_.ClearCalls();
  form().RunMenuItem(0);
  form().RunMenuItem(0);
  EXPECT_EQ(calls().size(), 2U) << "the same item twice starts two instances";
}

TEST_F(ActionsTest, ShowsWhyWhenTheFileManagerOrTheFolderFailsAndLeavesTheWindowAsItWas) {
  form().HighlightItem(1, frmSplash::True);
  platform_.settings().fail_start = true;
  EXPECT_EQ(Run(1), (Calls{"start explorer D:\\",
                           std::string("message ") + platform::RecordingPlatform::kStartFailure}));
  platform_.settings().fail_start = false;
  platform_.settings().fail_folder = true;
  EXPECT_EQ(Run(0), Calls{"message Path not found"});
  EXPECT_EQ(form().SelectedIndex, 1);
  EXPECT_EQ(form().lblShowInfo.caption(), form().ItemInfoText[1]);
}

TEST_F(ActionsTest, OpensTheHelpDocumentOfTheVariant) {
  struct Case {
    TextVariant variant;
    std::string folder;
    std::string call;
  } cases[] = {
      {TextVariant::Simplified, "D:\\", "open D:\\\\TARVEN\\TARVENInstallation_cn.pdf"},
      {TextVariant::Simplified, "D:\\Setup", "open D:\\Setup\\TARVEN\\TARVENInstallation_cn.pdf"},
      {TextVariant::Traditional, "D:\\", "open D:\\\\TARVEN\\TARVENInstallation_tw.pdf"},
  };
  for (const Case& c : cases) {
    texts_ = testing::EditableTexts(c.variant);
    Load();
    platform_.settings().folder = c.folder;
    form().OpenHelpDocument();
    EXPECT_EQ(calls(), Calls{c.call});
  }
  platform_.settings().fail_open = true;
  platform_.ClearCalls();
  form().pic_help_Click();
  EXPECT_EQ(calls().size(), 1U) << "a failed open request shows nothing";
}

TEST_F(ActionsTest, SendsNoOpenRequestWithoutAHelpDocumentPath) {
  texts_.missing = {113};
  form().OpenHelpDocument();
  texts_.missing.clear();
  platform_.settings().fail_folder = true;
  form().OpenHelpDocument();
  EXPECT_TRUE(calls().empty());
}

TEST_F(ActionsTest, StartsTheBrowserFromTheSystemDrive) {
  struct Case {
    std::string system_directory;
    std::string url;
    std::string call;
  } cases[] = {
      {"C:\\WINDOWS\\system32", "http://www.n5-erp.example",
       "start " + kBrowser + " http://www.n5-erp.example"},
      {"E:\\Windows\\System32", "http://a.example",
       "start E:" + kBrowser.substr(2) + " http://a.example"},
      {"C:\\WINDOWS\\system32", "", "start " + kBrowser + " "},
      {"C:\\WINDOWS\\system32", "http://a.example/x y",
       "start " + kBrowser + " http://a.example/x y"},
  };
  for (const Case& c : cases) {
    platform_.settings().system_directory = c.system_directory;
    platform_.settings().folder = "F:\\elsewhere";  // the launcher folder plays no part
    platform_.ClearCalls();
    form().OpenWebAddress(c.url);
    EXPECT_EQ(calls(), Calls{c.call});
  }
}

TEST_F(ActionsTest, FallsBackToTheDefaultBrowserWhenTheBrowserCannotStart) {
  form().HighlightItem(3, frmSplash::True);
  platform_.settings().fail_start = true;
  form().lbl_www_Click();
  EXPECT_EQ(calls(), (Calls{"start " + kBrowser + " http://www.n5-erp.example",
                            "open http://www.n5-erp.example"}));
  platform_.ClearCalls();
  platform_.settings().fail_open = true;
  form().lbl_www_Click();
  EXPECT_EQ(calls(), (Calls{"start " + kBrowser + " http://www.n5-erp.example",
                            "open http://www.n5-erp.example",
                            std::string("message ") + platform::RecordingPlatform::kOpenFailure}));
  EXPECT_EQ(form().SelectedIndex, 3) << "the window stays as it was";
  EXPECT_FALSE(window().unloaded());
}

TEST_F(ActionsTest, NeverStartsABrowserPathThatIsNotRootedAtADrive) {
  for (const std::string& directory :
       {std::string("system32"), std::string(), std::string(300, 'C')}) {
    platform_.settings().system_directory = directory;
    platform_.ClearCalls();
    form().OpenWebAddress("http://www.n5-erp.example");
    EXPECT_EQ(calls(), Calls{"open http://www.n5-erp.example"}) << directory;
  }
  // With no address to fall back on, the failure is shown.
  platform_.ClearCalls();
  form().OpenWebAddress("");
  ASSERT_EQ(calls().size(), 1U);
  EXPECT_EQ(calls()[0].rfind("message ", 0), 0U);
}

}  // namespace
}  // namespace n5

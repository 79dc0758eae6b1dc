// What the menu items, F1 and the web address start. The launcher never waits for what it
// starts, and none of these procedures changes the window or the highlight.

#include <exception>

#include "actions/launch_paths.h"
#include "form/failure.h"
#include "launcher/frm_splash.h"

namespace n5 {
namespace {

constexpr std::int16_t kExitItem = 4;
constexpr int kHelpDocumentText = 113;

}  // namespace

// Item 0 installs, 1 browses the disc, 2 and 3 open the product documents and 4 ends the
// program; any other index installs. A failure shows its description in a message box.
void frmSplash::RunMenuItem(std::int16_t index) {
  if (index == kExitItem) {
    platform_.EndProgram();
    return;
  }
  try {
    std::string folder = platform_.LauncherFolder();
    switch (index) {
      case 1:
        platform_.StartCommand(kExplorerProgram, ExplorerCommandLine(folder));
        break;
      case 2:
        platform_.OpenRequest(folder + std::string(kFeatureDocumentPath));
        break;
      case 3:
        platform_.OpenRequest(folder + std::string(kInstallationNotesPath));
        break;
      default:
        // What the shell makes of an open request is not the launcher's to report.
        platform_.OpenRequest(folder + std::string(kInstallerPath));
        break;
    }
  } catch (const std::exception& failure) {
    platform_.ShowFailureMessage(failure.what());
  }
}

// The help document of the chosen text variant, below the launcher folder. Reports nothing.
void frmSplash::OpenHelpDocument() {
  std::string path;
  SkipOnFailure(
      [&] { path = platform_.LauncherFolder() + "\\" + LoadText(texts_, kHelpDocumentText); });
  // Without a path there is nothing to open: a request without a file would ask the shell
  // for whatever it makes of an empty name.
  if (path.empty()) return;
  SkipOnFailure([&] { platform_.OpenRequest(path); });
}

// Starts the browser from its fixed place on the system drive. When it cannot be started,
// the address goes to the system's default browser instead, and only if that fails too does
// a message box say why. The window stays as it was.
void frmSplash::OpenWebAddress(const std::string& url) {
  std::string start_failure;
  try {
    std::string buffer(256, ' ');
    platform_.ReadSystemDirectory(buffer);
    std::string root = SystemDriveRoot(buffer);
    // Without a drive root the program path would be relative, and the system would look for
    // it in the current folder, the disc's: never start that.
    if (root.empty()) throw Failure("The system drive cannot be found.");
    platform_.StartCommand(BrowserProgramPath(root), BrowserCommandLine(root, url));
    return;
  } catch (const std::exception& failure) {
    start_failure = failure.what();
  }
  if (!url.empty()) {
    platform::OpenResult opened = platform_.OpenRequest(url);
    if (opened.ok) return;
    if (!opened.description.empty()) start_failure = opened.description;
  }
  platform_.ShowFailureMessage(start_failure);
}

}  // namespace n5

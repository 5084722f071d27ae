// The installation itself, run when the user presses Install: save the configuration to keep,
// copy the kit, register the module with each chosen AutoCAD, install the fonts, put the
// configuration back and record the product folder, driving the page's progress bar.
#pragma once

#include <string_view>

#include "common/platform/file_system.h"
#include "common/platform/registry.h"
#include "installer/acad/acad_install_table.h"
#include "installer/engine/config_keeper.h"
#include "installer/engine/install_page.h"

namespace torvek::engine {

struct InstallContext {
  platform::Registry& registry;
  platform::FileSystem& files;
  acad::AcadInstallTable& table;
  const acad::ReleaseChoices& releaseChosen;
};

// What the user chose to keep of an earlier installation, nonzero meaning keep. It counts only
// when an earlier installation is recorded.
struct KeepChoices {
  int keepSettings = 0;
  int keepSectionLibrary = 0;
  int keepExtendedLibrary = 0;
};

enum class InstallEnd {
  kInstalled,  // every step ran
  kCancelled,  // the user aborted: the page has been closed as cancelled
  kNoRoom,     // a path the install builds does not fit below the folder: nothing was done
};

struct InstallOutcome {
  InstallEnd end = InstallEnd::kInstalled;
  KeptFilesReport kept;
};

// True when every path an install builds below `installFolder` fits a path buffer: the product
// folder with the kit's longest file name, the extended library folder with its longest name,
// and the module path.
bool HasRoomForInstall(platform::FileSystem& files, std::string_view installFolder);

// Installs below `installFolder`, the folder the user chose with one trailing backslash removed
// (StripTrailingBackslash), keeping what `keep` says. Cancelled when the user aborted after a
// kept file could not be saved (nothing is copied or restored, and this run's copies have left
// the stores) or after a failed copy of the kit (the saved configuration has been put back).
InstallOutcome RunInstall(InstallPage& page, const InstallContext& context,
                          std::string_view installFolder, KeepChoices keep);

}  // namespace torvek::engine

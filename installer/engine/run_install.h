// The installation itself, run when the user presses Install: save the configuration to keep,
// copy the kit, register the module with each chosen AutoCAD, install the fonts, put the
// configuration back and record the product folder, driving the page's progress bar.
#pragma once

#include <string_view>

#include "common/platform/file_system.h"
#include "common/platform/registry.h"
#include "installer/acad/acad_install_table.h"
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

// Installs below `installFolder`, the folder the user chose with one trailing backslash removed
// (StripTrailingBackslash), keeping what `keep` says. True when every step ran. False when the
// user aborted the copy of the kit: the saved configuration has been put back and the page
// closed as cancelled.
bool RunInstall(InstallPage& page, const InstallContext& context, std::string_view installFolder,
                KeepChoices keep);

}  // namespace torvek::engine

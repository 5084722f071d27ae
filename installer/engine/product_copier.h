// Copies the kit into the product folder: the files lying directly in the installer's folder,
// then those of its extended drawing library subfolder, flat, one progress step per turn of
// each walk.
#pragma once

#include <string>
#include <string_view>

#include "common/platform/file_system.h"
#include "installer/engine/flat_folder_walk.h"
#include "installer/engine/install_page.h"

namespace torvek::engine {

class ProductCopier {
 public:
  // `installFolder` without its trailing backslash; the page owns the progress bar and the
  // question asked after a failed copy.
  ProductCopier(platform::FileSystem& files, std::string_view installFolder, InstallPage& page);

  // Creates the product folder and copies every file of the source folder but the installer
  // and the two shape fonts. A failed copy asks Abort, Retry or Ignore; false after Abort.
  bool CopyProductFiles();
  // Creates the library folder and copies every file of the kit's library. A copy that fails
  // passes silently, but a path that cannot be formed asks as a failed product copy does;
  // false after Abort. Called only after CopyProductFiles succeeded.
  bool CopyExtendedLibrary();

 private:
  // A folder too deep to be searched is a copy that failed: the user hears of it, and Retry
  // cannot change it.
  WalkStep AskAboutUnbuiltPath(const std::string& path);

  platform::FileSystem& files_;
  std::string installFolder_;
  InstallPage& page_;
};

// True when every path the copy builds below `installFolder` fits a path buffer: the product
// folder with the longest name copied into it, and the library folder with the longest name of
// the kit's library.
bool CopyTargetsFit(platform::FileSystem& files, std::string_view installFolder);

}  // namespace torvek::engine

// Copies the kit into the product folder: the files lying directly in the installer's folder,
// then those of its extended drawing library subfolder, flat, one progress step per turn of
// each walk.
#pragma once

#include <string>
#include <string_view>

#include "common/copy_replacing.h"
#include "common/platform/file_system.h"
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
  // Creates the library folder and copies every file of the kit's library; failures pass
  // silently. Called only after CopyProductFiles succeeded.
  void CopyExtendedLibrary();

 private:
  // The Abort/Retry/Ignore question after the copy to `to` failed.
  AfterFailedCopy AskAfterFailedCopy(const std::string& to);

  platform::FileSystem& files_;
  std::string installFolder_;
  InstallPage& page_;
};

}  // namespace torvek::engine

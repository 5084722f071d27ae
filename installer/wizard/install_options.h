// The wizard's state that outlives a page: what the user chose on each page, read when a page
// opens and written when it is left with Next, Back or a successful Install.
#pragma once

#include <string>

#include "installer/acad/acad_release.h"

namespace torvek::setup {

// The installer's version, shown as major.minor.patch: 20140108 reads V2014.1.8.
inline constexpr int productVersion = 20140108;

// The pages by number; any other number ends the wizard as kNoPage does.
inline constexpr int kNoPage = 0;
inline constexpr int kLicencePageNumber = 1;
inline constexpr int kReleasePageNumber = 2;
inline constexpr int kFolderPageNumber = 3;

struct InstallOptions {
  // The licence page's radio group: 0 不同意, 1 同意.
  int licenceChoice = 1;
  // One flag per release index; a release that discovery did not find is stored as 0.
  acad::ReleaseChoices releaseChosen = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  std::string installFolder = "C:\\Program Files";
  int keepOldConfig = 0;
  int keepSettings = 0;
  int keepSectionLibrary = 0;
  int keepExtendedLibrary = 0;
};

}  // namespace torvek::setup

// The toolbox's two shape fonts go into each AutoCAD installation's own Fonts folder, which
// is never created: an installation without one simply does not get them.
#include "common/clear_read_only.h"
#include "common/text/path_buffer.h"
#include "common/text/strip_trailing_backslash.h"
#include "installer/acad/acad_install_table.h"
#include "installer/product_files.h"

namespace torvek::acad {

void AcadInstallTable::InstallShapeFonts(const ReleaseChoices& chosen) {
  for (int release = 0; release < kReleaseCount; ++release) {
    if (chosen[static_cast<std::size_t>(release)] == 0)
      continue;
    for (int k = 0; k < LocationCount(release); ++k)
      InstallFontsAt(Location(release, k));
  }
}

void AcadInstallTable::InstallFontsAt(const std::string& location) {
  PathBuffer source;
  PathBuffer target;
  if (!source.Assign(StripTrailingBackslash(files_.CurrentDirectory())) ||
      !target.Format("%s\\Fonts", location.c_str())) {
    return;
  }
  PathBuffer from;
  PathBuffer to;
  // A read-only font left by an earlier run is made writable first, so this run replaces it.
  if (from.Format("%s\\%s", source.c_str(), product::kEnglishFontName) &&
      to.Format("%s\\%s", target.c_str(), product::kEnglishFontName)) {
    ClearReadOnly(files_, to.c_str());
    files_.CopyFile(from.c_str(), to.c_str(), false);
    ClearReadOnly(files_, from.c_str());
    ClearReadOnly(files_, to.c_str());
  }
  if (from.Format("%s\\%s", source.c_str(), product::kChineseFontName) &&
      to.Format("%s\\%s", target.c_str(), product::kChineseFontName)) {
    ClearReadOnly(files_, from.c_str());
    ClearReadOnly(files_, to.c_str());
    files_.CopyFile(from.c_str(), to.c_str(), false);
  }
}

}  // namespace torvek::acad

#include "common/clear_read_only.h"
#include "common/text/path_buffer.h"
#include "installer/acad/acad_install_table.h"
#include "installer/acad/loader_file.h"

namespace torvek::acad {

void AcadInstallTable::RewriteAcadRx(const std::string& location, int releaseYear) {
  // The location is used as recorded, a trailing backslash and all.
  PathBuffer path;
  if (!path.Format("%s\\acad.rx", location.c_str()))
    return;
  // The module line is the same path as the LOADER value registered for the release.
  PathBuffer moduleLine;
  if (!moduleLine.Format("%s\\Torvek结构工具箱\\TORVEK%d.ARX", installFolder_.c_str(),
                         ModuleYearFor(releaseYear))) {
    return;
  }
  ClearReadOnly(files_, path.c_str());
  std::vector<std::string> kept;
  if (ReadKeptLines(files_, path.c_str(), kept) == LoaderReadResult::kReadFailed)
    return;
  WriteLoaderFile(files_, path.c_str(), std::string(moduleLine.view()), kept);
}

}  // namespace torvek::acad

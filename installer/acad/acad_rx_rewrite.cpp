#include "common/clear_read_only.h"
#include "common/text/path_buffer.h"
#include "installer/acad/acad_install_table.h"
#include "installer/acad/loader_file.h"
#include "installer/product_files.h"

namespace torvek::acad {

void AcadInstallTable::RewriteAcadRx(const std::string& location, int releaseYear) {
  // The location is used as recorded, a trailing backslash and all.
  PathBuffer path;
  if (!path.Format("%s\\acad.rx", location.c_str()))
    return;
  // The module line is the same path as the LOADER value registered for the release.
  const std::optional<PathBuffer> moduleLine =
      product::ModulePath(installFolder_, ModuleYearFor(releaseYear));
  if (!moduleLine)
    return;
  ClearReadOnly(files_, path.c_str());
  std::vector<std::string> kept;
  const LoaderReadResult read = ReadKeptLines(files_, path.c_str(), kept);
  if (read == LoaderReadResult::kReadFailed)
    return;
  WriteLoaderFile(files_, path.c_str(), std::string(moduleLine->view()), kept,
                  read == LoaderReadResult::kRead);
}

}  // namespace torvek::acad

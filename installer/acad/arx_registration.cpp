// Demand loading: below each product key, Applications\Torvek<release year> tells AutoCAD to
// load the module at start-up (LOADCTRLS 2) and where it is (LOADER).
#include <cstring>

#include "common/text/path_buffer.h"
#include "installer/acad/acad_install_table.h"
#include "installer/product_files.h"

namespace torvek::acad {

namespace {
constexpr std::uint32_t kLoadAtStartUp = 2;
}

void AcadInstallTable::RegisterArxModules(const ReleaseChoices& chosen) {
  for (int release = 0; release < kReleaseCount; ++release) {
    if (chosen[static_cast<std::size_t>(release)] == 0)
      continue;
    const int year = kReleaseYears[static_cast<std::size_t>(release)];
    const int count = LocationCount(release);
    for (int k = 0; k < count; ++k)
      RewriteAcadRx(Location(release, k), year);
    WriteReleaseRegistration(count, year);
  }
}

void AcadInstallTable::WriteReleaseRegistration(int count, int releaseYear) {
  const std::optional<int> release = ReleaseIndexOf(releaseYear);
  if (!release || count <= 0)
    return;
  PathBuffer keyName;
  const std::optional<PathBuffer> modulePath =
      product::ModulePath(installFolder_, ModuleYearFor(releaseYear));
  if (!keyName.Format("Applications\\Torvek%d", releaseYear) || !modulePath) {
    // A module path that does not fit would be registered cut: register nothing instead.
    return;
  }
  const auto& row = productKeys_[static_cast<std::size_t>(*release)];
  for (int k = 0; k < count && k < static_cast<int>(row.size()); ++k) {
    const platform::RegKey productKey = row[static_cast<std::size_t>(k)];
    // Deleting first drops whatever an earlier run left in the key; a missing key is fine.
    registry_.DeleteKey(productKey, keyName.c_str());
    platform::RegKey application = platform::kNoKey;
    if (registry_.CreateKey(productKey, keyName.c_str(), application) != platform::kErrorSuccess) {
      continue;
    }
    std::uint8_t loadControls[4];
    std::memcpy(loadControls, &kLoadAtStartUp, sizeof loadControls);
    registry_.SetValue(application, "LOADCTRLS", platform::kRegDword, loadControls,
                       sizeof loadControls);
    // AutoCAD reads the path without its zero; the length given leaves it out.
    registry_.SetValue(application, "LOADER", platform::kRegSz,
                       reinterpret_cast<const std::uint8_t*>(modulePath->c_str()),
                       static_cast<std::uint32_t>(modulePath->size()));
    registry_.CloseKey(application);
  }
}

}  // namespace torvek::acad

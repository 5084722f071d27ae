#include "installer/acad/acad_install_table.h"

namespace torvek::acad {

AcadInstallTable::AcadInstallTable(platform::Registry& registry, platform::FileSystem& files)
    : registry_(registry), files_(files) {}

AcadInstallTable::~AcadInstallTable() {
  for (const auto& row : productKeys_) {
    for (platform::RegKey key : row)
      registry_.CloseKey(key);
  }
  DropLastFoundKey();
}

int AcadInstallTable::LocationCount(int release) const {
  return static_cast<int>(locations_[static_cast<std::size_t>(release)].size());
}

const std::string& AcadInstallTable::Location(int release, int k) const {
  return locations_[static_cast<std::size_t>(release)][static_cast<std::size_t>(k)];
}

platform::RegKey AcadInstallTable::ProductKey(int release, int k) const {
  return productKeys_[static_cast<std::size_t>(release)][static_cast<std::size_t>(k)];
}

void AcadInstallTable::Record(int release, platform::RegKey productKey,
                              const std::string& location) {
  productKeys_[static_cast<std::size_t>(release)].push_back(productKey);
  locations_[static_cast<std::size_t>(release)].push_back(location);
}

void AcadInstallTable::DropLastFoundKey() {
  if (lastFoundKey_ != platform::kNoKey)
    registry_.CloseKey(lastFoundKey_);
  lastFoundKey_ = platform::kNoKey;
}

}  // namespace torvek::acad

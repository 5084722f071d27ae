// The installer's one record of the AutoCAD installations found at start-up, and of the folder
// the user chose to install into. Discovery fills it once; module registration, the acad.rx
// rewrite and the shape fonts act on what it holds.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform/file_system.h"
#include "common/platform/registry.h"
#include "installer/acad/acad_release.h"

namespace torvek::acad {

class AcadInstallTable {
 public:
  AcadInstallTable(platform::Registry& registry, platform::FileSystem& files);
  // The product keys stay open for the whole run; they are closed only here, at exit.
  ~AcadInstallTable();
  AcadInstallTable(const AcadInstallTable&) = delete;
  AcadInstallTable& operator=(const AcadInstallTable&) = delete;

  // Scans the 32-bit root (2006 and 2008 only) and then the native root (all fourteen),
  // appending every installation found; the two scans are not merged.
  void DiscoverAcadInstallations();

  // For every chosen release: rewrites the acad.rx of each of its installations, then
  // registers the module below each of its product keys.
  void RegisterArxModules(const ReleaseChoices& chosen);
  // Copies both shape fonts into the Fonts folder of every installation of every chosen
  // release.
  void InstallShapeFonts(const ReleaseChoices& chosen);

  // Stores the chosen install folder; the caller has removed one trailing backslash.
  void SetInstallFolder(std::string_view folder) { installFolder_ = folder; }
  const std::string& InstallFolder() const { return installFolder_; }

  int LocationCount(int release) const;
  const std::string& Location(int release, int k) const;
  platform::RegKey ProductKey(int release, int k) const;

 private:
  // The steps of discovery, and of registration and the fonts for one installation.
  void ScanAcadRoot(const char* rootPath, const std::vector<int>& recognisedReleases);
  void FindValueInTree(platform::RegKey parent, const char* name);
  // Reads soughtValueName in the key into found and lastFoundValue; true when it is there.
  bool HoldsSoughtValue(platform::RegKey key);
  void WriteReleaseRegistration(int count, int releaseYear);
  void RewriteAcadRx(const std::string& location, int releaseYear);
  void InstallFontsAt(const std::string& location);
  void Record(int release, platform::RegKey productKey, const std::string& location);
  // Forgets the search's last find, closing its key unless the table has kept it.
  void DropLastFoundKey();

  platform::Registry& registry_;
  platform::FileSystem& files_;

  std::string installFolder_;
  std::array<std::vector<std::string>, kReleaseCount> locations_;
  // Parallel to locations_. A row grows with its list: an eleventh installation of one
  // release is recorded like the first ten.
  std::array<std::vector<platform::RegKey>, kReleaseCount> productKeys_;

  // Working state of FindValueInTree.
  platform::RegKey lastFoundKey_ = platform::kNoKey;
  std::string soughtValueName_ = "AcadLocation";
  std::string lastFoundValue_;
  bool found_ = false;
};

}  // namespace torvek::acad

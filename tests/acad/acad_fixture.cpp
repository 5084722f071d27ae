#include "tests/acad/acad_fixture.h"

#include <gtest/gtest.h>

#include "tests/support/source_file.h"

namespace torvek::acad::testing {

std::string Fixture(const std::string& name) {
  return torvek::testing::SourceFile("tests/acad/fixtures/" + name);
}
namespace {

// Wine spells the key "Software", Windows "SOFTWARE": the tests expect the latter.
std::string WindowsSpelling(std::string path) {
  static const std::string kWine = "HKEY_LOCAL_MACHINE\\Software\\";
  if (path.compare(0, kWine.size(), kWine) == 0) {
    path.replace(0, kWine.size(), "HKEY_LOCAL_MACHINE\\SOFTWARE\\");
  }
  return path;
}

}  // namespace

std::vector<std::string> Installations(const AcadInstallTable& table,
                                       platform::Registry& registry) {
  std::vector<std::string> lines;
  for (int release = 0; release < kReleaseCount; ++release) {
    for (int k = 0; k < table.LocationCount(release); ++k) {
      lines.push_back(std::to_string(kReleaseYears[static_cast<std::size_t>(release)]) + " | " +
                      table.Location(release, k) + " | " +
                      WindowsSpelling(registry.KeyPath(table.ProductKey(release, k))));
    }
  }
  return lines;
}

}  // namespace torvek::acad::testing

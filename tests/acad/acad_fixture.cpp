#include "tests/acad/acad_fixture.h"

#include <gtest/gtest.h>

#include "tests/support/source_file.h"
#include "tests/support/test_machine.h"

namespace torvek::acad::testing {

std::string Fixture(const std::string& name) {
  return torvek::testing::SourceFile("tests/acad/fixtures/" + name);
}
std::vector<std::string> Installations(const AcadInstallTable& table,
                                       platform::Registry& registry) {
  std::vector<std::string> lines;
  for (int release = 0; release < kReleaseCount; ++release) {
    for (int k = 0; k < table.LocationCount(release); ++k) {
      lines.push_back(std::to_string(kReleaseYears[static_cast<std::size_t>(release)]) + " | " +
                      table.Location(release, k) + " | " +
                      torvek::testing::WindowsSpelling(
                          registry.KeyPath(table.ProductKey(release, k)), "HKEY_LOCAL_MACHINE\\"));
    }
  }
  return lines;
}

}  // namespace torvek::acad::testing

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

portable::RegistryView AnyView() {
  return torvek::testing::CanMakeMachine(portable::RegistryView::kWow64)
             ? portable::RegistryView::kWow64
             : portable::RegistryView::kPlain32;
}

std::string AcadRoot(portable::RegistryView view) {
  return view == portable::RegistryView::kWow64 ? "SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\"
                                                : "SOFTWARE\\Autodesk\\AutoCAD\\";
}

std::string InstallationsReg(portable::RegistryView view,
                             std::initializer_list<std::pair<int, std::string>> installations) {
  std::string reg = "Windows Registry Editor Version 5.00\n";
  for (const auto& [year, location] : installations) {
    std::string quoted;
    for (char c : location)
      quoted += c == '\\' ? std::string("\\\\") : std::string(1, c);
    reg += "[HKEY_LOCAL_MACHINE\\" + AcadRoot(view) + "R" + std::to_string(year) + "\\ACAD-" +
           std::to_string(year) + ":804]\n\"ProductName\"=\"AutoCAD " + std::to_string(year) +
           "\"\n\"AcadLocation\"=\"" + quoted + "\"\n";
  }
  return reg;
}

ReleaseChoices Choose(std::initializer_list<int> years) {
  ReleaseChoices chosen{};
  for (int year : years)
    chosen[static_cast<std::size_t>(*ReleaseIndexOf(year))] = 1;
  return chosen;
}

}  // namespace torvek::acad::testing

// The whole installation on the sample machine (a 64-bit Windows with 32-bit AutoCAD 2008 and
// 2014 and a 64-bit 2015), checked against a golden description: the registry as .reg text
// and every file below the places an installation touches as path, attributes and hash.
// TORVEK_UPDATE_GOLDEN=1 rewrites the golden files from this run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "installer/engine/run_install.h"
#include "tests/engine/recording_install_page.h"
#include "tests/support/source_file.h"
#include "tests/support/test_machine.h"
#include "tests/support/tree_description.h"

namespace torvek::engine {
namespace {

namespace fs = std::filesystem;

void CompareWithGolden(const std::string& actual, const std::string& goldenName) {
  const std::string relative = "tests/engine/golden/" + goldenName;
  if (std::getenv("TORVEK_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(std::string(std::getenv("TORVEK_SOURCE_DIR")) + "/" + relative, std::ios::binary)
        << actual;
    return;
  }
  EXPECT_EQ(actual, torvek::testing::SourceFile(relative)) << "golden file " << relative;
}

TEST(SampleInstall, MatchesTheGoldenDescription) {
  torvek::testing::TestMachine machine(portable::RegistryView::kWow64);
  machine.ImportReg(torvek::testing::SourceFile("tools/sample-machine/machine.reg"));
  const std::string top = std::getenv("TORVEK_SOURCE_DIR");
  const fs::path drive = machine.RealPath("C:\\");
  machine.MakeFolder("D:\\Kit");
  ASSERT_EQ(std::system(("bash '" + top + "/tools/sample-machine/make-sample-machine.sh' '" +
                         drive.string() + "'")
                            .c_str()),
            0);
  ASSERT_EQ(std::system(("bash '" + top + "/tools/sample-machine/make-sample-kit.sh' '" +
                         machine.RealPath("D:\\Kit").string() + "'")
                            .c_str()),
            0);
  machine.Put("D:\\Kit\\SetUp.exe", "the installer");
  machine.SetCurrentDirectory("D:\\Kit");
  machine.MakeFolder("C:\\Program Files");

  acad::AcadInstallTable table(machine.registry(), machine.files());
  table.DiscoverAcadInstallations();
  acad::ReleaseChoices chosen{};
  chosen[*acad::ReleaseIndexOf(2008)] = 1;
  chosen[*acad::ReleaseIndexOf(2014)] = 1;
  chosen[*acad::ReleaseIndexOf(2015)] = 1;  // offered by nobody: not found, not touched
  testing::RecordingInstallPage page;
  ASSERT_EQ(RunInstall(page, {machine.registry(), machine.files(), table, chosen},
                       "C:\\Program Files", {})
                .end,
            InstallEnd::kInstalled);
  EXPECT_TRUE(page.questions.Shown().empty());

  CompareWithGolden(machine.ExportReg({"SOFTWARE\\Autodesk", "SOFTWARE\\Wow6432Node\\Autodesk",
                                       "SOFTWARE\\Wow6432Node\\Torvek"}),
                    "sample_install.reg");
  CompareWithGolden(
      DescribeTree(machine.files(), {"C:\\Program Files", "C:\\Program Files (x86)", "D:\\Kit"}),
      "sample_install.files");
}

}  // namespace
}  // namespace torvek::engine

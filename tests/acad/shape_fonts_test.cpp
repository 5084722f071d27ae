// The two shape fonts reach each installation's own Fonts folder, read-only leftovers are
// replaced, and a missing Fonts folder is never created.
#include <gtest/gtest.h>

#include "installer/acad/acad_install_table.h"
#include "tests/acad/acad_fixture.h"
#include "tests/support/test_machine.h"

namespace torvek::acad {
namespace {

using testing::Choose;

// AutoCAD 2010 with its Fonts folder, 2014 without.
class ShapeFonts : public ::testing::Test {
 protected:
  ShapeFonts() : machine_(testing::AnyView()), table_(machine_.registry(), machine_.files()) {
    machine_.ImportReg(testing::InstallationsReg(
        testing::AnyView(), {{2010, "C:\\AutoCAD 2010"}, {2014, "C:\\AutoCAD 2014"}}));
    table_.DiscoverAcadInstallations();
    machine_.Put("D:\\Kit\\Torvek_EN.shx", "new EN");
    machine_.Put("D:\\Kit\\Torvek_HZ.shx", "new HZ");
    machine_.SetCurrentDirectory("D:\\Kit");
    machine_.MakeFolder("C:\\AutoCAD 2010\\Fonts");
    machine_.MakeFolder("C:\\AutoCAD 2014");
  }

  torvek::testing::TestMachine machine_;
  AcadInstallTable table_;
};

TEST_F(ShapeFonts, CopiesBothFontsAndReplacesReadOnlyOnes) {
  machine_.Put("C:\\AutoCAD 2010\\Fonts\\Torvek_EN.shx", "old EN");
  machine_.SetReadOnly("C:\\AutoCAD 2010\\Fonts\\Torvek_EN.shx");
  machine_.Put("C:\\AutoCAD 2010\\Fonts\\Torvek_HZ.shx", "old HZ");
  machine_.SetReadOnly("C:\\AutoCAD 2010\\Fonts\\Torvek_HZ.shx");
  machine_.SetReadOnly("D:\\Kit\\Torvek_EN.shx");

  table_.InstallShapeFonts(Choose({2010}));

  // Both are replaced in this run, and the EN font ends writable in every case.
  EXPECT_EQ(machine_.Get("C:\\AutoCAD 2010\\Fonts\\Torvek_EN.shx"), "new EN");
  EXPECT_EQ(machine_.Get("C:\\AutoCAD 2010\\Fonts\\Torvek_HZ.shx"), "new HZ");
  EXPECT_EQ(
      machine_.Attributes("C:\\AutoCAD 2010\\Fonts\\Torvek_EN.shx") & platform::kAttributeReadOnly,
      0u);
  EXPECT_EQ(machine_.Attributes("D:\\Kit\\Torvek_EN.shx") & platform::kAttributeReadOnly, 0u);
}

TEST_F(ShapeFonts, NeverCreatesAFontsFolderAndGoesOnWithoutIt) {
  table_.InstallShapeFonts(Choose({2010, 2014}));
  EXPECT_EQ(machine_.Get("C:\\AutoCAD 2010\\Fonts\\Torvek_HZ.shx"), "new HZ");
  EXPECT_FALSE(machine_.Exists("C:\\AutoCAD 2014\\Fonts"));
}

TEST_F(ShapeFonts, TakesTheFontsFromADriveRootAndFromReadOnlyMedia) {
  machine_.Put("D:\\Torvek_EN.shx", "cd EN");
  machine_.Put("D:\\Torvek_HZ.shx", "cd HZ");
  machine_.SetCurrentDirectory("D:\\");
  machine_.MakeDriveReadOnly('D');
  // As the installer sees it.
  ASSERT_NE(machine_.files().GetAttributes("D:\\Torvek_EN.shx") & platform::kAttributeReadOnly, 0u);
  table_.InstallShapeFonts(Choose({2010}));
  // Clearing the attribute on the medium fails, and the copies go on anyway: they come
  // read-only, and the EN font is made writable after its copy.
  EXPECT_EQ(machine_.Get("C:\\AutoCAD 2010\\Fonts\\Torvek_EN.shx"), "cd EN");
  EXPECT_EQ(machine_.Get("C:\\AutoCAD 2010\\Fonts\\Torvek_HZ.shx"), "cd HZ");
  EXPECT_EQ(
      machine_.Attributes("C:\\AutoCAD 2010\\Fonts\\Torvek_EN.shx") & platform::kAttributeReadOnly,
      0u);
  EXPECT_NE(
      machine_.Attributes("C:\\AutoCAD 2010\\Fonts\\Torvek_HZ.shx") & platform::kAttributeReadOnly,
      0u);
}

}  // namespace
}  // namespace torvek::acad

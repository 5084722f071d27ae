// Registering the module with each chosen installation: acad.rx first, then
// Applications\Torvek<release year> below the product key, and nothing else in the registry.
#include <gtest/gtest.h>

#include "common/portable/reg_file.h"
#include "installer/acad/acad_install_table.h"
#include "tests/acad/acad_fixture.h"
#include "tests/support/test_machine.h"

namespace torvek::acad {
namespace {

using testing::Choose;
using testing::Fixture;

constexpr char kWowAcad[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD";
// Everything registration could touch: both roots AutoCAD is found below.
const std::vector<std::string> kAcadKeys = {"SOFTWARE\\Autodesk",
                                            "SOFTWARE\\Wow6432Node\\Autodesk"};

// A .reg section holding exactly what registration writes for one product key.
std::string Registration(const std::string& productKey, int year, const char* module) {
  return "[" + productKey + "\\Applications\\Torvek" + std::to_string(year) +
         "]\n\"LOADCTRLS\"=dword:00000002\n\"LOADER\"=\"C:\\\\Program "
         "Files\\\\Torvek结构工具箱\\\\" +
         module + "\"\n";
}

class ArxRegistration : public ::testing::Test {
 protected:
  ArxRegistration() : table_(machine_.registry(), machine_.files()) {}

  void SetUp() override {
    // The fixture is a 64-bit machine; under Wine only a 64-bit prefix is one.
    if (!torvek::testing::CanMakeMachine(portable::RegistryView::kWow64)) {
      GTEST_SKIP() << "this prefix is a 32-bit machine";
    }
    machine_.ImportReg(Fixture("machine64.reg"));
    machine_.ImportReg(reinterpret_cast<const char*>(
        u8"Windows Registry Editor Version 5.00\n"
        u8"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\R17.1\\ACAD-6001:804"
        u8"\\Applications\\Torvek2008\\Commands]\n\"TVK\"=\"TVK\"\n"));
    table_.DiscoverAcadInstallations();
    table_.SetInstallFolder("C:\\Program Files");
    machine_.MakeFolder("C:\\Program Files (x86)\\AutoCAD 2008");
    machine_.MakeFolder("C:\\Program Files (x86)\\AutoCAD 2010");
    before_ = machine_.ExportReg(kAcadKeys);
  }

  // The registry export after registration, with the expected sections spliced into the one
  // taken before: the whole tree must equal it, so nothing else may have changed.
  void ExpectOnlyAdded(const std::vector<std::string>& sections) {
    portable::MemoryRegistry expected(portable::RegistryView::kWow64);
    ASSERT_TRUE(portable::ImportRegFile(expected, before_).ok());
    for (const std::string& section : sections) {
      // The sections are written in this file's literals: code page 936, as REGEDIT4 is.
      ASSERT_TRUE(portable::ImportRegFile(expected, "REGEDIT4\n" + section).ok()) << section;
    }
    EXPECT_EQ(machine_.ExportReg(kAcadKeys), torvek::testing::CanonicalReg(expected, kAcadKeys));
  }

  torvek::testing::TestMachine machine_;
  AcadInstallTable table_;
  std::string before_;
};

TEST_F(ArxRegistration, RegistersTheModuleOfEachChosenReleaseBelowItsProductKeys) {
  // 2010 loads the 2010 build, 2014 the 2013 build; 2008 is recorded twice and registered
  // twice to the same effect; its old registration loses its stray value but keeps its subkey
  // (a key with subkeys cannot be deleted). 2006 and 2012 are not chosen or not there.
  table_.RegisterArxModules(Choose({2008, 2010, 2012, 2014}));
  const std::string k2008 = std::string(kWowAcad) + "\\R17.1\\ACAD-6001:804";
  ExpectOnlyAdded({
      "[-" + k2008 + "\\Applications\\Torvek2008]\n",
      Registration(k2008, 2008, "TORVEK2008.ARX") +
          "\"DESCRIPTION\"=\"left by an earlier installation\"\n",
      "[" + k2008 + "\\Applications\\Torvek2008\\Commands]\n\"TVK\"=\"TVK\"\n",
      Registration(std::string(kWowAcad) + "\\R18.0\\ACAD-8001:409", 2010, "TORVEK2010.ARX"),
      Registration(std::string(kWowAcad) + "\\R19.1\\ACAD-D001:409", 2014, "TORVEK2013.ARX"),
  });

  // Each acad.rx of a chosen release got its module line; none of the others was touched.
  EXPECT_EQ(machine_.Get("C:\\Program Files (x86)\\AutoCAD 2010\\acad.rx"),
            "C:\\Program Files\\Torvek结构工具箱\\TORVEK2010.ARX\r\n");
  EXPECT_EQ(machine_.Get("C:\\Program Files (x86)\\AutoCAD 2008\\acad.rx"),
            "C:\\Program Files\\Torvek结构工具箱\\TORVEK2008.ARX\r\n");
  EXPECT_FALSE(machine_.Exists("C:\\Program Files (x86)\\AutoCAD 2006\\acad.rx"));
}

TEST_F(ArxRegistration, ReplacesAnEarlierRegistrationWithoutSubkeys) {
  machine_.ImportReg("Windows Registry Editor Version 5.00\n[-" + std::string(kWowAcad) +
                     "\\R17.1\\ACAD-6001:804\\Applications\\Torvek2008\\Commands]\n");
  before_ = machine_.ExportReg(kAcadKeys);
  table_.RegisterArxModules(Choose({2008}));
  const std::string k2008 = std::string(kWowAcad) + "\\R17.1\\ACAD-6001:804";
  ExpectOnlyAdded({"[-" + k2008 + "\\Applications\\Torvek2008]\n",
                   Registration(k2008, 2008, "TORVEK2008.ARX")});
}

TEST_F(ArxRegistration, WritesNothingForAReleaseWithoutInstallationsOrAPathThatDoesNotFit) {
  table_.RegisterArxModules(Choose({2000, 2012, 2015}));
  EXPECT_EQ(machine_.ExportReg(kAcadKeys), before_);

  // A module path of more than 259 bytes would be cut: the release is not registered at all.
  table_.SetInstallFolder("C:\\" + std::string(240, 'f'));
  table_.RegisterArxModules(Choose({2014}));
  EXPECT_EQ(machine_.ExportReg(kAcadKeys), before_);
}

}  // namespace
}  // namespace torvek::acad

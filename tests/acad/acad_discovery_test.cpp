// Discovery as a 32-bit installer meets it: on 64-bit Windows both roots show the 32-bit view,
// so 32-bit installations are found (2006 and 2008 twice, by both scans) and 64-bit ones not
// at all; on 32-bit Windows the paths read as written.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string_view>

#include "common/text/cp936_text.h"
#include "installer/acad/acad_install_table.h"
#include "tests/acad/acad_fixture.h"
#include "tests/support/test_machine.h"

namespace torvek::acad {
namespace {

using testing::AcadRoot;
using testing::AnyView;
using ::testing::ElementsAre;
using testing::Fixture;
using testing::Installations;

using portable::RegistryView;
using torvek::testing::CanMakeMachine;

constexpr char kWow[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\";

// Under Wine the machine is the prefix, of one kind only; natively either kind can be made.
#define REQUIRE_MACHINE(view) \
  if (!CanMakeMachine(view))  \
  GTEST_SKIP() << "this prefix is the other kind of machine"

std::vector<std::string> Discover(torvek::testing::TestMachine& machine) {
  AcadInstallTable table(machine.registry(), machine.files());
  table.DiscoverAcadInstallations();
  return Installations(table, machine.registry());
}

TEST(AcadDiscovery, SeesA64BitMachineAsA32BitProgramDoes) {
  REQUIRE_MACHINE(RegistryView::kWow64);
  torvek::testing::TestMachine machine(RegistryView::kWow64);
  machine.ImportReg(Fixture("machine64.reg"));
  const std::string k2006 = std::string(kWow) + "R16.2\\ACAD-4001:409";
  const std::string k2008 = std::string(kWow) + "R17.1\\ACAD-6001:804";
  EXPECT_THAT(Discover(machine),
              ElementsAre("2006 | C:\\Program Files (x86)\\AutoCAD 2006 | " + k2006,
                          "2006 | C:\\Program Files (x86)\\AutoCAD 2006 | " + k2006,
                          "2008 | C:\\Program Files (x86)\\AutoCAD 2008 | " + k2008,
                          "2008 | C:\\Program Files (x86)\\AutoCAD 2008 | " + k2008,
                          "2010 | C:\\Program Files (x86)\\AutoCAD 2010 | " + std::string(kWow) +
                              "R18.0\\ACAD-8001:409",
                          "2014 | C:\\Program Files (x86)\\Autodesk\\AutoCAD 2014 | " +
                              std::string(kWow) + "R19.1\\ACAD-D001:409"));
}

TEST(AcadDiscovery, ReadsA32BitMachineAsWritten) {
  REQUIRE_MACHINE(RegistryView::kPlain32);
  torvek::testing::TestMachine machine(RegistryView::kPlain32);
  machine.ImportReg(Fixture("machine32.reg"));
  // Architectural Desktop shares the 2004 release key and comes later: only it is recorded.
  // The 2009 leftover has a location but no product name.
  EXPECT_THAT(Discover(machine),
              ElementsAre("2004 | C:\\Program Files\\Architectural Desktop 2004 | "
                          "HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R16.0\\ACAD-204:409",
                          "2007 | D:\\AutoCAD 2007 | "
                          "HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:804"));

  // On a 32-bit machine a Wow6432Node key is just a key: a 2010 below it is not looked for,
  // while a 2008 below it is, once.
  machine.ImportReg(
      "Windows Registry Editor Version 5.00\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\R18.0\\ACAD-8001:409]\n"
      "\"ProductName\"=\"AutoCAD 2010\"\n\"AcadLocation\"=\"C:\\\\A2010\"\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\R17.1\\ACAD-6001:409]\n"
      "\"ProductName\"=\"AutoCAD 2008\"\n\"AcadLocation\"=\"C:\\\\A2008\"\n");
  const std::vector<std::string> found = Discover(machine);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[2], "2008 | C:\\A2008 | " + std::string(kWow) + "R17.1\\ACAD-6001:409");
}

TEST(AcadDiscovery, MatchesReleasesByTheYearInTheProductName) {
  const RegistryView view = AnyView();
  torvek::testing::TestMachine machine(view);
  const std::string root = "[HKEY_LOCAL_MACHINE\\" + AcadRoot(view);
  machine.ImportReg(
      "Windows Registry Editor Version 5.00\n" +
      // A name that begins with its year matches nothing.
      root + "R17.1\\P]\n\"ProductName\"=\"2008 AutoCAD\"\n\"AcadLocation\"=\"C:\\\\Starts\"\n" +
      // Two years: the earlier release of the table wins, wherever it stands.
      root + "R15.0\\P]\n\"ProductName\"=\"AutoCAD 2002 (2000 compatible)\"\n" +
      "\"AcadLocation\"=\"C:\\\\Both\"\n" +
      // Location and product name found in different keys, each the last of its kind in
      // depth-first order; a value longer than 255 bytes is no value.
      root + "R19.0\\A\\Deep]\n\"AcadLocation\"=\"C:\\\\First\"\n" + root +
      "R19.0\\B]\n\"AcadLocation\"=\"C:\\\\Second\"\n\"ProductName\"=\"AutoCAD 2013\"\n" + root +
      "R19.0\\C]\n\"AcadLocation\"=\"C:\\\\" + std::string(260, 'x') + "\"\n" + root +
      "R19.0\\C\\Product]\n\"ProductName\"=\"AutoCAD 2013 - Deutsch\"\n");
  const std::string keys = "HKEY_LOCAL_MACHINE\\" + AcadRoot(view);
  EXPECT_THAT(Discover(machine), ElementsAre("2000 | C:\\Both | " + keys + "R15.0\\P",
                                             "2013 | C:\\Second | " + keys + "R19.0\\C\\Product"));
}

TEST(AcadDiscovery, RecordsAndRegistersEveryInstallationOfOneRelease) {
  const RegistryView view = AnyView();
  torvek::testing::TestMachine machine(view);
  std::string reg = "Windows Registry Editor Version 5.00\n";
  for (int i = 0; i < 12; ++i) {
    reg += "[HKEY_LOCAL_MACHINE\\" + AcadRoot(view) + "R18.0." + std::to_string(10 + i) +
           "\\ACAD]\n\"ProductName\"=\"AutoCAD 2010\"\n\"AcadLocation\"=\"C:\\\\A" +
           std::to_string(10 + i) + "\"\n";
  }
  machine.ImportReg(reg);
  AcadInstallTable table(machine.registry(), machine.files());
  table.DiscoverAcadInstallations();
  ASSERT_EQ(table.LocationCount(8), 12);
  EXPECT_EQ(table.Location(8, 11), "C:\\A21");
  EXPECT_TRUE(EqualsNoCase(machine.registry().KeyPath(table.ProductKey(8, 11)),
                           "HKEY_LOCAL_MACHINE\\" + AcadRoot(view) + "R18.0.21\\ACAD"));

  // The eleventh and twelfth are registered like the first ten: their acad.rx and their key.
  table.SetInstallFolder("C:\\Program Files");
  for (const char* location : {"C:\\A20", "C:\\A21"})
    machine.MakeFolder(location);
  table.RegisterArxModules(testing::Choose({2010}));
  for (int k : {10, 11}) {
    const std::string location = "C:\\A" + std::to_string(10 + k);
    EXPECT_EQ(machine.Get(location + "\\acad.rx"),
              "C:\\Program Files\\Torvek结构工具箱\\TORVEK2010.ARX\r\n")
        << location;
    platform::RegKey application = platform::kNoKey;
    EXPECT_EQ(machine.registry().OpenKeyEx(table.ProductKey(8, k), "Applications\\Torvek2010",
                                           platform::kKeyRead, application),
              platform::kErrorSuccess)
        << location;
    machine.registry().CloseKey(application);
  }
}

// One release key above a chain of keys as long as asked for, both values at its end: deeper
// than Windows lets a tree go, as Wine does. A key's handle is its level below the release key.
class BottomlessRegistry final : public platform::Registry {
 public:
  explicit BottomlessRegistry(platform::RegKey depth) : depth_(depth) {}

  platform::WinError OpenKey(platform::RegKey parent, const char* subKey,
                             platform::RegKey& result) override {
    return OpenKeyEx(parent, subKey, platform::kKeyRead, result);
  }
  platform::WinError OpenKeyEx(platform::RegKey parent, const char* subKey, std::uint32_t,
                               platform::RegKey& result) override {
    const std::string_view name = subKey ? subKey : "";
    if (parent != platform::kLocalMachine)
      result = name.empty() ? parent : parent == kAcadRoot ? 1 : parent + 1;
    else if (name.empty())
      result = parent;
    else if (name == "SOFTWARE\\Autodesk\\AutoCAD")
      result = kAcadRoot;
    else
      return platform::kErrorFileNotFound;
    return platform::kErrorSuccess;
  }
  platform::WinError QuerySubKeyCount(platform::RegKey key, std::uint32_t& count) override {
    count = key == kAcadRoot || key < depth_ ? 1 : 0;
    return platform::kErrorSuccess;
  }
  platform::WinError EnumKey(platform::RegKey, std::uint32_t, char* name,
                             std::uint32_t& nameLength) override {
    std::strcpy(name, "k");
    nameLength = 1;
    return platform::kErrorSuccess;
  }
  platform::WinError QueryValue(platform::RegKey key, const char* valueName, std::uint32_t*,
                                std::uint8_t* data, std::uint32_t* dataLength) override {
    const std::string_view name = valueName;
    if (key != depth_ || (name != "AcadLocation" && name != "ProductName"))
      return platform::kErrorFileNotFound;
    const std::string_view text = name == "AcadLocation" ? "C:\\Deep" : "AutoCAD 2010";
    *dataLength = static_cast<std::uint32_t>(text.size());
    std::memcpy(data, text.data(), text.size());
    return platform::kErrorSuccess;
  }
  platform::WinError CreateKey(platform::RegKey, const char*, platform::RegKey&) override {
    return platform::kErrorAccessDenied;
  }
  platform::WinError DeleteKey(platform::RegKey, const char*) override {
    return platform::kErrorAccessDenied;
  }
  platform::WinError SetValue(platform::RegKey, const char*, std::uint32_t, const std::uint8_t*,
                              std::uint32_t) override {
    return platform::kErrorAccessDenied;
  }
  platform::WinError CloseKey(platform::RegKey) override { return platform::kErrorSuccess; }
  std::string KeyPath(platform::RegKey key) override { return std::to_string(key); }

 private:
  static constexpr platform::RegKey kAcadRoot = 0x7FFFFFFF;
  const platform::RegKey depth_;
};

TEST(AcadDiscovery, SearchesATreeOfAnyDepth) {
  BottomlessRegistry registry(100'000);
  torvek::testing::TestMachine machine(AnyView());
  AcadInstallTable table(registry, machine.files());
  table.DiscoverAcadInstallations();
  ASSERT_EQ(table.LocationCount(8), 1);
  EXPECT_EQ(table.Location(8, 0), "C:\\Deep");
  EXPECT_EQ(table.ProductKey(8, 0), 100'000u);
}

TEST(AcadDiscovery, FindsNothingOnAMachineWithoutAutoCAD) {
  torvek::testing::TestMachine machine(AnyView());
  AcadInstallTable table(machine.registry(), machine.files());
  table.DiscoverAcadInstallations();
  for (int release = 0; release < kReleaseCount; ++release) {
    EXPECT_EQ(table.LocationCount(release), 0) << release;
  }
}

}  // namespace
}  // namespace torvek::acad

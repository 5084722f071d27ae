// The acad.rx rewrite: the toolbox's module line first, the user's other entries kept in their
// order (upper-cased), the toolbox's old lines and blank lines gone, CR LF on the disk; and the
// user's loader file never lost to a failure part-way.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "installer/acad/acad_install_table.h"
#include "tests/acad/acad_fixture.h"
#include "tests/support/test_machine.h"

namespace torvek::acad {
namespace {

using Operation = torvek::testing::FaultyFileSystem::Operation;
using testing::Choose;

constexpr char kLocation[] = "C:\\Program Files (x86)\\AutoCAD 2009";
constexpr char kAcadRx[] = "C:\\Program Files (x86)\\AutoCAD 2009\\acad.rx";
constexpr char kModule2008[] = "C:\\Program Files\\Torvek结构工具箱\\TORVEK2008.ARX\r\n";
// Where the new content is written first.
constexpr char kTemporary[] = "C:\\Program Files (x86)\\AutoCAD 2009\\acad.~0";
// A location whose acad.rx path is 250 bytes long.
const std::string kDeepLocation = "C:\\" + std::string(239, 'd');
// Too long for the path of its acad.rx, not for the value discovery reads it from.
const std::string kLongLocation = "C:\\" + std::string(250, 'l');

// Each release found once, which 2006 and 2008 are not on every machine: 2009 and 2011 in the
// same folder, 2012 there too with a trailing backslash, 2010 deep down and 2013 in a folder
// whose name is too long.
class AcadRxRewrite : public ::testing::Test {
 protected:
  AcadRxRewrite() : machine_(testing::AnyView()), table_(machine_.registry(), machine_.files()) {
    machine_.ImportReg(
        testing::InstallationsReg(testing::AnyView(), {{2009, kLocation},
                                                       {2011, kLocation},
                                                       {2012, std::string(kLocation) + "\\"},
                                                       {2010, kDeepLocation},
                                                       {2013, kLongLocation}}));
    table_.DiscoverAcadInstallations();
    machine_.MakeFolder(kLocation);
    table_.SetInstallFolder("C:\\Program Files");
  }

  void Rewrite(int release) { table_.RegisterArxModules(Choose({release})); }

  std::string Rewritten(std::string_view before, int release = 2009) {
    machine_.Put(kAcadRx, before);
    Rewrite(release);
    return machine_.Get(kAcadRx).value_or("<missing>");
  }

  torvek::testing::TestMachine machine_;
  AcadInstallTable table_;
};

TEST_F(AcadRxRewrite, PutsTheModuleFirstAndKeepsTheUsersOtherEntries) {
  EXPECT_EQ(Rewritten("acetutil.arx\r\nC:\\Program Files\\Torvek结构工具箱\\TORVEK2004.ARX\r\n"),
            std::string(kModule2008) + "ACETUTIL.ARX\r\n");

  // Markers are sought after upper-casing, anywhere in the line; blank lines go; a last line
  // without its line feed stays and gets one; Chinese text is not touched by upper-casing.
  EXPECT_EQ(Rewritten("\r\nd:\\tools\\torvek\\old.arx\r\nacad.arx\r\n\r\n"
                      "e:\\x\\QuillMor7.arx\r\nd:\\媋\\plot.arx"),
            std::string(kModule2008) + "ACAD.ARX\r\nD:\\媋\\PLOT.ARX\r\n");

  // Each release loads its own build; rewriting again changes nothing.
  const std::string once = Rewritten("acetutil.arx\r\n", 2011);
  EXPECT_EQ(once, "C:\\Program Files\\Torvek结构工具箱\\TORVEK2010.ARX\r\nACETUTIL.ARX\r\n");
  Rewrite(2011);
  EXPECT_EQ(machine_.Get(kAcadRx), once);
}

TEST_F(AcadRxRewrite, ReadsLongLinesWholeAndNeverSplitsAMarkerFromItsLine) {
  // A path of 400 bytes: read in pieces of 299 bytes its tail would become an entry of its own.
  const std::string longPath = "D:\\" + std::string(380, 'p') + "\\x.arx";
  EXPECT_EQ(Rewritten(longPath + "\r\n"),
            std::string(kModule2008) + "D:\\" + std::string(380, 'P') + "\\X.ARX\r\n");
  // Likewise a toolbox line whose marker lies beyond byte 299 goes whole.
  EXPECT_EQ(Rewritten("D:\\" + std::string(320, 'q') + "\\torvek2004.arx\r\nacad.arx\r\n"),
            std::string(kModule2008) + "ACAD.ARX\r\n");
}

TEST_F(AcadRxRewrite, CreatesAMissingFileAndMakesAReadOnlyOneWritable) {
  Rewrite(2009);
  EXPECT_EQ(machine_.Get(kAcadRx), kModule2008);

  machine_.Put(kAcadRx, "acetutil.arx\r\n");
  machine_.SetReadOnly(kAcadRx);
  Rewrite(2009);
  EXPECT_EQ(machine_.Get(kAcadRx), std::string(kModule2008) + "ACETUTIL.ARX\r\n");
  EXPECT_EQ(machine_.Attributes(kAcadRx) & platform::kAttributeReadOnly, 0u);
  EXPECT_FALSE(machine_.Exists(kTemporary));
}

// The new file is one of our own: a file of AutoCAD's folder that bears its name is passed over,
// and the loader file keeps its attributes where the platform keeps them.
TEST_F(AcadRxRewrite, TheNewContentTakesTheLoaderFilesPlaceAndNoOtherFiles) {
  machine_.Put(kTemporary, "AutoCAD's own");
  machine_.Put(kAcadRx, "acetutil.arx\r\n");
  ASSERT_EQ(machine_.files().SetAttributes(kAcadRx, platform::kAttributeHidden),
            platform::kErrorSuccess);
  Rewrite(2009);
  EXPECT_EQ(machine_.Get(kAcadRx), std::string(kModule2008) + "ACETUTIL.ARX\r\n");
  EXPECT_EQ(machine_.Get(kTemporary), "AutoCAD's own");
  EXPECT_FALSE(machine_.Exists("C:\\Program Files (x86)\\AutoCAD 2009\\acad.~1"));
  // Windows keeps the hidden attribute through ReplaceFile; Wine 8 does not (the file contract
  // records it).
  EXPECT_EQ(machine_.Attributes(kAcadRx) & platform::kAttributeHidden,
            machine_.Real() ? 0u : platform::kAttributeHidden);
}

// A loader file 250 bytes down: the file beside it still has room for its name, so a disk that
// fills part-way leaves the user's file as it was.
TEST_F(AcadRxRewrite, ALongLoaderFilePathIsStillReplacedWhole) {
  const std::string acadRx = kDeepLocation + "\\acad.rx";
  ASSERT_EQ(acadRx.size(), 250u);
  machine_.Put(acadRx, "acetutil.arx\r\n");
  machine_.faults().FillDiskAfter(20);
  Rewrite(2010);
  EXPECT_EQ(machine_.Get(acadRx), "acetutil.arx\r\n");
  machine_.faults().Reset();
  Rewrite(2010);
  EXPECT_EQ(machine_.Get(acadRx),
            "C:\\Program Files\\Torvek结构工具箱\\TORVEK2010.ARX\r\nACETUTIL.ARX\r\n");
}

TEST_F(AcadRxRewrite, AFailurePartWayLeavesTheUsersFileAsItWas) {
  const std::string before = "acetutil.arx\r\nd:\\plot\\plot.arx\r\n";
  const std::string temporary = kTemporary;

  // The disk fills up after a few bytes of the new content.
  machine_.faults().FillDiskAfter(20);
  EXPECT_EQ(Rewritten(before), before);
  EXPECT_FALSE(machine_.Exists(temporary));
  machine_.faults().Reset();

  // A read error half-way: what was read must not become the whole file.
  machine_.faults().FailReadingAfter(kAcadRx, 1);
  EXPECT_EQ(Rewritten(before), before);
  machine_.faults().Reset();

  // The finished file cannot take the old one's place.
  machine_.faults().FailNext(Operation::kReplaceFile, temporary, platform::kErrorAccessDenied);
  EXPECT_EQ(Rewritten(before), before);
  EXPECT_FALSE(machine_.Exists(temporary));

  // AutoCAD holds the file: it can be neither replaced nor written.
  machine_.faults().Lock(kAcadRx);
  EXPECT_EQ(Rewritten(before), before);
  machine_.faults().Reset();

  // There, but unreadable: keeping nothing of it would lose the user's entries.
  machine_.faults().FailNext(Operation::kOpenRead, kAcadRx, platform::kErrorSharingViolation);
  EXPECT_EQ(Rewritten(before), before);
}

TEST_F(AcadRxRewrite, WritesInPlaceWhenNoFileCanBeMadeBesideIt) {
  machine_.faults().FailNext(Operation::kOpenWrite, kTemporary, platform::kErrorAccessDenied);
  EXPECT_EQ(Rewritten("acetutil.arx\r\n"), std::string(kModule2008) + "ACETUTIL.ARX\r\n");
}

TEST_F(AcadRxRewrite, UsesTheLocationAsRecordedAndRefusesPathsThatDoNotFit) {
  // A recorded location with a trailing backslash: the doubled backslash names the same file.
  Rewrite(2012);
  EXPECT_EQ(machine_.Get(kAcadRx), "C:\\Program Files\\Torvek结构工具箱\\TORVEK2010.ARX\r\n");

  // An install folder so long that the module line would not fit: the file stays as it was.
  machine_.Put(kAcadRx, "acetutil.arx\r\n");
  table_.SetInstallFolder("C:\\" + std::string(240, 'f'));
  Rewrite(2009);
  EXPECT_EQ(machine_.Get(kAcadRx), "acetutil.arx\r\n");

  // A location too long for the path of its acad.rx is left alone (no file cut short to fit is
  // made in it), and the release is registered all the same.
  table_.SetInstallFolder("C:\\Program Files");
  machine_.MakeFolder(kLongLocation);
  Rewrite(2013);
  EXPECT_TRUE(std::filesystem::is_empty(machine_.RealPath(kLongLocation)));
  platform::RegKey application = platform::kNoKey;
  EXPECT_EQ(
      machine_.registry().OpenKeyEx(table_.ProductKey(*ReleaseIndexOf(2013), 0),
                                    "Applications\\Torvek2013", platform::kKeyRead, application),
      platform::kErrorSuccess);
  machine_.registry().CloseKey(application);
}

}  // namespace
}  // namespace torvek::acad

// Installations end to end over the portable file system and registry: the kit copied, the
// user's configuration kept across a reinstall, the record moved, and no user file lost in any
// failure, with the progress the page shows along the way.
#include <gtest/gtest.h>

#include "installer/engine/run_install.h"
#include "tests/engine/recording_install_page.h"
#include "tests/support/test_machine.h"

namespace torvek::engine {
namespace {

using platform::MessageBoxAnswer;
using Operation = torvek::testing::FaultyFileSystem::Operation;

constexpr char kProduct[] = "C:\\Program Files\\Torvek结构工具箱";
constexpr char kLibrary[] = "C:\\Program Files\\Torvek结构工具箱\\Torvek扩展绘图库";

class RunInstallTest : public ::testing::Test {
 protected:
  RunInstallTest() : table_(machine_.registry(), machine_.files()) {
    machine_.MakeFolder("C:\\Program Files");
    PutKit("D:\\Kit");
  }

  // The kit: 11 files (and ".", "..") beside the installer, 2 in its library.
  void PutKit(const std::string& kit) {
    machine_.Put(kit + "\\SetUp.exe", "installer");
    for (const char* year : {"2000", "2004", "2008", "2010", "2013"}) {
      machine_.Put(kit + "\\TORVEK" + year + ".ARX", std::string("module ") + year);
    }
    machine_.Put(kit + "\\Torvek_EN.shx", "font EN");
    machine_.Put(kit + "\\Torvek_HZ.shx", "font HZ");
    machine_.Put(kit + "\\TORVEK.CFG", "kit settings");
    machine_.Put(kit + "\\STEEL.SEC", "kit steel");
    machine_.Put(kit + "\\ReadMe.txt", "read me");
    machine_.Put(kit + "\\Torvek扩展绘图库\\梁.SJY", "kit beam");
    machine_.Put(kit + "\\Torvek扩展绘图库\\柱.SJY", "kit column");
    machine_.SetCurrentDirectory(kit);
  }

  // An earlier installation in `product`, recorded, with the user's own files in it.
  void PutEarlierInstallation(const std::string& product) {
    machine_.Put(product + "\\TORVEK.CFG", "user settings");
    machine_.Put(product + "\\user.cfg", "user extra settings");
    machine_.Put(product + "\\STEEL.SEC", "user steel");
    machine_.Put(product + "\\TORVEK2008.ARX", "old module");
    machine_.Put(product + "\\Torvek扩展绘图库\\梁.SJY", "user beam");
    Record(product);
  }

  void Record(const std::string& product) {
    platform::RegKey key = platform::kNoKey;
    ASSERT_EQ(machine_.registry().CreateKey(platform::kLocalMachine, "SOFTWARE\\Torvek", key),
              platform::kErrorSuccess);
    machine_.registry().SetValue(key, "Torvek_Path", platform::kRegSz,
                                 reinterpret_cast<const std::uint8_t*>(product.c_str()),
                                 static_cast<std::uint32_t>(product.size()));
    machine_.registry().CloseKey(key);
  }

  std::string Recorded() {
    platform::RegKey key = platform::kNoKey;
    if (machine_.registry().OpenKey(platform::kLocalMachine, "SOFTWARE\\Torvek", key) !=
        platform::kErrorSuccess) {
      return "<none>";
    }
    char data[300] = {};
    std::uint32_t length = sizeof data - 1;
    machine_.registry().QueryValue(key, "Torvek_Path", nullptr,
                                   reinterpret_cast<std::uint8_t*>(data), &length);
    machine_.registry().CloseKey(key);
    return data;
  }

  bool Install() {
    const InstallContext context{machine_.registry(), machine_.files(), table_, chosen_};
    return RunInstall(page_, context, installFolder_, keep_);
  }

  // A fresh page, and the keep options off, for the next install.
  void NextInstall() {
    page_ = {};
    keep_ = {};
  }

  torvek::testing::TestMachine machine_;
  acad::AcadInstallTable table_;
  acad::ReleaseChoices chosen_{};
  std::string installFolder_ = "C:\\Program Files";
  KeepChoices keep_;
  testing::RecordingInstallPage page_;
};

TEST_F(RunInstallTest, AFirstInstallationCopiesTheKitAndRecordsIt) {
  keep_.keepSettings = keep_.keepSectionLibrary = keep_.keepExtendedLibrary = 1;
  ASSERT_TRUE(Install());

  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK2008.ARX"), "module 2008");
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK.CFG"), "kit settings");
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\ReadMe.txt"), "read me");
  EXPECT_EQ(machine_.Get(std::string(kLibrary) + "\\柱.SJY"), "kit column");
  // The installer and the fonts are not part of the product.
  for (const char* name : {"SetUp.exe", "Torvek_EN.shx", "Torvek_HZ.shx"}) {
    EXPECT_FALSE(machine_.Exists(std::string(kProduct) + "\\" + name)) << name;
  }
  EXPECT_EQ(Recorded(), kProduct);
  // Nothing to keep without a record, whatever the page says: no store was made.
  EXPECT_FALSE(machine_.Exists("D:\\Kit\\SetUp_Temp1"));
  EXPECT_EQ(table_.InstallFolder(), "C:\\Program Files");

  // 14 entries beside the installer and 4 in the library (with "." and ".." and the library's
  // folder): a step per entry and one more per walk, then four, and none for a save that did
  // not happen.
  EXPECT_EQ(page_.progress.Steps(), 15 + 5 + 4);
  EXPECT_EQ(page_.progress.Position(), 50);
  EXPECT_EQ(page_.cancelled, 0);
  EXPECT_TRUE(page_.questions.Shown().empty());
}

TEST_F(RunInstallTest, AReinstallKeepsWhatTheUserChoseToKeep) {
  PutEarlierInstallation(kProduct);
  keep_.keepSettings = 1;
  ASSERT_TRUE(Install());
  // Kept: the settings, also one whose extension is lower case; the store names are upper.
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK.CFG"), "user settings");
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\USER.CFG"), "user extra settings");
  // Not kept: the section library and the drawing library take the kit's files.
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\STEEL.SEC"), "kit steel");
  EXPECT_EQ(machine_.Get(std::string(kLibrary) + "\\梁.SJY"), "kit beam");
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK2008.ARX"), "module 2008");
  // The stores are emptied and gone.
  EXPECT_FALSE(machine_.Exists("D:\\Kit\\SetUp_Temp1"));
  // One step more for the save, and one entry more beside the installer: the store.
  EXPECT_EQ(page_.progress.Steps(), 1 + 16 + 5 + 4);
  EXPECT_EQ(page_.progress.Position(), 50);

  NextInstall();
  keep_.keepSettings = keep_.keepSectionLibrary = keep_.keepExtendedLibrary = 1;
  machine_.Put(std::string(kProduct) + "\\STEEL.SEC", "user steel");
  machine_.Put(std::string(kLibrary) + "\\梁.SJY", "user beam");
  ASSERT_TRUE(Install());
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK.CFG"), "user settings");
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\STEEL.SEC"), "user steel");
  EXPECT_EQ(machine_.Get(std::string(kLibrary) + "\\梁.SJY"), "user beam");
  EXPECT_EQ(machine_.Get(std::string(kLibrary) + "\\柱.SJY"), "kit column");
  EXPECT_FALSE(machine_.Exists("D:\\Kit\\SetUp_Temp2"));
}

TEST_F(RunInstallTest, AnInstallationIntoANewFolderTakesTheConfigurationAlong) {
  PutEarlierInstallation("D:\\Old\\Torvek结构工具箱");
  machine_.MakeFolder("C:\\Tools");
  installFolder_ = "C:\\Tools";
  keep_.keepSettings = keep_.keepExtendedLibrary = 1;
  ASSERT_TRUE(Install());
  EXPECT_EQ(machine_.Get("C:\\Tools\\Torvek结构工具箱\\TORVEK.CFG"), "user settings");
  EXPECT_EQ(machine_.Get("C:\\Tools\\Torvek结构工具箱\\Torvek扩展绘图库\\梁.SJY"), "user beam");
  EXPECT_EQ(machine_.Get("D:\\Old\\Torvek结构工具箱\\TORVEK.CFG"), "user settings");
  EXPECT_EQ(Recorded(), "C:\\Tools\\Torvek结构工具箱");
}

TEST_F(RunInstallTest, AbortStopsTheInstallationAndPutsTheUsersFilesBack) {
  PutEarlierInstallation(kProduct);
  keep_.keepSettings = keep_.keepSectionLibrary = 1;
  chosen_[6] = 1;
  // A running AutoCAD holds the old module open.
  machine_.faults().Lock(std::string(kProduct) + "\\TORVEK2008.ARX");
  page_.questions.Answer(MessageBoxAnswer::kAbort);
  EXPECT_FALSE(Install());

  ASSERT_EQ(page_.questions.Shown().size(), 1u);
  const torvek::testing::ShownMessageBox& question = page_.questions.Shown()[0];
  EXPECT_EQ(question.text, "拷贝文件 " + std::string(kProduct) +
                               "\\TORVEK2008.ARX 失败，请确认AutoCAD已关闭或文件权限开放 !");
  EXPECT_EQ(question.caption, "Torvek安装");
  EXPECT_EQ(question.buttons, platform::MessageBoxButtons::kAbortRetryIgnore);
  EXPECT_EQ(question.owner, testing::RecordingInstallPage::kPageWindow);
  EXPECT_EQ(page_.cancelled, 1);

  // The user's saved files are back, the record still names the old installation, and
  // nothing after the copy ran: no library copy, no fonts, no registration.
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK.CFG"), "user settings");
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\STEEL.SEC"), "user steel");
  EXPECT_EQ(machine_.Get(std::string(kLibrary) + "\\柱.SJY"), std::nullopt);
  EXPECT_EQ(table_.InstallFolder(), "");
  EXPECT_EQ(Recorded(), kProduct);
  EXPECT_FALSE(machine_.Exists("D:\\Kit\\SetUp_Temp1"));
}

TEST_F(RunInstallTest, RetryAndIgnoreGoOnAndAQuestionThatCannotBeShownStops) {
  const std::string module = std::string(kProduct) + "\\TORVEK2010.ARX";
  machine_.faults().FailNext(Operation::kCopyFile, module, platform::kErrorSharingViolation, 2);
  page_.questions.Answer(MessageBoxAnswer::kRetry);
  page_.questions.Answer(MessageBoxAnswer::kRetry);
  ASSERT_TRUE(Install());
  EXPECT_EQ(machine_.Get(module), "module 2010");
  EXPECT_EQ(page_.questions.Shown().size(), 2u);

  NextInstall();
  machine_.Put("D:\\Kit\\TORVEK2010.ARX", "module 2010 b");
  machine_.faults().FailNext(Operation::kCopyFile, module, platform::kErrorSharingViolation);
  page_.questions.Answer(MessageBoxAnswer::kIgnore);
  ASSERT_TRUE(Install());
  EXPECT_EQ(machine_.Get(module), "module 2010");
  EXPECT_EQ(Recorded(), kProduct);

  // No answer at all (the box could not be shown) must not retry for ever.
  NextInstall();
  machine_.faults().FailNext(Operation::kCopyFile, module, platform::kErrorSharingViolation, 1000);
  EXPECT_FALSE(Install());
  EXPECT_EQ(page_.questions.Shown().size(), 1u);
  EXPECT_EQ(page_.cancelled, 1);
}

TEST_F(RunInstallTest, CopiesAKitOfAnySizeAndLeavesNoCopyReadOnly) {
  for (int i = 0; i < 120; ++i) {
    machine_.Put("D:\\Kit\\PART" + std::to_string(i) + ".DAT", "part " + std::to_string(i));
  }
  machine_.SetReadOnly("D:\\Kit\\PART7.DAT");
  machine_.Put(std::string(kProduct) + "\\PART8.DAT", "old part");
  machine_.SetReadOnly(std::string(kProduct) + "\\PART8.DAT");
  ASSERT_TRUE(Install());
  for (int i = 0; i < 120; ++i) {
    EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\PART" + std::to_string(i) + ".DAT"),
              "part " + std::to_string(i));
  }
  EXPECT_EQ(
      machine_.Attributes(std::string(kProduct) + "\\PART7.DAT") & platform::kAttributeReadOnly,
      0u);
  EXPECT_EQ(machine_.Attributes("D:\\Kit\\PART7.DAT") & platform::kAttributeReadOnly, 0u);
  // The bar goes round past 50 more than once and still ends full.
  EXPECT_EQ(page_.progress.Steps(), 135 + 5 + 4);
  EXPECT_EQ(page_.progress.Position(), 50);
}

TEST_F(RunInstallTest, KeepsTheConfigurationWhenTheKitIsOnACd) {
  PutKit("D:");
  machine_.SetCurrentDirectory("D:\\");
  machine_.MakeDriveReadOnly('D');
  PutEarlierInstallation(kProduct);
  keep_.keepSettings = 1;
  ASSERT_TRUE(Install());
  // No store can be made beside the kit: one of our own under the temporary folder serves.
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK.CFG"), "user settings");
  EXPECT_FALSE(machine_.Exists("C:\\Temp\\Torvek_SetUp_Temp1"));
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK2000.ARX"), "module 2000");
}

TEST_F(RunInstallTest, RestoresWhatAnEarlierRunLeftInTheStoreAndKeepsWhatCannotGoBack) {
  PutEarlierInstallation(kProduct);
  machine_.Put("D:\\Kit\\SetUp_Temp1\\LEFTOVER.CFG", "from a run that stopped");
  machine_.Put("D:\\Kit\\SetUp_Temp1\\STEEL.SEC", "user steel");
  keep_.keepSectionLibrary = 1;
  // The disk is full when the section file is saved and when it is put back: the copy in the
  // store is the user's only one, and must stay there.
  machine_.faults().FailNext(Operation::kCopyFile, "D:\\Kit\\SetUp_Temp1\\STEEL.SEC",
                             platform::kErrorDiskFull, 2);
  ASSERT_TRUE(Install());
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\LEFTOVER.CFG"), "from a run that stopped");
  EXPECT_EQ(machine_.Get("D:\\Kit\\SetUp_Temp1\\STEEL.SEC"), "user steel");
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\STEEL.SEC"), "kit steel");
}

}  // namespace
}  // namespace torvek::engine

// Installations end to end over the portable file system and registry (natively) or the
// prefix's own files and registry (under Wine): the kit copied, the user's configuration kept
// across a reinstall, the record moved, and no user file lost in any failure, with the progress
// the page shows along the way.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/text/strip_trailing_backslash.h"
#include "installer/engine/completion_message.h"
#include "installer/engine/run_install.h"
#include "installer/product_files.h"
#include "tests/engine/recording_install_page.h"
#include "tests/support/test_machine.h"

namespace torvek::engine {
namespace {

using platform::MessageBoxAnswer;
using Operation = torvek::testing::FaultyFileSystem::Operation;

constexpr char kProduct[] = "C:\\Program Files\\Torvek结构工具箱";
constexpr char kLibrary[] = "C:\\Program Files\\Torvek结构工具箱\\Torvek扩展绘图库";
constexpr char kKitStore[] = "D:\\Kit\\SetUp_Temp1";
constexpr char kTempStore[] = "C:\\Temp\\Torvek_SetUp_Temp1";
constexpr char kDone[] = "安装完成，重启AutoCAD即可使用 !";

std::string Question(const std::string& file) {
  return "拷贝文件 " + file + " 失败，请确认AutoCAD已关闭或文件权限开放 !";
}

// A file of the user's that an install was asked to keep: settings and sections wait in the
// settings stores, drawing library files in the library stores.
struct UserFile {
  bool library = false;
  std::string name;
  std::string bytes;
};

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

  // Runs the install. With an earlier installation recorded, each of the user's files that the
  // keep options name, in the earlier product folder or left in a store by an earlier run, is
  // afterwards byte for byte in the product folder, in a store (which the next such run
  // restores from) that the message names, or in a 较早保留 folder the message names.
  InstallOutcome Install() {
    const std::string previous = Recorded();
    if (previous != "<none>")
      NoteUserFiles(previous);
    const InstallContext context{machine_.registry(), machine_.files(), table_, chosen_};
    outcome_ = RunInstall(page_, context, installFolder_, keep_);
    if (previous != "<none>")
      ExpectNoUserFileLost(previous);
    return outcome_;
  }

  // What the page shows the user of this outcome: the completion message, or after an abort
  // only the note on the kept files.
  std::string Message() const {
    return outcome_.end == InstallEnd::kInstalled ? CompletionMessage(outcome_.kept)
                                                  : KeptFilesNote(outcome_.kept);
  }

  // A fresh page, and the keep options off, for the next install.
  void NextInstall() {
    page_ = {};
    keep_ = {};
  }

  std::vector<std::string> Stores(bool library) {
    const std::string kit = StripTrailingBackslash(machine_.files().CurrentDirectory());
    const std::string temp = StripTrailingBackslash(machine_.files().TempDirectory());
    return library ? std::vector<std::string>{kit + "\\" + product::kLibraryStoreName,
                                              temp + "\\" + product::kTemporaryLibraryStoreName}
                   : std::vector<std::string>{kit + "\\" + product::kSettingsStoreName,
                                              temp + "\\" + product::kTemporarySettingsStoreName};
  }

  bool Kept(bool library) const {
    return library ? keep_.keepExtendedLibrary != 0
                   : keep_.keepSettings != 0 || keep_.keepSectionLibrary != 0;
  }

  void Note(bool library, const std::string& folder, const std::string& name) {
    const std::optional<std::string> bytes = machine_.Get(folder + "\\" + name);
    if (!bytes)
      return;
    if (std::none_of(userFiles_.begin(), userFiles_.end(), [&](const UserFile& file) {
          return file.library == library && file.bytes == *bytes;
        })) {
      userFiles_.push_back({library, name, *bytes});
    }
  }

  // The files to account for: those of earlier installs in this test that are still of a kind
  // the user keeps, and what lies in the earlier product folder and the stores now.
  void NoteUserFiles(const std::string& previous) {
    std::erase_if(userFiles_, [this](const UserFile& file) { return !Kept(file.library); });
    for (const std::string& name : machine_.FileNames(previous)) {
      if ((keep_.keepSettings != 0 && MatchesExtension(name, ".CFG")) ||
          (keep_.keepSectionLibrary != 0 && MatchesExtension(name, ".SEC"))) {
        Note(false, previous, name);
      }
    }
    const std::string library = previous + "\\" + product::kLibraryFolderName;
    for (const std::string& name : machine_.FileNames(library)) {
      if (keep_.keepExtendedLibrary != 0 && MatchesExtension(name, ".SJY"))
        Note(true, library, name);
    }
    for (const bool kind : {false, true}) {
      if (!Kept(kind))
        continue;
      for (const std::string& store : Stores(kind)) {
        for (const std::string& name : machine_.FileNames(store))
          Note(kind, store, name);
      }
    }
  }

  void ExpectNoUserFileLost(const std::string& previous) {
    const std::string message = Message();
    const auto named = [&message](const std::string& folder) {
      return message.find("\n" + folder + "\n") != std::string::npos ||
             message.ends_with("\n" + folder);
    };
    std::vector<UserFile> stillToAccountFor;
    for (const UserFile& file : userFiles_) {
      const std::string below = file.library ? std::string("\\") + product::kLibraryFolderName : "";
      std::vector<std::string> places = {product::ProductFolder(installFolder_) + below};
      // An install the user aborted has left the earlier product folder as it was, and the
      // stores too where nothing was restored. One that ran to its end names every store that
      // still holds a file.
      const bool installed = outcome_.end == InstallEnd::kInstalled;
      if (!installed)
        places.push_back(previous + below);
      for (const std::string& store : Stores(file.library)) {
        const bool reported =
            std::find(outcome_.kept.unrestoredStores.begin(), outcome_.kept.unrestoredStores.end(),
                      store) != outcome_.kept.unrestoredStores.end();
        if (!installed || (reported && named(store)))
          places.push_back(store);
      }
      const bool inPlace = std::any_of(places.begin(), places.end(), [&](const std::string& place) {
        return machine_.Get(place + "\\" + file.name) == file.bytes;
      });
      bool setAside = false;
      for (const std::string& aside : outcome_.kept.setAsideFolders) {
        for (const std::string& name :
             named(aside) ? machine_.FileNames(aside) : std::vector<std::string>{}) {
          setAside = setAside || machine_.Get(aside + "\\" + name) == file.bytes;
        }
      }
      EXPECT_TRUE(inPlace || setAside) << "the user's " << file.name << " (\"" << file.bytes
                                       << "\") is lost; the message reads:\n"
                                       << message;
      // Once set aside and named, a file stays where the user was told: no later run touches it.
      if (inPlace)
        stillToAccountFor.push_back(file);
    }
    userFiles_ = std::move(stillToAccountFor);
  }

  torvek::testing::TestMachine machine_;
  acad::AcadInstallTable table_;
  acad::ReleaseChoices chosen_{};
  std::string installFolder_ = "C:\\Program Files";
  KeepChoices keep_;
  testing::RecordingInstallPage page_;
  InstallOutcome outcome_;
  std::vector<UserFile> userFiles_;
};

TEST_F(RunInstallTest, AFirstInstallationCopiesTheKitAndRecordsIt) {
  keep_.keepSettings = keep_.keepSectionLibrary = keep_.keepExtendedLibrary = 1;
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);

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
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
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
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
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
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
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
  EXPECT_EQ(Install().end, InstallEnd::kCancelled);

  ASSERT_EQ(page_.questions.Shown().size(), 1u);
  const torvek::testing::ShownMessageBox& question = page_.questions.Shown()[0];
  EXPECT_EQ(question.text, Question(std::string(kProduct) + "\\TORVEK2008.ARX"));
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
  PutEarlierInstallation(kProduct);
  keep_.keepSettings = keep_.keepExtendedLibrary = 1;
  const std::string module = std::string(kProduct) + "\\TORVEK2010.ARX";
  machine_.faults().FailNext(Operation::kCopyFile, module, platform::kErrorSharingViolation, 2);
  page_.questions.Answer(MessageBoxAnswer::kRetry);
  page_.questions.Answer(MessageBoxAnswer::kRetry);
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
  EXPECT_EQ(machine_.Get(module), "module 2010");
  EXPECT_EQ(page_.questions.Shown().size(), 2u);

  NextInstall();
  keep_.keepSettings = 1;
  machine_.Put("D:\\Kit\\TORVEK2010.ARX", "module 2010 b");
  machine_.faults().FailNext(Operation::kCopyFile, module, platform::kErrorSharingViolation);
  page_.questions.Answer(MessageBoxAnswer::kIgnore);
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
  EXPECT_EQ(machine_.Get(module), "module 2010");
  EXPECT_EQ(Recorded(), kProduct);

  // No answer at all (the box could not be shown) must not retry for ever.
  NextInstall();
  keep_.keepSettings = keep_.keepSectionLibrary = keep_.keepExtendedLibrary = 1;
  machine_.faults().FailNext(Operation::kCopyFile, module, platform::kErrorSharingViolation, 1000);
  EXPECT_EQ(Install().end, InstallEnd::kCancelled);
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
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
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
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
  // No store can be made beside the kit: one of our own under the temporary folder serves.
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK.CFG"), "user settings");
  EXPECT_FALSE(machine_.Exists("C:\\Temp\\Torvek_SetUp_Temp1"));
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK2000.ARX"), "module 2000");
}

// AutoCAD holds the settings file when it should go back: the user's file stays in its store and
// the message says where. The next run with the keep options saves the product folder's file,
// by now the kit's; the user's own moves into 较早保留 instead of being overwritten, and the
// message says where.
TEST_F(RunInstallTest, ARetryAfterAFailedRestoreKeepsTheUsersFile) {
  PutEarlierInstallation(kProduct);
  keep_.keepSettings = 1;
  const std::string settings = std::string(kProduct) + "\\TORVEK.CFG";
  // Saved from, copied onto by the kit, then restored to: the restore fails.
  machine_.faults().FailAfter(Operation::kCopyFile, settings, 2, platform::kErrorSharingViolation);
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
  EXPECT_EQ(machine_.Get(settings), "kit settings");
  EXPECT_EQ(machine_.Get(std::string(kKitStore) + "\\TORVEK.CFG"), "user settings");
  EXPECT_EQ(Message(), std::string(kDone) + "\n\n以下配置文件未能恢复，已保留在：\n" + kKitStore);

  NextInstall();
  keep_.keepSettings = 1;
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
  const std::string aside = std::string(kKitStore) + "\\较早保留";
  EXPECT_EQ(machine_.Get(aside + "\\TORVEK.CFG"), "user settings");
  EXPECT_EQ(Message(), std::string(kDone) + "\n\n较早保留的配置文件已移至：\n" + aside);
  EXPECT_TRUE(page_.questions.Shown().empty());
}

// A kept file that cannot be saved would be lost to the kit's copy: the user is asked as after a
// failed copy of the kit, and Retry saves it.
TEST_F(RunInstallTest, AFailedSaveIsAskedAboutAndRetried) {
  PutEarlierInstallation(kProduct);
  keep_.keepSettings = 1;
  machine_.faults().FailNext(Operation::kCopyFile, std::string(kKitStore) + "\\TORVEK.CFG",
                             platform::kErrorDiskFull);
  page_.questions.Answer(MessageBoxAnswer::kRetry);
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
  ASSERT_EQ(page_.questions.Shown().size(), 1u);
  EXPECT_EQ(page_.questions.Shown()[0].text, Question(std::string(kProduct) + "\\TORVEK.CFG"));
  EXPECT_EQ(page_.questions.Shown()[0].buttons, platform::MessageBoxButtons::kAbortRetryIgnore);
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK.CFG"), "user settings");
}

// A save that fails every time. Abort copies and restores nothing: this run's copies leave the
// store, the file set aside for them goes back, and the earlier installation stays as it was.
// Ignore goes on without the file, knowingly.
TEST_F(RunInstallTest, ASaveThatAlwaysFailsIsAbortedOrIgnored) {
  PutEarlierInstallation(kProduct);
  machine_.Put(std::string(kKitStore) + "\\TORVEK.CFG", "settings an earlier run left");
  keep_.keepSettings = 1;
  // user.cfg, which the kit does not ship, is saved after TORVEK.CFG.
  machine_.faults().FailNext(Operation::kCopyFile, std::string(kKitStore) + "\\USER.CFG",
                             platform::kErrorDiskFull, 1000);
  page_.questions.Answer(MessageBoxAnswer::kAbort);
  EXPECT_EQ(Install().end, InstallEnd::kCancelled);
  EXPECT_EQ(page_.cancelled, 1);
  ASSERT_EQ(page_.questions.Shown().size(), 1u);
  EXPECT_EQ(page_.questions.Shown()[0].text, Question(std::string(kProduct) + "\\USER.CFG"));
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK2008.ARX"), "old module");
  EXPECT_EQ(machine_.FileNames(kKitStore), std::vector<std::string>{"TORVEK.CFG"});
  EXPECT_EQ(machine_.Get(std::string(kKitStore) + "\\TORVEK.CFG"), "settings an earlier run left");
  EXPECT_FALSE(machine_.Exists(std::string(kKitStore) + "\\较早保留"));
  EXPECT_EQ(Recorded(), kProduct);

  NextInstall();
  keep_.keepSettings = 1;
  page_.questions.Answer(MessageBoxAnswer::kIgnore);
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK.CFG"), "user settings");
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\USER.CFG"), "user extra settings");
  EXPECT_EQ(machine_.Get(std::string(kKitStore) + "\\较早保留\\TORVEK.CFG"),
            "settings an earlier run left");
}

// The kit's folder takes no store, and the one under the temporary folder holds what earlier
// runs left: one file of a name this run saves, which is set aside, and one of another, which
// is put back. A later run whose kit folder takes the store still restores from the other.
TEST_F(RunInstallTest, AStoreThatCannotBeMadeBesideTheKitWithALeftoverInTheOther) {
  PutEarlierInstallation(kProduct);
  machine_.Put(std::string(kTempStore) + "\\TORVEK.CFG", "settings a run from a CD left");
  machine_.Put(std::string(kTempStore) + "\\PLOT.CFG", "plot settings a run from a CD left");
  machine_.faults().FailNext(Operation::kMakeDirectory, kKitStore, platform::kErrorAccessDenied,
                             1000);
  keep_.keepSettings = 1;
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK.CFG"), "user settings");
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\PLOT.CFG"),
            "plot settings a run from a CD left");
  const std::string aside = std::string(kTempStore) + "\\较早保留";
  EXPECT_EQ(machine_.Get(aside + "\\TORVEK.CFG"), "settings a run from a CD left");
  EXPECT_EQ(Message(), std::string(kDone) + "\n\n较早保留的配置文件已移至：\n" + aside);
  EXPECT_FALSE(machine_.Exists(kKitStore));

  NextInstall();
  machine_.faults().Reset();
  machine_.Put(std::string(kTempStore) + "\\LAYERS.CFG", "layers a run from a CD left");
  keep_.keepSettings = 1;
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\LAYERS.CFG"), "layers a run from a CD left");
  EXPECT_EQ(machine_.FileNames(kTempStore), std::vector<std::string>{});
  EXPECT_FALSE(machine_.Exists(kKitStore));
}

// 224 bytes of install folder leave no room for the library's files below it: the folder is
// refused before anything is saved, copied or registered.
TEST_F(RunInstallTest, AFolderWithNoRoomForItsPathsIsRefused) {
  PutEarlierInstallation(kProduct);
  keep_.keepSettings = keep_.keepSectionLibrary = keep_.keepExtendedLibrary = 1;
  chosen_[*acad::ReleaseIndexOf(2008)] = 1;
  installFolder_ = "C:\\" + std::string(221, 'f');
  EXPECT_EQ(Install().end, InstallEnd::kNoRoom);
  EXPECT_FALSE(machine_.Exists(product::ProductFolder(installFolder_)));
  EXPECT_FALSE(machine_.Exists(kKitStore));
  EXPECT_EQ(table_.InstallFolder(), "");
  EXPECT_EQ(Recorded(), kProduct);
  EXPECT_EQ(page_.progress.Steps(), 0);
  EXPECT_TRUE(page_.questions.Shown().empty());

  // Every path fits below a folder six bytes shorter: the library's files are 259 bytes down.
  EXPECT_TRUE(HasRoomForInstall(machine_.files(), "C:\\" + std::string(215, 'f')));
  EXPECT_FALSE(HasRoomForInstall(machine_.files(), "C:\\" + std::string(216, 'f')));
}
// The kit lies so deep that its library cannot even be searched: the user hears of it as of a
// failed copy, and may go on without it.
TEST_F(RunInstallTest, AKitLibraryThatCannotBeReachedIsAskedAbout) {
  const std::string kit = "D:\\" + std::string(236, 'k');
  machine_.Put(kit + "\\TORVEK.CFG", "kit settings");
  machine_.SetCurrentDirectory(kit);
  page_.questions.Answer(MessageBoxAnswer::kIgnore);
  ASSERT_EQ(Install().end, InstallEnd::kInstalled);
  ASSERT_EQ(page_.questions.Shown().size(), 1u);
  EXPECT_EQ(page_.questions.Shown()[0].text, Question(kit + "\\Torvek扩展绘图库"));
  EXPECT_EQ(machine_.Get(std::string(kProduct) + "\\TORVEK.CFG"), "kit settings");
}

}  // namespace
}  // namespace torvek::engine

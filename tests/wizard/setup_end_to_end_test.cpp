// SetUp.exe as a user meets it, under Wine: started from the sample kit in D:\Kit on the sample
// machine of a sandbox prefix (see tools/wine/sandbox.sh), driven through its real windows from
// this separate program, and the machine examined afterwards. Each case starts from the sample
// machine; setup_end_to_end.sh lays it out afresh before each. A screenshot of each page and
// message is kept in TORVEK_SCREENSHOT_DIR as setup_*.png.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "common/dialog/folder_dialog.h"
#include "common/dialog/window_constants.h"
#include "common/portable/memory_registry.h"
#include "common/portable/reg_file.h"
#include "common/testing/held_file.h"
#include "common/testing/screenshot.h"
#include "common/testing/window_driver.h"
#include "common/text/code_page.h"
#include "common/win32/win32_file_system.h"
#include "resources/setup/licence_text.h"
#include "resources/setup/setup_ids.h"
#include "tests/support/source_file.h"
#include "tests/support/test_machine.h"
#include "tests/support/tree_description.h"

namespace torvek::setup {
namespace {

using dialog::kIdCancel;
using dialog::kIdOk;
using platform::MessageBoxAnswer;
using platform::WindowRef;

constexpr std::uint32_t kWaitMs = 20000;
constexpr char kPageTitle[] = "Torvek结构工具箱 V2014.1.8 安装(32位版本)";
constexpr char kProduct[] = "C:\\Program Files\\Torvek结构工具箱";
constexpr int kBox2008 = 1019;
constexpr int kBox2014 = 1030;
constexpr int kBox2015 = 1031;

// What an installation may touch, below HKEY_LOCAL_MACHINE, as the golden description has it.
const std::vector<std::string> kKeys = {"SOFTWARE\\Autodesk", "SOFTWARE\\Wow6432Node\\Autodesk",
                                        "SOFTWARE\\Wow6432Node\\Torvek"};
// The folders of the sample machine and of an installation, as the golden description has them.
const std::vector<std::string> kSampleFolders = {
    "C:\\Program Files\\Autodesk", "C:\\Program Files\\Torvek结构工具箱",
    "C:\\Program Files (x86)\\AutoCAD 2008", "C:\\Program Files (x86)\\Autodesk", "D:\\Kit"};

// ctest hands over host paths; Wine shows the host's root as drive Z:.
std::string WindowsPath(const char* hostPath) {
  std::string path = hostPath != nullptr ? hostPath : "";
  if (!path.empty() && path[0] == '/')
    path = "Z:" + path;
  for (char& c : path) {
    if (c == '/')
      c = '\\';
  }
  return path;
}

bool IsBelow(const std::string& path, const std::string& folder) {
  return path.compare(0, folder.size(), folder) == 0 &&
         (path.size() == folder.size() || path[folder.size()] == '\\');
}

// The lines of a tree description (UTF-8) for the sample's own folders, the installer itself
// left out: the golden one stands for a placeholder of another size.
std::string SampleLines(const std::string& description) {
  std::vector<std::string> folders;
  for (const std::string& folder : kSampleFolders) {
    std::string utf8;
    EXPECT_TRUE(Cp936ToUtf8(folder, utf8));
    folders.push_back(utf8);
  }
  std::istringstream lines(description);
  std::string line;
  std::string kept;
  bool keeping = false;
  while (std::getline(lines, line)) {
    if (line.compare(0, 6, "    | ") != 0) {
      const std::string path = line.substr(0, line.find("  attributes"));
      keeping = false;
      for (const std::string& folder : folders)
        keeping = keeping || IsBelow(path, folder);
      keeping = keeping && path != "D:\\Kit\\SetUp.exe";
    }
    if (keeping)
      kept += line + "\n";
  }
  return kept;
}

class SetupEndToEnd : public ::testing::Test {
 protected:
  SetupEndToEnd() : files_(win32::MakeFileSystem()) {}
  ~SetupEndToEnd() override { torvek::testing::EndProgram(program_); }

  void Start() {
    torvek::testing::EndProgram(program_);
    ASSERT_TRUE(torvek::testing::StartProgram("\"D:\\Kit\\SetUp.exe\"", "D:\\Kit", program_));
  }

  void ExpectExit() {
    std::uint32_t code = 1;
    ASSERT_TRUE(torvek::testing::WaitForExit(program_, kWaitMs, code)) << "SetUp is still running";
    EXPECT_EQ(code, 0u);
  }

  // The page showing `marker`, once the page before it has gone.
  WindowRef WaitForPage(int marker) {
    for (int tries = 0; tries < 400; ++tries) {
      const WindowRef window = torvek::testing::WaitForWindow(program_.processId, kPageTitle, 100);
      if (window != 0 && torvek::testing::ViewOf(window)->IsVisible(marker)) {
        torvek::testing::SettleSent(window, kWaitMs);
        return window;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    ADD_FAILURE() << "no page with control " << marker << " showed";
    return 0;
  }

  void Click(WindowRef window, int id) {
    std::string fault;
    EXPECT_TRUE(torvek::testing::Click(window, id, fault)) << fault;
    torvek::testing::SettleSent(window, kWaitMs);
  }

  void Type(WindowRef window, int id, const std::string& text) {
    std::string fault;
    EXPECT_TRUE(torvek::testing::TypeText(window, id, text, fault)) << fault;
    torvek::testing::SettleSent(window, kWaitMs);
  }

  // Waits for the message box, checks what it says, keeps a picture of it and answers it.
  void Answer(const std::string& caption, const std::string& text, MessageBoxAnswer answer,
              const char* shot = nullptr) {
    const WindowRef box = torvek::testing::WaitForWindow(program_.processId, caption, kWaitMs);
    ASSERT_NE(box, 0u) << "no message box \"" << caption << "\"";
    std::string shownCaption;
    std::string shownText;
    torvek::testing::ReadMessageBox(box, shownCaption, shownText);
    EXPECT_EQ(shownText, text);
    if (shot != nullptr)
      Shot(shot);
    EXPECT_TRUE(torvek::testing::AnswerMessageBox(box, answer));
  }

  void Shot(const std::string& name) {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const char* folder = std::getenv("TORVEK_SCREENSHOT_DIR");
    ASSERT_NE(folder, nullptr);
    EXPECT_TRUE(torvek::testing::SaveScreenshot(WindowsPath(folder) + "\\setup_" + name + ".png"));
  }

  // Through the licence and release pages with their defaults, onto the folder page.
  WindowRef ToFolderPage() {
    Click(WaitForPage(kIdStaticLicence), kIdOk);
    Click(WaitForPage(kBox2014), kIdOk);
    return WaitForPage(kIdEditFolder);
  }

  void InstallWithDefaults() {
    Start();
    Click(ToFolderPage(), kIdOk);
    Answer("Torvek安装", "安装完成，重启AutoCAD即可使用 !", MessageBoxAnswer::kOk);
    ExpectExit();
  }

  // The registry an installation may touch, as canonical .reg text, read with the system's
  // reg tool in the 64-bit view, where the sample was imported.
  std::string Registry() {
    portable::MemoryRegistry exported(portable::RegistryView::kPlain32);
    const std::string file = files_->TempDirectory() + "torvek-e2e-export.reg";
    for (const std::string& key : kKeys) {
      torvek::testing::StartedProgram reg;
      if (!torvek::testing::StartProgram(
              "reg.exe export \"HKLM\\" + key + "\" \"" + file + "\" /y /reg:64", "", reg))
        continue;
      std::uint32_t code = 1;
      const bool ended = torvek::testing::WaitForExit(reg, kWaitMs, code);
      torvek::testing::EndProgram(reg);
      if (!ended || code != 0)
        continue;  // no such key
      std::ifstream in(file, std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
      const portable::RegFileResult result = portable::ImportRegFile(exported, bytes);
      EXPECT_TRUE(result.ok()) << key << ": " << result.message;
    }
    files_->DeleteFile(file.c_str());
    return torvek::testing::CanonicalReg(exported, kKeys);
  }

  std::string Files() {
    return SampleLines(
        engine::DescribeTree(*files_, {"C:\\Program Files", "C:\\Program Files (x86)", "D:\\Kit"}));
  }

  std::string Golden(const std::string& name) {
    return torvek::testing::SourceFile("tests/engine/golden/" + name);
  }

  std::string GoldenRegistry() {
    portable::MemoryRegistry golden(portable::RegistryView::kPlain32);
    const portable::RegFileResult result =
        portable::ImportRegFile(golden, Golden("sample_install.reg"));
    EXPECT_TRUE(result.ok()) << result.message;
    return torvek::testing::CanonicalReg(golden, kKeys);
  }

  std::unique_ptr<platform::FileSystem> files_;
  torvek::testing::StartedProgram program_;
};

TEST_F(SetupEndToEnd, InstallsTheSampleKitAsTheGoldenDescriptionSays) {
  Start();
  WindowRef page = WaitForPage(kIdStaticLicence);
  auto view = torvek::testing::ViewOf(page);
  EXPECT_EQ(view->Text(kIdStaticLicence), LicenceText::Screen(0));
  EXPECT_FALSE(view->IsEnabled(kIdButtonPreviousScreen));
  EXPECT_FALSE(view->IsEnabled(kIdButtonBack));
  EXPECT_EQ(view->CheckState(kIdRadioAgree), 1);
  Shot("licence");
  for (int screen = 1; screen <= 3; ++screen) {
    Click(page, kIdButtonNextScreen);
    EXPECT_EQ(view->Text(kIdStaticLicence), LicenceText::Screen(screen));
    EXPECT_TRUE(view->IsEnabled(kIdButtonPreviousScreen));
  }
  EXPECT_FALSE(view->IsEnabled(kIdButtonNextScreen));
  Shot("licence_last_screen");
  Click(page, kIdRadioDisagree);
  EXPECT_FALSE(view->IsEnabled(kIdOk));
  Click(page, kIdRadioAgree);
  EXPECT_TRUE(view->IsEnabled(kIdOk));
  Click(page, kIdOk);

  // Only what discovery found: the two 32-bit AutoCADs, not the 64-bit 2015.
  page = WaitForPage(kBox2014);
  view = torvek::testing::ViewOf(page);
  for (int id : kIdCheckRelease) {
    const bool found = id == kBox2008 || id == kBox2014;
    EXPECT_EQ(view->IsEnabled(id), found) << id;
    EXPECT_EQ(view->CheckState(id), found ? 1 : 0) << id;
  }
  EXPECT_FALSE(view->IsEnabled(kBox2015));
  Shot("releases");
  Click(page, kBox2014);
  Click(page, kIdButtonBack);
  Click(WaitForPage(kIdStaticLicence), kIdOk);
  page = WaitForPage(kBox2014);
  view = torvek::testing::ViewOf(page);
  EXPECT_EQ(view->CheckState(kBox2014), 0);
  EXPECT_EQ(view->CheckState(kBox2008), 1);
  Click(page, kBox2014);
  Click(page, kIdOk);

  // No earlier installation: nothing to keep. The folder is typed, with a trailing backslash
  // that the page drops.
  page = WaitForPage(kIdEditFolder);
  view = torvek::testing::ViewOf(page);
  EXPECT_EQ(view->Text(kIdEditFolder), "C:\\Program Files");
  for (int id : {kIdCheckKeepOldConfig, kIdCheckKeepSettings, kIdCheckKeepSectionLibrary,
                 kIdCheckKeepExtendedLibrary})
    EXPECT_FALSE(view->IsEnabled(id)) << id;
  Type(page, kIdEditFolder, "C:\\Program Files\\");
  Shot("folder");
  Click(page, kIdOk);
  // While the completion message shows, the page's bar stands full.
  ASSERT_NE(torvek::testing::WaitForWindow(program_.processId, "Torvek安装", kWaitMs), 0u);
  EXPECT_EQ(view->Progress(kIdProgressInstall), (dialog::ProgressState{0, 50, 50}));
  Answer("Torvek安装", "安装完成，重启AutoCAD即可使用 !", MessageBoxAnswer::kOk, "done");
  ExpectExit();

  const std::string goldenFiles = SampleLines(Golden("sample_install.files"));
  ASSERT_THAT(goldenFiles, ::testing::HasSubstr("TORVEK2008.ARX"));
  EXPECT_EQ(Registry(), GoldenRegistry());
  EXPECT_EQ(Files(), goldenFiles);
}

TEST_F(SetupEndToEnd, CancelOnEveryPageInstallsNothing) {
  const std::string registry = Registry();
  const std::string tree = Files();
  ASSERT_THAT(tree, ::testing::HasSubstr("D:\\Kit\\TORVEK2008.ARX"));

  Start();
  Click(WaitForPage(kIdStaticLicence), kIdCancel);
  ExpectExit();

  Start();
  Click(WaitForPage(kIdStaticLicence), kIdOk);
  torvek::testing::PressEscape(WaitForPage(kBox2014));
  ExpectExit();

  Start();
  const WindowRef page = ToFolderPage();
  Type(page, kIdEditFolder, "D:\\Elsewhere");
  torvek::testing::PressCloseBox(page);
  ExpectExit();

  EXPECT_EQ(Registry(), registry);
  EXPECT_EQ(Files(), tree);
  EXPECT_EQ(files_->GetAttributes("D:\\Elsewhere"), platform::kInvalidAttributes);
}

// A reinstall with the settings kept, while AutoCAD holds a module the kit replaces: Abort ends
// the wizard and the user's settings are back where they were.
TEST_F(SetupEndToEnd, AbortOnALockedProductFileEndsWithTheConfigurationRestored) {
  InstallWithDefaults();
  const std::string settings = std::string(kProduct) + "\\TORVEK.CFG";
  {
    std::ofstream changed(settings, std::ios::binary | std::ios::trunc);
    changed << "the user's own settings\r\n";
  }
  const auto held = torvek::testing::HeldFile::Hold(std::string(kProduct) + "\\TORVEK2008.ARX");
  ASSERT_NE(held, nullptr);

  Start();
  const WindowRef page = ToFolderPage();
  auto view = torvek::testing::ViewOf(page);
  EXPECT_TRUE(view->IsEnabled(kIdCheckKeepOldConfig));
  EXPECT_FALSE(view->IsEnabled(kIdCheckKeepSettings));
  Click(page, kIdCheckKeepOldConfig);
  EXPECT_EQ(view->CheckState(kIdCheckKeepSectionLibrary), 1);
  EXPECT_TRUE(view->IsEnabled(kIdCheckKeepSettings));
  Click(page, kIdCheckKeepSectionLibrary);
  Click(page, kIdCheckKeepExtendedLibrary);
  EXPECT_EQ(view->CheckState(kIdCheckKeepOldConfig), 1);
  Shot("keep_options");
  Click(page, kIdOk);
  const WindowRef question =
      torvek::testing::WaitForWindow(program_.processId, "Torvek安装", kWaitMs);
  ASSERT_NE(question, 0u);
  std::string caption;
  std::string text;
  torvek::testing::ReadMessageBox(question, caption, text);
  EXPECT_THAT(text, ::testing::HasSubstr("TORVEK2008.ARX"));
  Shot("abort_question");
  EXPECT_TRUE(torvek::testing::AnswerMessageBox(question, MessageBoxAnswer::kAbort));
  ExpectExit();

  std::ifstream kept(settings, std::ios::binary);
  const std::string content((std::istreambuf_iterator<char>(kept)),
                            std::istreambuf_iterator<char>());
  EXPECT_EQ(content, "the user's own settings\r\n");
  EXPECT_EQ(files_->GetAttributes("D:\\Kit\\SetUp_Temp1"), platform::kInvalidAttributes);
}

TEST_F(SetupEndToEnd, ABrowseWithAnInvalidTypedFolderShowsTheMessageAndStaysOpen) {
  Start();
  const WindowRef page = ToFolderPage();
  Click(page, kIdButtonBrowse);
  const WindowRef browser =
      torvek::testing::WaitForWindow(program_.processId, "请选择安装目录：", kWaitMs);
  ASSERT_NE(browser, 0u);
  torvek::testing::SettleSent(browser, kWaitMs);
  auto view = torvek::testing::ViewOf(browser);
  EXPECT_EQ(view->Text(dialog::kIdFolderEdit), "C:\\Program Files");
  EXPECT_FALSE(view->IsVisible(dialog::kIdFolderStatus));
  Shot("browse");
  Type(browser, dialog::kIdFolderEdit, "D:\\Tools\\");
  Click(browser, kIdOk);
  Answer("SetUp", "The folder:\n\nD:\\Tools\\\n\nis invalid. Please reenter.",
         MessageBoxAnswer::kOk, "browse_invalid");
  torvek::testing::SettleSent(browser, kWaitMs);
  EXPECT_TRUE(torvek::testing::WindowExists(browser));
  // The box gives the activation back to the dialog on its own time.
  for (int tries = 0; tries < 200 && view->FocusId() != dialog::kIdFolderEdit; ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  EXPECT_EQ(view->FocusId(), dialog::kIdFolderEdit);
  Type(browser, dialog::kIdFolderEdit, "D:\\Kit");
  Click(browser, kIdOk);
  for (int tries = 0; tries < 200 && torvek::testing::WindowExists(browser); ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  EXPECT_FALSE(torvek::testing::WindowExists(browser));
  torvek::testing::SettleSent(page, kWaitMs);
  EXPECT_EQ(torvek::testing::ViewOf(page)->Text(kIdEditFolder), "D:\\Kit");
  Click(page, kIdCancel);
  ExpectExit();
}

}  // namespace
}  // namespace torvek::setup

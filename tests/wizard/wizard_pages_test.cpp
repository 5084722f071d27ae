// Each wizard page on its own, run by this build's host: what it shows when it opens, how its
// controls answer the user, and what it stores when it is left.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "installer/wizard/folder_page.h"
#include "installer/wizard/licence_page.h"
#include "installer/wizard/release_page.h"
#include "resources/setup/licence_text.h"
#include "resources/setup/setup_ids.h"
#include "tests/wizard/wizard_fixture.h"

namespace torvek::setup::testing {
namespace {

using dialog::BackgroundMode;
using dialog::ControlColours;
using dialog::DialogView;
using dialog::kIdCancel;
using dialog::kIdOk;
using platform::MessageBoxAnswer;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using torvek::testing::UserScript;

constexpr char kTitle[] = "Torvek结构工具箱 V2014.1.8 安装(32位版本)";
constexpr std::array<int, 4> kKeepIds = {kIdCheckKeepOldConfig, kIdCheckKeepSettings,
                                         kIdCheckKeepSectionLibrary, kIdCheckKeepExtendedLibrary};

int ReleaseBox(int year) {
  return kIdCheckRelease[static_cast<std::size_t>(*acad::ReleaseIndexOf(year))];
}

// ---- licence page ----

class LicencePageTest : public WizardFixture {
 protected:
  void Run(const UserScript& script) {
    user_->Run([this] { result_ = page_.DoModal(); }, script);
  }

  LicencePage page_{user_->Host(), options_};
  int result_ = 0;
};

void ExpectScreen(DialogView& view, int screen) {
  EXPECT_EQ(view.Text(kIdStaticLicence), LicenceText::Screen(screen)) << "screen " << screen;
  EXPECT_EQ(view.IsEnabled(kIdButtonPreviousScreen), screen != 0) << "screen " << screen;
  EXPECT_EQ(view.IsEnabled(kIdButtonNextScreen), screen != 3) << "screen " << screen;
}

TEST_F(LicencePageTest, PagesThroughTheFourScreensWithoutTouchingTheChoice) {
  UserScript script;
  script.Inspect([](DialogView& view) {
    EXPECT_EQ(view.Title(), kTitle);
    ExpectScreen(view, 0);
    EXPECT_EQ(view.CheckState(kIdRadioAgree), 1);
    EXPECT_EQ(view.CheckState(kIdRadioDisagree), 0);
    EXPECT_TRUE(view.IsEnabled(kIdOk));
    EXPECT_FALSE(view.IsEnabled(kIdButtonBack));
  });
  for (int screen = 1; screen <= 3; ++screen)
    script.Click(kIdButtonNextScreen).Inspect([screen](DialogView& view) {
      ExpectScreen(view, screen);
      EXPECT_EQ(view.CheckState(kIdRadioAgree), 1);
    });
  script.Click(kIdButtonPreviousScreen)
      .Inspect([](DialogView& view) { ExpectScreen(view, 2); })
      .Click(kIdOk);
  Run(script);
  EXPECT_EQ(result_, kIdOk);
  EXPECT_EQ(page_.nextPage, kReleasePageNumber);
  EXPECT_EQ(options_.licenceChoice, 1);
  ExpectNoFaults();
}

TEST_F(LicencePageTest, DisagreeingHoldsTheWizardAndCancelStoresNothing) {
  Run(UserScript()
          .Click(kIdRadioDisagree)
          .Inspect([](DialogView& view) { EXPECT_FALSE(view.IsEnabled(kIdOk)); })
          // Next's command while Next is disabled, as Enter gives it where no default button
          // stands in the way: the page itself holds.
          .SendCommand(kIdOk)
          .Click(kIdButtonNextScreen)
          .Click(kIdButtonPreviousScreen)
          .Inspect([](DialogView& view) {
            ExpectScreen(view, 0);
            EXPECT_EQ(view.CheckState(kIdRadioDisagree), 1);
            EXPECT_FALSE(view.IsEnabled(kIdOk));
          })
          .Click(kIdRadioAgree)
          .Inspect([](DialogView& view) { EXPECT_TRUE(view.IsEnabled(kIdOk)); })
          .Click(kIdRadioDisagree)
          .PressEscape());
  EXPECT_EQ(result_, kIdCancel);
  EXPECT_EQ(page_.nextPage, kNoPage);
  EXPECT_EQ(options_.licenceChoice, 1);
  ExpectNoFaults();
}

// ---- release page ----

class ReleasePageTest : public WizardFixture {
 protected:
  void Run(const UserScript& script) {
    ReleasePage page(user_->Host(), options_, *table_);
    user_->Run([&] { page.DoModal(); }, script);
    nextPage_ = page.nextPage;
  }
  int nextPage_ = -1;
};

TEST_F(ReleasePageTest, OnlyTheReleasesFoundCanBeChosen) {
  UseSampleMachine();
  Discover();
  Run(UserScript()
          .Inspect([](DialogView& view) {
            EXPECT_EQ(view.Title(), kTitle);
            for (int release = 0; release < acad::kReleaseCount; ++release) {
              const int year = acad::kReleaseYears[static_cast<std::size_t>(release)];
              // 2015 is a 64-bit AutoCAD, which a 32-bit installer never sees.
              const bool found = year == 2008 || year == 2014;
              EXPECT_EQ(view.IsEnabled(ReleaseBox(year)), found) << year;
              EXPECT_EQ(view.CheckState(ReleaseBox(year)), found ? 1 : 0) << year;
            }
            EXPECT_TRUE(view.IsEnabled(kIdOk));
            EXPECT_TRUE(view.IsEnabled(kIdButtonBack));
          })
          .Click(ReleaseBox(2014))
          .Inspect([](DialogView& view) { EXPECT_TRUE(view.IsEnabled(kIdOk)); })
          .Click(ReleaseBox(2008))
          .Inspect([](DialogView& view) { EXPECT_FALSE(view.IsEnabled(kIdOk)); })
          .SendCommand(kIdOk)
          .Click(ReleaseBox(2014))
          .Inspect([](DialogView& view) { EXPECT_TRUE(view.IsEnabled(kIdOk)); })
          .Click(kIdOk));
  EXPECT_EQ(nextPage_, kFolderPageNumber);
  acad::ReleaseChoices expected{};
  expected[*acad::ReleaseIndexOf(2014)] = 1;
  EXPECT_EQ(options_.releaseChosen, expected);
  ExpectNoFaults();
}

// The check boxes' ids are out of release order: 1027 is 2010 and 1026 is 2011.
TEST_F(ReleasePageTest, EachBoxStandsForItsOwnRelease) {
  ImportReg(
      u8R"reg(Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\Autodesk\AutoCAD\R18.0\ACAD-8001:804]
"ProductName"="AutoCAD 2010 - 简体中文 (Simplified Chinese)"
"AcadLocation"="C:\\AutoCAD 2010"

[HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\Autodesk\AutoCAD\R18.1\ACAD-9001:804]
"ProductName"="AutoCAD 2011 - 简体中文 (Simplified Chinese)"
"AcadLocation"="C:\\AutoCAD 2011"
)reg");
  Discover();
  options_.releaseChosen[*acad::ReleaseIndexOf(2011)] = 0;
  Run(UserScript()
          .Inspect([](DialogView& view) {
            EXPECT_TRUE(view.IsEnabled(1027));
            EXPECT_EQ(view.CheckState(1027), 1);
            EXPECT_TRUE(view.IsEnabled(1026));
            EXPECT_EQ(view.CheckState(1026), 0);
          })
          .Click(1026)
          .Click(1027)
          .Click(kIdOk));
  acad::ReleaseChoices expected{};
  expected[*acad::ReleaseIndexOf(2011)] = 1;
  EXPECT_EQ(options_.releaseChosen, expected);
  ExpectNoFaults();
}

TEST_F(ReleasePageTest, WithNoAutoCadFoundOnlyBackAndCancelAreLeft) {
  Discover();
  Run(UserScript()
          .Inspect([](DialogView& view) {
            for (int id : kIdCheckRelease) {
              EXPECT_FALSE(view.IsEnabled(id)) << id;
              EXPECT_EQ(view.CheckState(id), 0) << id;
            }
            EXPECT_FALSE(view.IsEnabled(kIdOk));
            EXPECT_TRUE(view.IsEnabled(kIdCancel));
          })
          .Click(kIdButtonBack));
  EXPECT_EQ(nextPage_, kLicencePageNumber);
  EXPECT_EQ(options_.releaseChosen, acad::ReleaseChoices{});
  ExpectNoFaults();
}

// ---- folder page ----

class FolderPageTest : public WizardFixture {
 protected:
  FolderPageTest() {
    UseSampleMachine();
    Discover();
    folders_.AddPlace("C:\\", "C:\\");
  }

  void Run(const UserScript& script) {
    FolderPage page(Services(), options_, *table_);
    user_->Run([&] { page.DoModal(); }, script);
    nextPage_ = page.nextPage;
  }

  // An earlier installation in C:\Old whose settings the user changed.
  void RecordEarlierInstallation() {
    ImportReg(
        u8R"reg(Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\Torvek]
"Torvek_Path"="C:\\Old\\Torvek结构工具箱"
)reg");
    Put("C:\\Old\\Torvek结构工具箱\\TORVEK.CFG", "the user's settings\n");
  }

  static void ExpectKeepBoxes(DialogView& view, std::array<int, 4> checked,
                              std::array<bool, 4> enabled) {
    for (std::size_t i = 0; i < kKeepIds.size(); ++i) {
      EXPECT_EQ(view.CheckState(kKeepIds[i]), checked[i]) << kKeepIds[i];
      EXPECT_EQ(view.IsEnabled(kKeepIds[i]), enabled[i]) << kKeepIds[i];
    }
  }

  int nextPage_ = -1;
};

// Nothing recorded, nothing to keep, whatever the stored flags say; the chooser takes the page's
// folder, is owned by the page, and what it accepts goes into the box.
TEST_F(FolderPageTest, WithNothingToKeepTheKeepOptionsStayOff) {
  options_.keepOldConfig = options_.keepSettings = 1;
  Run(UserScript()
          .Inspect([](DialogView& view) {
            EXPECT_EQ(view.Title(), kTitle);
            EXPECT_EQ(view.Text(kIdEditFolder), "C:\\Program Files");
            ExpectKeepBoxes(view, {0, 0, 0, 0}, {false, false, false, false});
          })
          .Click(kIdButtonBrowse)
          .Select(dialog::kIdFolderTree, 0)
          .Click(kIdOk)
          .Click(kIdButtonBack));
  EXPECT_EQ(nextPage_, kReleasePageNumber);
  EXPECT_EQ(options_.installFolder, "C:\\");
  EXPECT_EQ(options_.keepOldConfig, 0);
  EXPECT_EQ(options_.keepSettings, 0);
  EXPECT_NE(folders_.LastRequest().owner, 0u);
  ExpectNoFaults();
}

TEST_F(FolderPageTest, TheMasterOptionAndTheThreeKeepOptionsFollowEachOther) {
  RecordEarlierInstallation();
  Run(UserScript()
          .Inspect([](DialogView& view) {
            ExpectKeepBoxes(view, {0, 0, 0, 0}, {true, false, false, false});
          })
          .Click(kIdCheckKeepOldConfig)
          .Inspect([](DialogView& view) {
            ExpectKeepBoxes(view, {1, 1, 1, 1}, {true, true, true, true});
          })
          .Click(kIdCheckKeepSettings)
          .Click(kIdCheckKeepSectionLibrary)
          .Inspect([](DialogView& view) {
            ExpectKeepBoxes(view, {1, 0, 0, 1}, {true, true, true, true});
          })
          .Click(kIdCheckKeepExtendedLibrary)
          .Inspect([](DialogView& view) {
            ExpectKeepBoxes(view, {0, 0, 0, 0}, {true, false, false, false});
          })
          .Click(kIdCheckKeepOldConfig)
          .Click(kIdCheckKeepSectionLibrary)
          .Type(kIdEditFolder, "D:\\Apps")
          .Click(kIdButtonBack));
  EXPECT_EQ(nextPage_, kReleasePageNumber);
  EXPECT_EQ(options_.installFolder, "D:\\Apps");
  EXPECT_EQ(options_.keepOldConfig, 1);
  EXPECT_EQ(options_.keepSettings, 1);
  EXPECT_EQ(options_.keepSectionLibrary, 0);
  EXPECT_EQ(options_.keepExtendedLibrary, 1);
  ExpectNoFaults();
}

TEST_F(FolderPageTest, OnlyTheFolderBoxKeepsAnOpaqueTextBackground) {
  Run(UserScript()
          .Inspect([](DialogView& view) {
            for (int id : {0, kIdEditFolder, kIdCheckKeepSettings}) {
              ControlColours colours;
              ASSERT_TRUE(view.Colours(id, colours)) << id;
              EXPECT_EQ(colours.text, platform::Rgb(0, 0, 0)) << id;
              EXPECT_EQ(colours.brush, kPageColour) << id;
              EXPECT_EQ(colours.backgroundMode, id == kIdEditFolder ? BackgroundMode::kOpaque
                                                                    : BackgroundMode::kTransparent)
                  << id;
            }
          })
          .PressEscape());
  ExpectNoFaults();
}

// A typed folder passes the chooser's checks too: an empty or relative folder would install
// beside the kit and register a module path AutoCAD cannot resolve.
TEST_F(FolderPageTest, AFolderTypedIntoTheBoxIsCheckedBeforeAnythingIsWritten) {
  const auto stillOpen = [](DialogView& view) {
    EXPECT_EQ(view.FocusId(), kIdEditFolder);
    EXPECT_EQ(view.Title(), kTitle);
  };
  Run(UserScript()
          .Type(kIdEditFolder, "")
          .Click(kIdOk)
          .Answer(MessageBoxAnswer::kOk)
          .Inspect(stillOpen)
          .Type(kIdEditFolder, "Tools")
          .Click(kIdOk)
          .Answer(MessageBoxAnswer::kOk)
          .Type(kIdEditFolder, "D:\\Elsewhere")
          .Click(kIdOk)
          .Answer(MessageBoxAnswer::kNo)
          .Inspect(stillOpen)
          .PressEscape());
  EXPECT_EQ(nextPage_, kNoPage);
  EXPECT_FALSE(RecordedFolder());
  EXPECT_FALSE(Exists("D:\\Elsewhere"));
  EXPECT_FALSE(Exists("D:\\Kit\\Torvek结构工具箱"));
  EXPECT_FALSE(Exists("D:\\Torvek结构工具箱"));
  std::vector<std::string> texts;
  for (const auto& box : user_->MessageBoxesSeen()) {
    texts.push_back(box.text);
    EXPECT_EQ(box.caption, "SetUp");
  }
  EXPECT_THAT(texts, ElementsAre("The folder:\n\n\n\nis invalid. Please reenter.",
                                 "The folder:\n\nTools\n\nis invalid. Please reenter.",
                                 ::testing::HasSubstr("D:\\Elsewhere\n\ndoes not exist")));
  ExpectNoFaults();
}

// One trailing backslash goes, unless the folder is a drive root.
TEST_F(FolderPageTest, ATypedFolderLosesOneTrailingBackslashAndIsCreatedOnRequest) {
  Run(UserScript()
          .Type(kIdEditFolder, "D:\\Tools\\")
          .Click(kIdOk)
          .Answer(MessageBoxAnswer::kYes)
          .Answer(MessageBoxAnswer::kOk));
  EXPECT_EQ(nextPage_, kNoPage);
  EXPECT_EQ(options_.installFolder, "D:\\Tools");
  EXPECT_EQ(RecordedFolder(), "D:\\Tools\\Torvek结构工具箱");
  EXPECT_THAT(
      Get("C:\\Program Files (x86)\\AutoCAD 2008\\acad.rx"),
      ::testing::Optional(::testing::StartsWith("D:\\Tools\\Torvek结构工具箱\\TORVEK2008.ARX")));

  Run(UserScript().Type(kIdEditFolder, "C:\\").Click(kIdOk).Answer(MessageBoxAnswer::kOk));
  EXPECT_EQ(options_.installFolder, "C:\\");
  EXPECT_EQ(RecordedFolder(), "C:\\Torvek结构工具箱");
  ExpectNoFaults();
}

// The install runs on the page's fields as they stand: the folder loses one trailing backslash,
// so a drive root installs at its top and a doubled backslash stays in every path, and each keep
// option reaches the install as itself.
TEST_F(FolderPageTest, InstallRunsOnThePagesFieldsLessOneTrailingBackslash) {
  RecordEarlierInstallation();
  Put("C:\\Old\\Torvek结构工具箱\\STEEL.SEC", "the user's sections\n");
  FolderPage page(Services(), options_, *table_);
  page.folder = "C:\\";
  page.keepSettings = 1;
  page.keepSectionLibrary = 0;
  page.keepExtendedLibrary = 0;
  ASSERT_EQ(page.RunInstall().end, engine::InstallEnd::kInstalled);
  EXPECT_EQ(table_->InstallFolder(), "C:");
  EXPECT_EQ(RecordedFolder(), "C:\\Torvek结构工具箱");
  EXPECT_EQ(Get("C:\\Torvek结构工具箱\\TORVEK.CFG"), "the user's settings\n");
  EXPECT_EQ(Get("C:\\Torvek结构工具箱\\STEEL.SEC"), "kit file STEEL.SEC\n");
  EXPECT_THAT(Get("C:\\Program Files (x86)\\AutoCAD 2008\\acad.rx"),
              ::testing::Optional(::testing::StartsWith("C:\\Torvek结构工具箱\\TORVEK2008.ARX\n")));

  page.folder = "C:\\Program Files\\\\";
  ASSERT_EQ(page.RunInstall().end, engine::InstallEnd::kInstalled);
  EXPECT_EQ(table_->InstallFolder(), "C:\\Program Files\\");
  EXPECT_EQ(RecordedFolder(), "C:\\Program Files\\\\Torvek结构工具箱");
  EXPECT_EQ(Get("C:\\Program Files\\Torvek结构工具箱\\TORVEK.CFG"), "the user's settings\n");
}

// Every path an install builds below the folder must fit: 224 bytes leave no room for the
// library's files, 218 just enough.
TEST_F(FolderPageTest, AFolderWithNoRoomForItsPathsIsRefusedAtInstall) {
  const std::string deep = "C:\\" + std::string(221, 'f');
  const std::string fits = "C:\\" + std::string(215, 'f');
  Run(UserScript()
          .Type(kIdEditFolder, deep)
          .Click(kIdOk)
          .Answer(MessageBoxAnswer::kOk)
          .Inspect([](DialogView& view) { EXPECT_EQ(view.FocusId(), kIdEditFolder); })
          .Type(kIdEditFolder, fits)
          .Click(kIdOk)
          .Answer(MessageBoxAnswer::kYes)
          .Answer(MessageBoxAnswer::kOk));
  std::vector<std::string> texts;
  for (const auto& box : user_->MessageBoxesSeen())
    texts.push_back(box.text);
  EXPECT_THAT(texts, ElementsAre("The folder:\n\n" + deep + "\n\nis invalid. Please reenter.",
                                 ::testing::HasSubstr("does not exist"),
                                 "安装完成，重启AutoCAD即可使用 !"));
  EXPECT_FALSE(Exists(deep));
  EXPECT_EQ(Get(ProductFolder(fits) + "\\Torvek扩展绘图库\\梁.SJY"), "library\n");
  ExpectNoFaults();
}

// The user hears where kept files wait: after an install whose restore failed, the completion
// message names the store; after an abort, a note names the folder files were set aside in.
TEST_F(FolderPageTest, TheMessagesSayWhereTheKeptFilesWait) {
  RecordEarlierInstallation();
  const std::string settings = ProductFolder("C:\\Program Files") + "\\TORVEK.CFG";
  // Copied onto by the kit, then restored to: AutoCAD holds it by then.
  files_.FailAfter(torvek::testing::FaultyFileSystem::Operation::kCopyFile, settings, 1,
                   platform::kErrorSharingViolation);
  Run(UserScript().Click(kIdCheckKeepOldConfig).Click(kIdOk).Answer(MessageBoxAnswer::kOk));
  EXPECT_EQ(Get("D:\\Kit\\SetUp_Temp1\\TORVEK.CFG"), "the user's settings\n");

  files_.Lock(ProductFolder("C:\\Program Files") + "\\TORVEK2008.ARX");
  Run(UserScript().Click(kIdOk).Answer(MessageBoxAnswer::kAbort).Answer(MessageBoxAnswer::kOk));
  EXPECT_EQ(nextPage_, kNoPage) << "an abort closes the page as Cancel does";
  EXPECT_EQ(Get("D:\\Kit\\SetUp_Temp1\\较早保留\\TORVEK.CFG"), "the user's settings\n");
  const auto seen = user_->MessageBoxesSeen();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(
      seen[0].text,
      "安装完成，重启AutoCAD即可使用 !\n\n以下配置文件未能恢复，已保留在：\nD:\\Kit\\SetUp_Temp1");
  EXPECT_EQ(seen[2].text, "较早保留的配置文件已移至：\nD:\\Kit\\SetUp_Temp1\\较早保留");
  EXPECT_EQ(seen[2].caption, "Torvek安装");
  ExpectNoFaults();
}

}  // namespace
}  // namespace torvek::setup::testing

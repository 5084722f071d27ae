// The whole wizard as SetupApp runs it: discovery, then the pages in the order the transition
// table gives, each built afresh from InstallOptions, until one answers that none follows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "installer/wizard/setup_app.h"
#include "resources/setup/licence_text.h"
#include "resources/setup/setup_ids.h"
#include "tests/wizard/wizard_fixture.h"

namespace torvek::setup::testing {
namespace {

using dialog::DialogView;
using dialog::kIdCancel;
using dialog::kIdOk;
using platform::MessageBoxAnswer;
using ::testing::IsEmpty;
using torvek::testing::UserScript;

constexpr int kBox2008 = 1019;
constexpr int kBox2014 = 1030;

// Which page is showing, by a control only it has.
void ExpectPage(DialogView& view, int number) {
  EXPECT_EQ(view.HasItem(kIdStaticLicence), number == kLicencePageNumber) << "page " << number;
  EXPECT_EQ(view.HasItem(kBox2014), number == kReleasePageNumber) << "page " << number;
  EXPECT_EQ(view.HasItem(kIdEditFolder), number == kFolderPageNumber) << "page " << number;
  EXPECT_EQ(view.Title(), "Torvek结构工具箱 V2014.1.8 安装(32位版本)");
}

class SetupAppTest : public WizardFixture {
 protected:
  SetupAppTest() { UseSampleMachine(); }

  void Run(const UserScript& script) {
    SetupApp app(Services(), options_, Table());
    bool answer = true;
    user_->Run([&] { answer = app.InitInstance(); }, script);
    EXPECT_FALSE(answer);
  }

  // Nothing of an installation anywhere: no product folder, no record, no module registered.
  void ExpectNothingInstalled() {
    EXPECT_FALSE(Exists("C:\\Program Files\\Torvek结构工具箱"));
    EXPECT_FALSE(RecordedFolder());
    EXPECT_EQ(Get("C:\\Program Files (x86)\\AutoCAD 2008\\acad.rx"), "acetutil.arx\n");
    EXPECT_FALSE(Exists("C:\\Program Files (x86)\\AutoCAD 2008\\Fonts\\Torvek_EN.shx"));
  }
};

TEST_F(SetupAppTest, ACompleteInstallationGoesFromPageOneToThreeAndEnds) {
  Run(UserScript()
          .Inspect([](DialogView& view) { ExpectPage(view, kLicencePageNumber); })
          .Click(kIdOk)
          .Inspect([](DialogView& view) { ExpectPage(view, kReleasePageNumber); })
          .Click(kIdOk)
          .Inspect([](DialogView& view) { ExpectPage(view, kFolderPageNumber); })
          .Click(kIdOk)
          .Answer(MessageBoxAnswer::kOk));
  EXPECT_EQ(RecordedFolder(), "C:\\Program Files\\Torvek结构工具箱");
  EXPECT_TRUE(Exists("C:\\Program Files (x86)\\Autodesk\\AutoCAD 2014\\Fonts\\Torvek_HZ.shx"));
  ASSERT_EQ(user_->MessageBoxesSeen().size(), 1u);
  EXPECT_EQ(user_->MessageBoxesSeen()[0].caption, "Torvek安装");
  ExpectNoFaults();
}

// Each page is built anew from InstallOptions: the licence starts again at its first screen,
// the releases and the folder come back as they were left.
TEST_F(SetupAppTest, BackAndNextShowEveryPageAsItWasLeft) {
  Run(UserScript()
          .Click(kIdButtonNextScreen)
          .Click(kIdOk)
          .Click(kBox2008)
          .Click(kIdButtonBack)
          .Inspect([](DialogView& view) {
            ExpectPage(view, kLicencePageNumber);
            EXPECT_EQ(view.Text(kIdStaticLicence), LicenceText::Screen(0));
            EXPECT_EQ(view.CheckState(kIdRadioAgree), 1);
          })
          .Click(kIdOk)
          .Inspect([](DialogView& view) {
            EXPECT_EQ(view.CheckState(kBox2008), 0);
            EXPECT_EQ(view.CheckState(kBox2014), 1);
          })
          .Click(kIdOk)
          .Type(kIdEditFolder, "D:\\Apps")
          .Click(kIdButtonBack)
          .Inspect([](DialogView& view) { ExpectPage(view, kReleasePageNumber); })
          .Click(kIdOk)
          .Inspect([](DialogView& view) { EXPECT_EQ(view.Text(kIdEditFolder), "D:\\Apps"); })
          .PressEscape());
  EXPECT_EQ(options_.installFolder, "D:\\Apps");
  EXPECT_EQ(options_.releaseChosen[*acad::ReleaseIndexOf(2008)], 0);
  ExpectNothingInstalled();
  ExpectNoFaults();
}

TEST_F(SetupAppTest, CancelEndsTheWizardOnEveryPageWithNothingInstalled) {
  Run(UserScript().Click(kIdCancel));
  Run(UserScript().Click(kIdOk).PressEscape());
  Run(UserScript().Click(kIdOk).Click(kIdOk).Type(kIdEditFolder, "D:\\Apps").CloseBox());
  ExpectNothingInstalled();
  EXPECT_THAT(user_->MessageBoxesSeen(), IsEmpty());
  ExpectNoFaults();
}

TEST_F(SetupAppTest, OnlyTheThreePageNumbersNameAPage) {
  SetupApp app(Services(), options_, Table());
  for (int number : {-1, 0, 4, 142})
    EXPECT_EQ(app.MakePage(number), nullptr) << number;
  for (int number : {1, 2, 3})
    EXPECT_NE(app.MakePage(number), nullptr) << number;
}

}  // namespace
}  // namespace torvek::setup::testing

// The folder chooser over the folder dialog's stand-in, run by this build's host: what the edit
// box and OK show as places are selected and text is typed, and what OK accepts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "installer/wizard/folder_browser.h"
#include "tests/wizard/wizard_fixture.h"

namespace torvek::setup::testing {
namespace {

using dialog::DialogView;
using dialog::kIdCancel;
using dialog::kIdFolderEdit;
using dialog::kIdFolderStatus;
using dialog::kIdOk;
using platform::MessageBoxAnswer;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using torvek::testing::UserScript;

constexpr int kNetworkRow = 0;
constexpr int kDriveRow = 1;

class FolderBrowserTest : public WizardFixture {
 protected:
  FolderBrowserTest() {
    folders_.AddPlace("网上邻居", "");
    folders_.AddPlace("C:\\", "C:\\");
  }

  BrowseResult Browse(const UserScript& script,
                      const std::string& initialFolder = "C:\\Program Files") {
    FolderBrowser browser({files_, folders_, user_->Host().MessageBoxes(), "SetUp"},
                          "请选择安装目录：", "请选择安装目录：", initialFolder, 0);
    BrowseResult answer = kBrowseNotAccepted;
    user_->Run([&] { answer = browser.Run(); }, script);
    result_ = browser.Result();
    return answer;
  }

  std::string result_;
};

TEST_F(FolderBrowserTest, OpensOnTheInitialFolderAndAcceptsItAsShown) {
  EXPECT_EQ(Browse(UserScript()
                       .Inspect([](DialogView& view) {
                         EXPECT_EQ(view.Title(), "请选择安装目录：");
                         EXPECT_EQ(view.Text(kIdFolderEdit), "C:\\Program Files");
                         EXPECT_FALSE(view.IsVisible(kIdFolderStatus));
                         EXPECT_TRUE(view.IsEnabled(kIdOk));
                       })
                       .Click(kIdOk)),
            kBrowseAccepted);
  EXPECT_EQ(result_, "C:\\Program Files");
  EXPECT_THAT(user_->MessageBoxesSeen(), IsEmpty());
  ExpectNoFaults();
}

TEST_F(FolderBrowserTest, OnlyAFolderWithADriveCanBeChosenFromTheTree) {
  EXPECT_EQ(Browse(UserScript()
                       .Select(dialog::kIdFolderTree, kNetworkRow)
                       .Inspect([](DialogView& view) {
                         EXPECT_EQ(view.Text(kIdFolderEdit), "");
                         EXPECT_FALSE(view.IsEnabled(kIdOk));
                       })
                       // Any text enables OK; its validity is judged at OK.
                       .Type(kIdFolderEdit, "?")
                       .Inspect([](DialogView& view) { EXPECT_TRUE(view.IsEnabled(kIdOk)); })
                       .Type(kIdFolderEdit, "")
                       .Inspect([](DialogView& view) { EXPECT_FALSE(view.IsEnabled(kIdOk)); })
                       .Select(dialog::kIdFolderTree, kDriveRow)
                       .Inspect([](DialogView& view) {
                         EXPECT_EQ(view.Text(kIdFolderEdit), "C:\\");
                         EXPECT_TRUE(view.IsEnabled(kIdOk));
                       })
                       .Click(kIdOk)),
            kBrowseAccepted);
  // A drive root exists: no question.
  EXPECT_EQ(result_, "C:\\");
  EXPECT_THAT(user_->MessageBoxesSeen(), IsEmpty());
  ExpectNoFaults();
}

TEST_F(FolderBrowserTest, ARefusedFolderKeepsTheDialogOpenWithTheFocusInTheEditBox) {
  platform::WindowRef dialogRef = 0;
  const auto focusedInEditBox = [&dialogRef](DialogView& view) {
    dialogRef = view.Ref();
    EXPECT_EQ(view.FocusId(), kIdFolderEdit);
    EXPECT_TRUE(view.HasItem(kIdFolderEdit));
  };
  EXPECT_EQ(Browse(UserScript()
                       .Type(kIdFolderEdit, "D:\\Tools\\")
                       .Click(kIdOk)
                       .Answer(MessageBoxAnswer::kOk)
                       .Inspect(focusedInEditBox)
                       .Type(kIdFolderEdit, "D:\\New Folder\\Sub")
                       .Click(kIdOk)
                       .Answer(MessageBoxAnswer::kNo)
                       .Inspect(focusedInEditBox)
                       .Click(kIdOk)
                       .Answer(MessageBoxAnswer::kYes)),
            kBrowseAccepted);
  EXPECT_EQ(result_, "D:\\New Folder\\Sub");
  EXPECT_TRUE(Exists("D:\\New Folder\\Sub"));
  // The refusal and the two questions, each owned by the chooser.
  ASSERT_EQ(user_->MessageBoxesSeen().size(), 3u);
  EXPECT_THAT(user_->MessageBoxesSeen()[0].text, HasSubstr("D:\\Tools\\\n\nis invalid"));
  for (const auto& box : user_->MessageBoxesSeen())
    EXPECT_EQ(box.owner, dialogRef);
  ExpectNoFaults();
}

TEST_F(FolderBrowserTest, CancellingAnswersMinusOne) {
  EXPECT_EQ(Browse(UserScript().Type(kIdFolderEdit, "D:\\Kit").Click(kIdCancel)),
            kBrowseNotAccepted);
  EXPECT_EQ(Browse(UserScript().CloseBox()), kBrowseNotAccepted);
  folders_.SetUnavailable(true);
  EXPECT_EQ(Browse(UserScript()), kBrowseNotAccepted);
  EXPECT_EQ(folders_.Runs(), 2);
  ExpectNoFaults();
}

TEST_F(FolderBrowserTest, WithoutAnInitialFolderItStartsAtTheCurrentDirectory) {
  EXPECT_EQ(
      Browse(UserScript()
                 .Inspect([](DialogView& view) { EXPECT_EQ(view.Text(kIdFolderEdit), "D:\\Kit"); })
                 .PressEnter(),
             ""),
      kBrowseAccepted);
  EXPECT_EQ(result_, "D:\\Kit");
  ExpectNoFaults();
}

}  // namespace
}  // namespace torvek::setup::testing

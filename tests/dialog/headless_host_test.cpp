// What only the headless host does: refusing what it does not model, holding the script to
// what a user could do, running nested dialogs from one script, and painting controls that a
// worker thread invalidates.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "common/dialog/list_box.h"
#include "common/portable/headless_dialog_host.h"
#include "common/testing/headless_user.h"
#include "tests/dialog/test_dialog.h"

namespace torvek::dialogtest {
namespace {

using namespace dialog;
using platform::MessageBoxAnswer;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using torvek::testing::HeadlessScriptedUser;
using torvek::testing::UserScript;

TEST(HeadlessHost, AScriptThatRunsOutEndsTheDialogAsAFailedRun) {
  portable::HeadlessDialogHost host;
  HeadlessScriptedUser user(host);
  TestDialog dialog(host);
  user.Attach(UserScript().Click(kIdRadioDisagree));
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_THAT(user.Faults(), ElementsAre(HasSubstr("script ended")));
  // What the user last saw is still there to read.
  ASSERT_NE(host.LastClosed(), nullptr);
  EXPECT_EQ(host.LastClosed()->Title(), kTitle);
  EXPECT_EQ(host.LastClosed()->CheckState(kIdRadioDisagree), 1);
  EXPECT_EQ(host.LastClosed()->Icon(), kIconId);

  // With nobody at the screen a dialog ends at once, as a failed run, and the host says why.
  portable::HeadlessDialogHost empty;
  TestDialog alone(empty);
  EXPECT_EQ(alone.DoModal(), -1);
  EXPECT_THAT(empty.Faults(), ElementsAre(HasSubstr("nobody acts")));
}

TEST(HeadlessHost, MessageBoxesNeedAnAnswerTheyOffer) {
  portable::HeadlessDialogHost host;
  HeadlessScriptedUser user(host);
  TestDialog dialog(host);
  // An answer the box has no button for, a click while a box is up, an answer with no box.
  user.Attach(UserScript()
                  .Click(kIdButtonAsk)
                  .Answer(MessageBoxAnswer::kOk)
                  .Click(kIdButtonAsk)
                  .Click(kIdRadioDisagree)
                  .Answer(MessageBoxAnswer::kYes)
                  .PressEscape());
  EXPECT_EQ(dialog.DoModal(), kIdCancel);
  EXPECT_THAT(user.Faults(),
              ElementsAre(HasSubstr("no button for the answer"), HasSubstr("not answered"),
                          HasSubstr("no message box is showing")));
  ASSERT_EQ(user.MessageBoxesShown().size(), 2u);
  EXPECT_EQ(user.MessageBoxesShown()[0].answer, MessageBoxAnswer::kFailed);
  EXPECT_EQ(user.MessageBoxesShown()[0].buttons, platform::MessageBoxButtons::kYesNo);
  EXPECT_EQ(user.MessageBoxesShown()[0].icon, platform::MessageBoxIcon::kQuestion);
  EXPECT_EQ(dialog.lastAnswer, MessageBoxAnswer::kFailed);
}

constexpr int kIdSortedList = 1301;
constexpr DialogItemTemplate kSortedItems[] = {
    {kIdSortedList, ControlClass::kListBox, "", {5, 5, 50, 50}, kWsChild | kWsVisible | kLbsSort},
};
constexpr DialogTemplate kSortedTemplate = {
    4244, "排序", {"宋体", 9}, {0, 0, 60, 60}, kWsPopup, 0, kSortedItems,
};

TEST(HeadlessHost, RefusesWhatItDoesNotModelRatherThanGuess) {
  portable::HeadlessDialogHost host;
  Dialog sorted(host, kSortedTemplate);
  EXPECT_EQ(sorted.DoModal(), -1);
  ASSERT_EQ(host.Faults().size(), 1u);
  EXPECT_THAT(host.Faults()[0], HasSubstr("does not model the list box"));

  portable::HeadlessDialogHost other;
  HeadlessScriptedUser user(other);
  TestDialog dialog(other);
  user.Attach(UserScript()
                  .Inspect([&](DialogView&) {
                    constexpr std::uint32_t kEmLimitText = 0xC5;
                    dialog.SendItemMessage(kIdEditName, kEmLimitText, 10);
                  })
                  .PressEscape());
  dialog.DoModal();
  EXPECT_THAT(other.Faults(), ElementsAre(HasSubstr("does not model message 197")));
}

// A dialog whose button runs a second dialog: the script's steps go to whichever is on top.
class OuterDialog : public TestDialog {
 public:
  explicit OuterDialog(DialogHost& host) : TestDialog(host) {
    MapCommand(kIdButtonRecolour, kBnClicked, &OuterDialog::OnRecolourClicked);
  }
  int innerResult = 0;
  std::string innerName;

 private:
  void OnRecolourClicked() {
    TestDialog inner(Host());
    innerResult = inner.DoModal(Window());
    innerName = inner.name;
  }
};

TEST(HeadlessHost, NestedDialogsTakeTheStepsWhileTheyAreOnTop) {
  portable::HeadlessDialogHost host;
  HeadlessScriptedUser user(host);
  OuterDialog outer(host);
  user.Attach(UserScript()
                  .Click(kIdButtonRecolour)
                  .Type(kIdEditName, "内")
                  .PressEscape()
                  .Inspect([](DialogView& view) { EXPECT_EQ(view.CheckState(kIdRadioAgree), 1); })
                  .PressEnter());
  EXPECT_EQ(outer.DoModal(), kIdOk);
  EXPECT_THAT(user.Faults(), IsEmpty());
  EXPECT_EQ(outer.innerResult, kIdCancel);
  EXPECT_EQ(outer.innerName, "C:\\Program Files") << "cancelled, so never pulled";
  EXPECT_EQ(outer.nameChanges, 1) << "the typing went to the inner dialog";
}

TEST(HeadlessHost, ControlsInvalidatedByAnotherThreadArePaintedWhenTheLoopIdles) {
  portable::HeadlessDialogHost host;
  HeadlessScriptedUser user(host);
  TestDialog dialog(host);
  std::thread worker;
  user.Attach(
      UserScript()
          .Inspect([&](DialogView&) { worker = std::thread([&] { dialog.swatch.Swap(); }); })
          .Inspect([&](DialogView&) { worker.join(); })
          .Idle(30)
          .Inspect([](DialogView& view) {
            platform::Colour colour = 0;
            ASSERT_TRUE(view.PixelAt(kIdStaticSwatch, 0, 0, colour));
            EXPECT_EQ(colour, kSwatchRight);
          })
          .PressEscape());
  dialog.DoModal();
  EXPECT_THAT(user.Faults(), IsEmpty());
}

TEST(HeadlessHost, ADialogThatIsNotRunningAnswersEveryItemOperationWithFailure) {
  portable::HeadlessDialogHost host;
  TestDialog dialog(host);
  EXPECT_FALSE(dialog.EnableItem(kIdOk));
  EXPECT_FALSE(dialog.SetItemText(kIdEditName, "x"));
  EXPECT_FALSE(dialog.UpdateData(Exchange::kPush));
  EXPECT_EQ(dialog.SendItemMessage(kIdListRows, kLbGetCount), 0);
  EXPECT_EQ(dialog.Window(), 0u);
  EXPECT_FALSE(dialog.TakeOver(9999, dialog.swatch)) << "no such control in the template";
}

}  // namespace
}  // namespace torvek::dialogtest

// The framework's test dialog run through the host of this build: headless natively, real
// windows under Wine, with the same script acting as the user and the same expectations. What
// the user sees, what the fields hold afterwards and what the handlers were told must agree.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/dialog/test_dialog.h"
#include "tests/support/scripted_host.h"

namespace torvek::dialogtest {
namespace {

using dialog::BackgroundMode;
using dialog::ControlColours;
using dialog::DialogView;
using dialog::kIdOk;
using platform::Colour;
using platform::MessageBoxAnswer;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using torvek::testing::UserScript;

class DialogBehaviour : public ::testing::Test {
 protected:
  void SetUp() override {
    under_ = torvek::testing::ScriptedHost::Make();
    dialog_ = std::make_unique<TestDialog>(under_->Host());
  }

  int Run(const UserScript& script) { return under_->Run(*dialog_, script); }
  void ExpectNoFaults() { EXPECT_THAT(under_->Faults(), IsEmpty()); }

  static Colour Pixel(DialogView& view, int id, int x, int y) {
    Colour colour = 0xFFFFFFFFu;
    EXPECT_TRUE(view.PixelAt(id, x, y, colour)) << "control " << id << " at " << x << "," << y;
    return colour;
  }
  // The colour at the bottom-right corner of a control's client area, where none of these
  // controls draws text or frames.
  static Colour CornerPixel(DialogView& view, int id, int inset) {
    platform::Rect rect;
    EXPECT_TRUE(view.ItemRect(id, rect));
    const int border = id == kIdEditName || id == kIdListRows ? 4 : 0;
    return Pixel(view, id, rect.Width() - border - inset, rect.Height() - border - inset);
  }

  std::unique_ptr<torvek::testing::ScriptedHost> under_;
  std::unique_ptr<TestDialog> dialog_;
};

TEST_F(DialogBehaviour, OpensWithItsFieldsPushedIntoTheControls) {
  const int result =
      Run(UserScript()
              .Inspect([](DialogView& view) {
                EXPECT_EQ(view.Title(), kTitle);
                EXPECT_TRUE(view.HasIcon());
                EXPECT_EQ(view.CheckState(kIdCheckShowSwatch), 1);
                EXPECT_EQ(view.CheckState(kIdRadioDisagree), 0);
                EXPECT_EQ(view.CheckState(kIdRadioAgree), 1);
                EXPECT_EQ(view.Text(kIdEditName), "C:\\Program Files");
                EXPECT_THAT(view.ListItems(kIdListRows), ElementsAre("第一行", "第二行", "第三行"));
                EXPECT_EQ(view.ListSelection(kIdListRows), 1);
                EXPECT_EQ(view.Progress(kIdProgressSteps), (dialog::ProgressState{0, 50, 0}));
                EXPECT_EQ(view.Text(kIdStaticLabel), "汉字");
                EXPECT_EQ(view.FocusId(), kIdCheckShowSwatch);
                EXPECT_TRUE(view.IsEnabled(kIdOk));
                EXPECT_TRUE(view.IsVisible(kIdStaticSwatch));
              })
              .PressEscape());
  EXPECT_EQ(result, dialog::kIdCancel);
  ExpectNoFaults();
  // The push told the single-line edit box its text once; selecting a row for the program
  // told the dialog nothing.
  EXPECT_EQ(dialog_->nameChanges, 1);
  EXPECT_EQ(dialog_->rowChanges, 0);
  EXPECT_TRUE(dialog_->destroyed);
  EXPECT_FALSE(dialog_->IsRunning());
}

TEST_F(DialogBehaviour, PullsEveryKindOfControlBackIntoTheFields) {
  const int result = Run(UserScript()
                             .Click(kIdCheckShowSwatch)
                             .Click(kIdRadioDisagree)
                             .Type(kIdEditName, "D:\\工具\\乗")
                             .Select(kIdListRows, 2)
                             .Inspect([](DialogView& view) {
                               EXPECT_EQ(view.CheckState(kIdCheckShowSwatch), 0);
                               EXPECT_FALSE(view.IsVisible(kIdStaticSwatch));
                               EXPECT_EQ(view.CheckState(kIdRadioDisagree), 1);
                               EXPECT_EQ(view.CheckState(kIdRadioAgree), 0);
                               EXPECT_FALSE(view.IsEnabled(kIdOk));
                               EXPECT_EQ(view.Text(kIdEditName), "D:\\工具\\乗");
                               EXPECT_EQ(view.Text(kIdStaticLabel), "第三行");
                               EXPECT_EQ(view.FocusId(), kIdListRows);
                             })
                             // Enter finds the default button disabled and does nothing.
                             .PressEnter()
                             .Inspect([](DialogView& view) { EXPECT_EQ(view.Title(), kTitle); })
                             .Click(kIdRadioAgree)
                             .PressEnter());
  EXPECT_EQ(result, dialog::kIdOk);
  ExpectNoFaults();
  EXPECT_EQ(dialog_->showSwatch, 0);
  EXPECT_EQ(dialog_->choice, 1);
  EXPECT_EQ(dialog_->name, "D:\\工具\\乗");
  EXPECT_EQ(dialog_->row, 2);
  // One change for the push, then one for each of the seven characters typed.
  EXPECT_EQ(dialog_->nameChanges, 8);
  EXPECT_EQ(dialog_->rowChanges, 1);
}

TEST_F(DialogBehaviour, EscAndTheCloseBoxCancelWithoutPulling) {
  EXPECT_EQ(Run(UserScript().Type(kIdEditName, "X").CloseBox()), dialog::kIdCancel);
  EXPECT_EQ(dialog_->name, "C:\\Program Files");

  TestDialog second(under_->Host());
  EXPECT_EQ(under_->Run(second, UserScript().Type(kIdEditName, "Y").PressEscape()),
            dialog::kIdCancel);
  EXPECT_EQ(second.name, "C:\\Program Files");
  ExpectNoFaults();
}

TEST_F(DialogBehaviour, EnterAfterClickingAnotherButtonStillGoesToTheDefaultButton) {
  EXPECT_EQ(Run(UserScript().Click(kIdButtonRecolour).PressEnter()), dialog::kIdOk);
  ExpectNoFaults();
}

TEST_F(DialogBehaviour, AnswersEachControlsColourQueryWithWhatTheDialogChose) {
  const bool realWindows = under_->RealWindows();
  Run(UserScript()
          .Inspect([realWindows](DialogView& view) {
            ControlColours colours;
            ASSERT_TRUE(view.Colours(0, colours));
            EXPECT_EQ(colours.brush, kPageColour);
            ASSERT_TRUE(view.Colours(kIdCheckShowSwatch, colours));
            EXPECT_EQ(colours.brush, kPageColour) << "a check box asks as a static control";
            EXPECT_EQ(colours.text, platform::Rgb(0, 0, 0));
            EXPECT_EQ(colours.backgroundMode, BackgroundMode::kTransparent);
            ASSERT_TRUE(view.Colours(kIdEditName, colours));
            EXPECT_EQ(colours.brush, kPageColour);
            EXPECT_EQ(colours.backgroundMode, BackgroundMode::kOpaque);
            ASSERT_TRUE(view.Colours(kIdListRows, colours));
            EXPECT_EQ(colours.brush, kListColour);
            ASSERT_TRUE(view.Colours(kIdButtonAsk, colours));
            EXPECT_EQ(colours.brush, kButtonColour);

            EXPECT_EQ(Pixel(view, 0, 2, 2), kPageColour);
            platform::Rect client;
            ASSERT_TRUE(view.ItemRect(0, client));
            EXPECT_EQ(Pixel(view, 0, 2, client.bottom - 2), kMarkColour) << "its own paint";
            EXPECT_EQ(Pixel(view, 0, kMarkSize + 1, client.bottom - 2), kPageColour);
            EXPECT_EQ(CornerPixel(view, kIdStaticLabel, 1), kPageColour);
            EXPECT_EQ(CornerPixel(view, kIdCheckShowSwatch, 1), kPageColour);
            EXPECT_EQ(CornerPixel(view, kIdRadioAgree, 1), kPageColour);
            EXPECT_EQ(CornerPixel(view, kIdEditName, 1), kPageColour);
            // Windows paints a list box's empty area with the brush; Wine paints it with the
            // text background, which this dialog leaves at the window colour.
            EXPECT_EQ(CornerPixel(view, kIdListRows, 1),
                      realWindows ? platform::Rgb(255, 255, 255) : kListColour);
          })
          .PressEscape());
  ExpectNoFaults();
}

TEST_F(DialogBehaviour, ATakenOverControlPaintsFromItsSurface) {
  Run(UserScript()
          .Inspect([](DialogView& view) {
            EXPECT_EQ(Pixel(view, kIdStaticSwatch, 1, 1), kSwatchLeft);
            EXPECT_EQ(CornerPixel(view, kIdStaticSwatch, 2), kSwatchRight);
          })
          .Click(kIdButtonRecolour)
          .Inspect([](DialogView& view) {
            EXPECT_EQ(Pixel(view, kIdStaticSwatch, 1, 1), kSwatchRight);
            EXPECT_EQ(CornerPixel(view, kIdStaticSwatch, 2), kSwatchLeft);
          })
          .Click(kIdCheckShowSwatch)
          .Inspect([](DialogView& view) { EXPECT_FALSE(view.IsVisible(kIdStaticSwatch)); })
          .Click(kIdCheckShowSwatch)
          .Inspect([](DialogView& view) {
            EXPECT_TRUE(view.IsVisible(kIdStaticSwatch));
            EXPECT_EQ(Pixel(view, kIdStaticSwatch, 1, 1), kSwatchRight);
          })
          .PressEscape());
  ExpectNoFaults();
  EXPECT_GE(dialog_->swatch.paints, 2);
  // Only real windows erase; the swatch said it had, so nothing was drawn under its paint.
  if (under_->RealWindows()) {
    EXPECT_GT(dialog_->swatch.erases, 0);
  }
  EXPECT_FALSE(dialog_->swatch.IsAttached());
}

TEST_F(DialogBehaviour, ACallPostedFromTheStartRunsOnceTheDialogIsShownAndPainted) {
  Run(UserScript().Idle(100).PressEscape());
  ExpectNoFaults();
  EXPECT_TRUE(dialog_->postedCallRan);
  EXPECT_TRUE(dialog_->startEndedBeforePostedCall);
  EXPECT_GT(dialog_->swatchPaintsBeforePostedCall, 0);
  EXPECT_FALSE(dialog_->PostCall([] {})) << "a dialog that has ended takes no more calls";
}

TEST_F(DialogBehaviour, ItsMessageBoxesAreOwnedByItAndAnswerAsTheUserChose) {
  platform::WindowRef dialogWindow = 0;
  Run(UserScript()
          .Inspect([&](DialogView& view) { dialogWindow = view.Ref(); })
          .Click(kIdButtonAsk)
          .Answer(MessageBoxAnswer::kNo)
          .Inspect([](DialogView& view) { EXPECT_EQ(view.Text(kIdStaticLabel), "否"); })
          .Click(kIdButtonAsk)
          .Answer(MessageBoxAnswer::kYes)
          .Inspect([](DialogView& view) { EXPECT_EQ(view.Text(kIdStaticLabel), "是"); })
          .PressEscape());
  ExpectNoFaults();
  EXPECT_EQ(dialog_->lastAnswer, MessageBoxAnswer::kYes);
  const auto seen = under_->MessageBoxesSeen();
  ASSERT_EQ(seen.size(), 2u);
  for (const torvek::testing::SeenMessageBox& box : seen) {
    EXPECT_EQ(box.caption, kAskCaption);
    EXPECT_EQ(box.text, "要继续吗？");
    EXPECT_EQ(box.owner, dialogWindow);
  }
}

TEST_F(DialogBehaviour, AListBoxNotifiesOnEveryClickOnARowAndNeverForTheProgram) {
  Run(UserScript()
          .Select(kIdListRows, 0)
          .Select(kIdListRows, 0)
          .Inspect([](DialogView& view) { EXPECT_EQ(view.ListSelection(kIdListRows), 0); })
          .PressEscape());
  ExpectNoFaults();
  EXPECT_EQ(dialog_->rowChanges, 2);
}

TEST_F(DialogBehaviour, TheProgressBarWrapsWhenAStepPassesTheTop) {
  Run(UserScript()
          .Click(kIdButtonStep)
          .Click(kIdButtonStep)
          .Inspect(
              [](DialogView& view) { EXPECT_EQ(view.Progress(kIdProgressSteps).position, 40); })
          .Click(kIdButtonStep)
          .Inspect([](DialogView& view) {
            // 60 lies past 50: the bar starts again from the bottom with what was left over.
            EXPECT_EQ(view.Progress(kIdProgressSteps).position, 10);
          })
          .PressEscape());
  ExpectNoFaults();
}

TEST_F(DialogBehaviour, AStepNoUserCouldTakeIsAFaultOfTheScript) {
  Run(UserScript().Click(kIdRadioDisagree).Click(kIdOk).PressEscape());
  const auto faults = under_->Faults();
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_THAT(faults[0], HasSubstr("disabled"));
}

}  // namespace
}  // namespace torvek::dialogtest

// The headless progress bar, list box and edit box answer a dialog's messages as the real
// controls do: each case sends the same messages from inside a running dialog and expects the
// same answers, natively from the headless host and under Wine from comctl32 and user32.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "common/dialog/list_box.h"
#include "common/dialog/progress_bar.h"
#include "tests/support/scripted_host.h"

namespace torvek::dialogtest {
namespace {

using namespace dialog;
using torvek::testing::UserScript;

constexpr int kIdProgress = 1201;
constexpr int kIdList = 1202;
constexpr int kIdEdit = 1203;
constexpr int kIdMultiLineEdit = 1204;
constexpr std::uint32_t kChild = kWsChild | kWsVisible;

constexpr DialogItemTemplate kItems[] = {
    {kIdProgress, ControlClass::kProgressBar, "", {5, 5, 100, 8}, kChild},
    {kIdList, ControlClass::kListBox, "", {5, 20, 100, 60}, kChild | kWsBorder | kLbsNotify},
    {kIdEdit, ControlClass::kEdit, "", {5, 85, 100, 12}, kChild | kWsBorder | kEsAutoHScroll},
    {kIdMultiLineEdit,
     ControlClass::kEdit,
     "",
     {5, 100, 100, 24},
     kChild | kWsBorder | kEsMultiLine},
};

constexpr DialogTemplate kTemplate = {
    4243, "控件", {"宋体", 9}, {0, 0, 120, 130}, kWsPopup | kWsCaption, 0, kItems,
};

// Runs `probe` once its controls exist, counting what the edit boxes tell it, then closes.
class ProbeDialog : public Dialog {
 public:
  ProbeDialog(DialogHost& host, std::function<void(ProbeDialog&)> probe)
      : Dialog(host, kTemplate), probe_(std::move(probe)) {
    MapCommand(kIdEdit, kEnChange, &ProbeDialog::OnEditChanged);
    MapCommand(kIdMultiLineEdit, kEnChange, &ProbeDialog::OnMultiLineChanged);
    MapCommand(kIdList, kLbnSelChange, &ProbeDialog::OnListChanged);
  }
  int editChanges = 0;
  int multiLineChanges = 0;
  int listChanges = 0;

 protected:
  bool OnInitDialog() override {
    probe_(*this);
    EndDialog(kIdOk);
    return true;
  }

 private:
  void OnEditChanged() { ++editChanges; }
  void OnMultiLineChanged() { ++multiLineChanges; }
  void OnListChanged() { ++listChanges; }

  std::function<void(ProbeDialog&)> probe_;
};

class ControlContract : public ::testing::Test {
 protected:
  void SetUp() override { under_ = torvek::testing::ScriptedHost::Make(); }

  void Probe(std::function<void(ProbeDialog&)> probe) {
    ProbeDialog dialog(under_->Host(), std::move(probe));
    EXPECT_EQ(under_->Run(dialog, UserScript()), kIdOk);
    EXPECT_TRUE(under_->Faults().empty());
  }

  std::unique_ptr<torvek::testing::ScriptedHost> under_;
};

TEST_F(ControlContract, ProgressBarRangePositionAndStep) {
  Probe([](ProbeDialog& dialog) {
    ProgressBar bar(dialog, kIdProgress);
    EXPECT_EQ(bar.GetLow(), 0);
    EXPECT_EQ(bar.GetHigh(), 100);
    EXPECT_EQ(bar.GetPos(), 0);
    EXPECT_EQ(bar.SetStep(10), 10) << "the step starts at 10";

    EXPECT_EQ(bar.SetRange(0, 250), static_cast<std::intptr_t>(MakeLong(0, 100)));
    EXPECT_EQ(bar.SetPos(300), 0);
    EXPECT_EQ(bar.GetPos(), 250) << "a position past the top is held at the top";
    EXPECT_EQ(bar.SetPos(245), 250);
    EXPECT_EQ(bar.StepIt(), 245);
    EXPECT_EQ(bar.GetPos(), 5) << "a step past the top wraps around the range";

    bar.SetStep(-30);
    EXPECT_EQ(bar.StepIt(), 5);
    EXPECT_EQ(bar.GetPos(), 225) << "a step below the bottom wraps from the top";

    bar.SetPos(200);
    bar.SetRange(0, 50);
    EXPECT_EQ(bar.GetPos(), 50) << "a narrower range pulls the position in";
    EXPECT_EQ(dialog.SendItemMessage(kIdProgress, kPbmDeltaPos, static_cast<std::uintptr_t>(-80)),
              50);
    EXPECT_EQ(bar.GetPos(), 0);

    // PBM_SETRANGE's bounds are unsigned 16-bit words; PBM_SETRANGE32's are full integers.
    bar.SetRange(0, 40000);
    EXPECT_EQ(bar.GetHigh(), 40000);
    dialog.SendItemMessage(kIdProgress, kPbmSetRange32, static_cast<std::uintptr_t>(-10), 10);
    EXPECT_EQ(bar.GetLow(), -10);
    EXPECT_EQ(bar.GetHigh(), 10);
  });
}

TEST_F(ControlContract, ListBoxRowsAndSelectionAsTheProgramChangesThem) {
  Probe([](ProbeDialog& dialog) {
    ListBox list(dialog, kIdList);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(list.AddString("丙"), 0);
    EXPECT_EQ(list.AddString("甲"), 1) << "unsorted: rows stay in the order added";
    EXPECT_EQ(list.AddString("Alpha"), 2);
    EXPECT_EQ(list.InsertString(1, "乙"), 1);
    EXPECT_EQ(list.InsertString(9, "x"), kLbErr);
    EXPECT_EQ(list.GetCount(), 4);

    std::string text;
    ASSERT_TRUE(list.GetText(1, text));
    EXPECT_EQ(text, "乙");
    EXPECT_EQ(dialog.SendItemMessage(kIdList, kLbGetTextLen, 0), 2) << "bytes, not characters";
    EXPECT_EQ(dialog.SendItemMessage(kIdList, kLbGetTextLen, 7), kLbErr);

    EXPECT_EQ(list.SetCurSel(2), 2);
    EXPECT_EQ(list.InsertString(0, "首"), 0);
    EXPECT_EQ(list.GetCurSel(), 3) << "the selection moves with its row";
    EXPECT_EQ(list.DeleteString(0), 4) << "the answer is the number of rows left";
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.SetCurSel(9), kLbErr);
    EXPECT_EQ(list.GetCurSel(), 2) << "a row out of range leaves the selection alone";
    EXPECT_EQ(list.DeleteString(2), 3);
    EXPECT_EQ(list.GetCurSel(), -1) << "deleting the selected row leaves none selected";
    list.SetCurSel(1);
    EXPECT_EQ(list.SetCurSel(-1), -1);
    EXPECT_EQ(list.GetCurSel(), -1);

    EXPECT_TRUE(list.SetItemHeight(20));
    EXPECT_EQ(list.GetItemHeight(), 20);
    EXPECT_FALSE(list.SetItemHeight(300)) << "an item is at most 255 pixels high";
    EXPECT_EQ(list.GetItemHeight(), 20);

    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(dialog.listChanges, 0) << "nothing the program does is a selection change";
  });
}

TEST_F(ControlContract, EditBoxesTellOfTextTheyAreGiven) {
  Probe([](ProbeDialog& dialog) {
    dialog.SetItemText(kIdEdit, "C:\\乗");
    dialog.SetItemText(kIdEdit, "C:\\乗");
    EXPECT_EQ(dialog.editChanges, 2) << "a single-line box tells of every text, changed or not";
    EXPECT_EQ(dialog.ItemText(kIdEdit), "C:\\乗");
    dialog.SetItemText(kIdMultiLineEdit, "多行");
    EXPECT_EQ(dialog.multiLineChanges, 0) << "a multi-line box tells of none";
  });
}

// A dialog that leaves its colours alone shows the system's: the headless palette is Wine's
// default scheme.
TEST_F(ControlContract, ColoursLeftAloneAreTheSystemsOwn) {
  DialogHost& host = under_->Host();
  const platform::Colour text = host.SystemColourOf(SystemColour::kWindowText);
  const platform::Colour window = host.SystemColourOf(SystemColour::kWindow);
  const platform::Colour face = host.SystemColourOf(SystemColour::kButtonFace);
  EXPECT_EQ(text, platform::Rgb(0, 0, 0));
  EXPECT_EQ(window, platform::Rgb(255, 255, 255));
  EXPECT_EQ(face, platform::Rgb(245, 245, 245));
  EXPECT_EQ(host.SystemColourOf(SystemColour::kMenu), platform::Rgb(255, 255, 255));

  Dialog plain(host, kTemplate);
  under_->Run(
      plain,
      UserScript()
          .Inspect([&](DialogView& view) {
            ControlColours colours;
            ASSERT_TRUE(view.Colours(kIdEdit, colours));
            EXPECT_EQ(colours, (ControlColours{text, BackgroundMode::kOpaque, window, window}));
            ASSERT_TRUE(view.Colours(0, colours));
            EXPECT_EQ(colours, (ControlColours{text, BackgroundMode::kOpaque, face, face}));
            EXPECT_FALSE(view.Colours(kIdProgress, colours))
                << "a progress bar asks for no colours";
          })
          .PressEscape());
  EXPECT_TRUE(under_->Faults().empty());
}

}  // namespace
}  // namespace torvek::dialogtest

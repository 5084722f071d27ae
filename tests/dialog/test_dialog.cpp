#include "tests/dialog/test_dialog.h"

#include "common/dialog/list_box.h"
#include "common/dialog/progress_bar.h"

namespace torvek::dialogtest {

namespace {

using namespace dialog;

constexpr std::uint32_t kChild = kWsChild | kWsVisible;

constexpr DialogItemTemplate kItems[] = {
    {kIdStaticLabel, ControlClass::kStatic, "汉字", {10, 8, 40, 10}, kChild | kSsLeft},
    {kIdStaticMarks, ControlClass::kStatic, "??", {60, 8, 40, 10}, kChild | kSsLeft},
    {kIdCheckShowSwatch,
     ControlClass::kButton,
     "显示色块",
     {10, 24, 80, 10},
     kChild | kBsAutoCheckBox | kWsTabStop | kWsGroup},
    {kIdRadioDisagree,
     ControlClass::kButton,
     "不同意",
     {10, 40, 50, 10},
     kChild | kBsAutoRadioButton | kWsTabStop | kWsGroup},
    {kIdRadioAgree, ControlClass::kButton, "同意", {70, 40, 50, 10}, kChild | kBsAutoRadioButton},
    {kIdEditName,
     ControlClass::kEdit,
     "",
     {10, 56, 150, 12},
     kChild | kWsBorder | kEsAutoHScroll | kWsTabStop | kWsGroup},
    {kIdListRows,
     ControlClass::kListBox,
     "",
     {10, 74, 100, 40},
     kChild | kWsBorder | kWsVScroll | kLbsNotify | kLbsNoIntegralHeight | kWsTabStop},
    {kIdProgressSteps, ControlClass::kProgressBar, "", {120, 74, 130, 8}, kChild | kWsBorder},
    {kIdStaticSwatch, ControlClass::kStatic, "", {120, 86, 60, 28}, kChild},
    {kIdButtonRecolour,
     ControlClass::kButton,
     "换色",
     {190, 86, 60, 14},
     kChild | kBsPushButton | kWsTabStop},
    {kIdButtonAsk,
     ControlClass::kButton,
     "询问",
     {190, 102, 60, 14},
     kChild | kBsPushButton | kWsTabStop},
    {kIdButtonStep,
     ControlClass::kButton,
     "前进",
     {120, 120, 60, 14},
     kChild | kBsPushButton | kWsTabStop},
    {kIdOk,
     ControlClass::kButton,
     "确定",
     {130, 148, 55, 14},
     kChild | kBsDefPushButton | kWsTabStop},
    {kIdCancel,
     ControlClass::kButton,
     "取消",
     {195, 148, 55, 14},
     kChild | kBsPushButton | kWsTabStop},
};

constexpr DialogTemplate kTemplate = {
    4242,
    "对话框测试",
    {"宋体", 9},
    {0, 0, 260, 170},
    kWsPopup | kWsCaption | kWsSysMenu | kWsMinimizeBox | kDsModalFrame,
    0,
    kItems,
};

}  // namespace

const char kTitle[] = "对话框测试 V1.2";
const ControlFont kAskFont = {"宋体", 14, 600};
const char kAskCaption[] = "对话框测试";

void Swatch::Swap() {
  std::swap(left_, right_);
  Invalidate();
}

void Swatch::OnPaint(platform::Surface& surface) {
  ++paints;
  const int middle = surface.Width() / 2;
  surface.Fill({0, 0, middle, surface.Height()}, left_);
  surface.Fill({middle, 0, surface.Width(), surface.Height()}, right_);
}

bool Swatch::OnEraseBackground() {
  ++erases;
  return true;
}

TestDialog::TestDialog(DialogHost& host) : Dialog(host, kTemplate) {
  MapCommand(kIdCheckShowSwatch, kBnClicked, &TestDialog::OnShowSwatchClicked);
  MapCommand(kIdRadioDisagree, kBnClicked, &TestDialog::OnChoiceClicked);
  MapCommand(kIdRadioAgree, kBnClicked, &TestDialog::OnChoiceClicked);
  MapCommand(kIdEditName, kEnChange, &TestDialog::OnNameChanged);
  MapCommand(kIdListRows, kLbnSelChange, &TestDialog::OnRowChanged);
  MapCommand(kIdButtonRecolour, kBnClicked, &TestDialog::OnRecolourClicked);
  MapCommand(kIdButtonAsk, kBnClicked, &TestDialog::OnAskClicked);
  MapCommand(kIdButtonStep, kBnClicked, &TestDialog::OnStepClicked);
  TakeOver(kIdStaticSwatch, swatch);
}

bool TestDialog::OnInitDialog() {
  ListBox rows(*this, kIdListRows);
  rows.AddString("第一行");
  rows.AddString("第二行");
  rows.AddString("第三行");
  ProgressBar steps(*this, kIdProgressSteps);
  steps.SetRange(0, 50);
  steps.SetStep(20);
  Dialog::OnInitDialog();
  SetTitle(kTitle);
  SetIcon(kIconId);
  SetItemFont(kIdButtonAsk, kAskFont);
  PostCall([this] {
    postedCallRan = true;
    startEndedBeforePostedCall = startEnded_;
    swatchPaintsBeforePostedCall = swatch.paints;
  });
  startEnded_ = true;
  return true;
}

void TestDialog::DoDataExchange(DataExchange& exchange) {
  exchange.ExchangeCheck(kIdCheckShowSwatch, showSwatch);
  exchange.ExchangeRadio(kIdRadioDisagree, choice);
  exchange.ExchangeText(kIdEditName, name);
  exchange.ExchangeListIndex(kIdListRows, row);
}

// Black text on the page colour everywhere; the edit box keeps its opaque text background and
// the list box has a colour of its own. Push buttons get a colour no other control asks for,
// so that a control asking with the wrong query shows it.
void TestDialog::OnCtlColor(int controlId, ColourTarget target, ControlColours& colours) {
  colours.text = platform::Rgb(0, 0, 0);
  if (target == ColourTarget::kListBox) {
    colours.backgroundMode = BackgroundMode::kTransparent;
    colours.brush = kListColour;
    return;
  }
  if (target == ColourTarget::kButton) {
    colours.brush = kButtonColour;
    return;
  }
  if (controlId != kIdEditName)
    colours.backgroundMode = BackgroundMode::kTransparent;
  colours.brush = kPageColour;
}

// A square of its own in the bottom-left corner, where no control lies.
void TestDialog::OnPaint(platform::Surface& client) {
  client.Fill({0, client.Height() - kMarkSize, kMarkSize, client.Height()}, kMarkColour);
}

void TestDialog::OnDestroy() {
  destroyed = true;
}

void TestDialog::OnShowSwatchClicked() {
  UpdateData(Exchange::kPull);
  ShowItem(kIdStaticSwatch, showSwatch != 0);
}

void TestDialog::OnChoiceClicked() {
  UpdateData(Exchange::kPull);
  EnableItem(kIdOk, choice == 1);
}

void TestDialog::OnNameChanged() {
  ++nameChanges;
}

void TestDialog::OnRowChanged() {
  ++rowChanges;
  UpdateData(Exchange::kPull);
  std::string text;
  ListBox(*this, kIdListRows).GetText(row, text);
  SetItemText(kIdStaticLabel, text);
}

void TestDialog::OnRecolourClicked() {
  swatch.Swap();
}

void TestDialog::OnAskClicked() {
  lastAnswer = ShowMessageBox("要继续吗？", kAskCaption, platform::MessageBoxButtons::kYesNo,
                              platform::MessageBoxIcon::kQuestion);
  SetItemText(kIdStaticLabel, lastAnswer == platform::MessageBoxAnswer::kYes ? "是" : "否");
}

void TestDialog::OnStepClicked() {
  ProgressBar(*this, kIdProgressSteps).StepIt();
}

}  // namespace torvek::dialogtest

#include "resources/setup/setup_templates.h"

#include "common/dialog/window_constants.h"
#include "resources/setup/setup_ids.h"

namespace torvek::setup {

namespace {

using namespace dialog;

constexpr std::uint32_t kChild = kWsChild | kWsVisible;
// DS_CENTER: the pages have no owner to stand on, so they stand in the middle of the screen.
constexpr std::uint32_t kDsCenter = 0x800u;
constexpr std::uint32_t kPageStyle =
    kWsPopup | kWsCaption | kWsSysMenu | kWsMinimizeBox | kDsModalFrame | kDsCenter;
constexpr const char* kPageCaption = "Torvek结构工具箱 安装程序";
constexpr DialogFont kPageFont = {"宋体", 9};
constexpr DialogUnitRect kPageRect = {0, 0, 283, 172};

// The frame around each page's content comes first, so that it lies beneath the controls it
// surrounds; it starts no group of its own.
constexpr DialogItemTemplate Frame(DialogUnitRect rect) {
  return {kIdStatic, ControlClass::kButton, "", rect, kChild | kBsGroupBox};
}

constexpr DialogItemTemplate CheckBox(int id, const char* text, DialogUnitRect rect) {
  return {id, ControlClass::kButton, text, rect, kChild | kBsAutoCheckBox | kWsTabStop};
}

// The button row shared by all pages; `backStyle` says whether Back starts disabled.
constexpr DialogItemTemplate BackButton(std::uint32_t backStyle) {
  return {kIdButtonBack,
          ControlClass::kButton,
          "上一步",
          {22, 151, 50, 14},
          kChild | kBsPushButton | kWsTabStop | kWsGroup | backStyle};
}
constexpr DialogItemTemplate ForwardButton(const char* text) {
  return {kIdOk,
          ControlClass::kButton,
          text,
          {117, 151, 50, 14},
          kChild | kBsDefPushButton | kWsTabStop};
}
constexpr DialogItemTemplate CancelButton() {
  return {kIdCancel,
          ControlClass::kButton,
          "取  消",
          {212, 151, 50, 14},
          kChild | kBsPushButton | kWsTabStop};
}

constexpr DialogTemplate Page(int id, std::span<const DialogItemTemplate> items) {
  return {id, kPageCaption, kPageFont, kPageRect, kPageStyle, kWsExClientEdge, items};
}

// The radio group is in creation order, 不同意 first, so its value is 0 for 不同意 although
// 同意 stands to its left.
constexpr DialogItemTemplate kLicenceItems[] = {
    Frame({7, 3, 269, 140}),
    {kIdStaticLicence, ControlClass::kStatic, "", {15, 15, 253, 105}, kChild | kSsLeft},
    {kIdButtonPreviousScreen,
     ControlClass::kButton,
     "上一页",
     {13, 125, 46, 13},
     kChild | kBsPushButton | kBsFlat | kWsTabStop},
    {kIdButtonNextScreen,
     ControlClass::kButton,
     "下一页",
     {65, 125, 46, 13},
     kChild | kBsPushButton | kBsFlat | kWsTabStop},
    {kIdStatic, ControlClass::kStatic, "是否同意本协议：", {117, 127, 68, 10}, kChild | kSsLeft},
    {kIdRadioDisagree,
     ControlClass::kButton,
     "不同意",
     {230, 126, 41, 10},
     kChild | kBsAutoRadioButton | kWsTabStop | kWsGroup},
    {kIdRadioAgree, ControlClass::kButton, "同意", {191, 126, 27, 10}, kChild | kBsAutoRadioButton},
    BackButton(kWsDisabled),
    ForwardButton("下一步"),
    CancelButton(),
};

constexpr DialogItemTemplate kReleaseItems[] = {
    Frame({7, 3, 269, 140}),
    {kIdStatic, ControlClass::kStatic, "请选择安装选项：", {15, 17, 74, 10}, kChild | kSsCenter},
    CheckBox(1021, "For AutoCAD2000", {15, 37, 74, 10}),
    CheckBox(1022, "For AutoCAD2002", {15, 58, 74, 10}),
    CheckBox(1023, "For AutoCAD2004", {15, 79, 74, 10}),
    CheckBox(1024, "For AutoCAD2005", {15, 100, 74, 10}),
    CheckBox(1025, "For AutoCAD2006", {15, 121, 74, 10}),
    CheckBox(1018, "For AutoCAD2007", {107, 17, 74, 10}),
    CheckBox(1019, "For AutoCAD2008", {107, 37, 74, 10}),
    CheckBox(1020, "For AutoCAD2009", {107, 58, 74, 10}),
    CheckBox(1027, "For AutoCAD2010", {107, 79, 74, 10}),
    CheckBox(1026, "For AutoCAD2011", {107, 100, 74, 10}),
    CheckBox(1028, "For AutoCAD2012", {107, 121, 74, 10}),
    CheckBox(1029, "For AutoCAD2013", {199, 17, 74, 10}),
    CheckBox(1030, "For AutoCAD2014", {199, 37, 74, 10}),
    CheckBox(1031, "For AutoCAD2015", {199, 58, 74, 10}),
    BackButton(0),
    ForwardButton("下一步"),
    CancelButton(),
};

constexpr DialogItemTemplate kFolderItems[] = {
    Frame({7, 3, 269, 140}),
    Frame({7, 3, 269, 68}),
    CheckBox(kIdCheckKeepOldConfig, "是否保留Torvek结构工具箱的原有配置", {22, 21, 154, 10}),
    CheckBox(kIdCheckKeepSettings, "保留软件设置", {22, 45, 77, 11}),
    CheckBox(kIdCheckKeepSectionLibrary, "保留截面库", {101, 45, 77, 11}),
    CheckBox(kIdCheckKeepExtendedLibrary, "保留扩展绘图图库", {180, 45, 77, 11}),
    {kIdStatic, ControlClass::kStatic, "请选择安装路径：", {14, 84, 71, 9}, kChild | kSsLeft},
    {kIdEditFolder,
     ControlClass::kEdit,
     "",
     {13, 101, 202, 12},
     kChild | kWsBorder | kEsAutoHScroll | kWsTabStop | kWsGroup},
    {kIdButtonBrowse,
     ControlClass::kButton,
     "浏览...",
     {221, 99, 51, 13},
     kChild | kBsPushButton | kWsTabStop},
    {kIdProgressInstall, ControlClass::kProgressBar, "", {13, 124, 256, 6}, kChild | kWsBorder},
    BackButton(0),
    ForwardButton("安  装"),
    CancelButton(),
};

}  // namespace

const DialogTemplate kLicenceTemplate = Page(kIdDialogLicence, kLicenceItems);
const DialogTemplate kReleaseTemplate = Page(kIdDialogRelease, kReleaseItems);
const DialogTemplate kFolderTemplate = Page(kIdDialogFolder, kFolderItems);

}  // namespace torvek::setup

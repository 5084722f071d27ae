#include "resources/demonstration/demonstration_template.h"

#include "common/dialog/window_constants.h"
#include "resources/demonstration/demonstration_ids.h"

namespace torvek::demonstration {

namespace {

using namespace dialog;

constexpr std::uint32_t kChild = kWsChild | kWsVisible;

// The description and the loading bar lie on the same strip; the animation control shows one
// and hides the other while it loads.
constexpr DialogItemTemplate kDemoItems[] = {
    {kIdListFeatures,
     ControlClass::kListBox,
     "",
     {7, 7, 78, 419},
     kChild | kWsVScroll | kWsTabStop | kLbsNotify | kLbsNoIntegralHeight,
     kWsExClientEdge},
    {kIdPictureAnimation, ControlClass::kStatic, "", {92, 7, 482, 405}, kChild | kSsBlackRect},
    {kIdStaticDescription,
     ControlClass::kStatic,
     "Static",
     {92, 415, 482, 11},
     kChild | kWsGroup | kSsCenter},
    {kIdProgressLoading,
     ControlClass::kProgressBar,
     "Progress1",
     {92, 415, 482, 11},
     kChild | kWsBorder},
};

}  // namespace

const DialogTemplate kDemoTemplate = {
    kIdDialogDemo,
    "Torvek演示",
    {"宋体", 10},
    {0, 0, 581, 433},
    kWsPopup | kWsVisible | kWsCaption | kWsSysMenu | kWsMinimizeBox,
    kWsExAppWindow | kWsExClientEdge,
    kDemoItems,
};

}  // namespace torvek::demonstration

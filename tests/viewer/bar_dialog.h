// A dialog whose progress control the gradient bar takes over, as the viewer's dialog does,
// with the bar resized to a known width once the dialog starts. Test code.
#pragma once

#include <functional>

#include "common/dialog/dialog.h"
#include "viewer/gradient_progress.h"

namespace torvek::viewertest {

inline constexpr int kIdBar = 1007;
inline constexpr int kBarWidth = 400;
inline constexpr int kBarHeight = 18;
// No border: the bar's client area is all of it, in both hosts.
inline constexpr dialog::DialogItemTemplate kBarItems[] = {
    {kIdBar,
     dialog::ControlClass::kProgressBar,
     "Progress1",
     {7, 7, 280, 11},
     dialog::kWsChild | dialog::kWsVisible},
};
inline constexpr dialog::DialogTemplate kBarTemplate = {
    4260, "载入条",  {"宋体", 10}, {0, 0, 300, 30}, dialog::kWsPopup | dialog::kWsCaption,
    0,    kBarItems,
};

class BarDialog : public dialog::Dialog {
 public:
  BarDialog(dialog::DialogHost& host, platform::Display& display, platform::SurfaceText& text)
      : Dialog(host, kBarTemplate), bar(host, display, text) {
    TakeOver(kIdBar, bar);
  }

  viewer::GradientProgress bar;
  // Runs at the end of the dialog's start, the bar taken over and resized.
  std::function<void(BarDialog&)> onStart;

 protected:
  bool OnInitDialog() override {
    bar.Resize(kBarWidth, kBarHeight);
    if (onStart)
      onStart(*this);
    return Dialog::OnInitDialog();
  }
};

}  // namespace torvek::viewertest

// The loading bar's paint per step, under Wine or Windows, timed by QueryPerformanceCounter
// (Google Benchmark is not to be had for mingw). The bar takes over a progress control the
// size of the viewer's (482 x 11 dialog units, with a border, in a dialog whose font is 宋体
// at 10 points) in a real, visible dialog, with the range 0 to 250 and the loading caption:
//   - a Step to 10, 130 and 250 (the fewest bands, about half of them, and the plain bar): its
//     messages, the paint off-screen and the copy to the screen;
//   - the paint alone into a DIB section of the bar's size, at 130 and at 249 (every band);
//   - a whole load's steps, 643 of them from 0.
// Each is run ROUNDS times; the least time is the work itself, the median what a loaded
// machine makes of it.
//
//   gradient_progress_bench_win32.exe [ROUNDS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "bench/win32_clock.h"
#include "common/dialog/dialog.h"
#include "common/win32/dib_surface.h"
#include "common/win32/gdi_display.h"
#include "common/win32/gdi_surface_text.h"
#include "common/win32/win32_dialog_host.h"
#include "common/win32/win32_message_boxes.h"
#include "viewer/gradient_progress.h"

namespace {

using torvek::bench::Now;

using namespace torvek;

// Runs `prepare` untimed and `work` timed, `rounds` times; prints the least and median time.
void Time(const char* what, int rounds, const std::function<void()>& prepare,
          const std::function<void()>& work, double per = 1) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    prepare();
    const double start = Now();
    work();
    times.push_back((Now() - start) / per);
  }
  std::sort(times.begin(), times.end());
  std::printf("%-44s least %.4f ms, median %.4f ms\n", what, times.front() * 1000,
              times[times.size() / 2] * 1000);
}

constexpr int kIdBar = 1007;
constexpr dialog::DialogItemTemplate kItems[] = {
    {kIdBar,
     dialog::ControlClass::kProgressBar,
     "Progress1",
     {92, 415, 482, 11},
     dialog::kWsChild | dialog::kWsVisible | dialog::kWsBorder},
};
constexpr dialog::DialogTemplate kTemplate = {
    4270, "载入条", {"宋体", 10}, {0, 0, 581, 433}, dialog::kWsPopup | dialog::kWsCaption,
    0,    kItems,
};

class BenchDialog : public dialog::Dialog {
 public:
  BenchDialog(dialog::DialogHost& host, platform::Display& display, platform::SurfaceText& text,
              int rounds)
      : Dialog(host, kTemplate), bar(host, display, text), rounds_(rounds) {
    TakeOver(kIdBar, bar);
  }

  viewer::GradientProgress bar;

 protected:
  bool OnInitDialog() override {
    // A step paints only what the screen shows.
    HWND window = reinterpret_cast<HWND>(Window());
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    bar.showPercent = false;
    bar.SetRange(0, 250);
    std::printf("bar %d x %d pixels (client area), %d rounds\n", bar.Width(), bar.Height(),
                rounds_);

    for (const int to : {10, 130, 250}) {
      char what[64];
      std::snprintf(what, sizeof what, "Step to %d, to the screen:", to);
      Time(
          what, rounds_, [&] { bar.SetPosition(to - 10); }, [&] { bar.Step(); });
    }
    auto surface = win32::DibSurface::Create(bar.Width(), bar.Height());
    for (const int at : {130, 249}) {
      char what[64];
      std::snprintf(what, sizeof what, "paint alone at %d, into a DIB section:", at);
      Time(
          what, rounds_, [&] { bar.position = at; },
          [&] {
            dialog::ControlDispatch::Paint(bar, *surface);
            GdiFlush();
          });
    }
    constexpr int kLoadSteps = 643;
    Time(
        "a load's 643 steps from 0, per step:", std::max(1, rounds_ / 100),
        [&] { bar.SetPosition(0); },
        [&] {
          for (int i = 0; i < kLoadSteps; ++i)
            bar.Step();
        },
        kLoadSteps);
    EndDialog(dialog::kIdOk);
    return true;
  }

 private:
  int rounds_;
};

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  std::unique_ptr<platform::MessageBoxes> boxes = win32::MakeMessageBoxes();
  std::unique_ptr<dialog::DialogHost> host = win32::MakeDialogHost(*boxes);
  win32::GdiDisplay display;
  win32::GdiSurfaceText text;
  BenchDialog dialog(*host, display, text, rounds);
  if (dialog.DoModal() != dialog::kIdOk) {
    std::fprintf(stderr, "the dialog did not run\n");
    return 1;
  }
  return 0;
}

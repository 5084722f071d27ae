// For each of the eleven demonstrations, under Wine or Windows: the time from its selection in
// the real demonstration dialog (the list's notification, the load with the bar painted at each
// step, Play) to the first frame drawn on the canvas, against the sum of OleLoadPicture alone
// on the demonstration's one-frame streams. By QueryPerformanceCounter; Google Benchmark is not
// to be had for mingw. Prints the medians of ROUNDS rounds and their ratio.
//
//   demonstration_load_bench_win32.exe [ROUNDS]
#include <windows.h>

#include <ole2.h>
#include <olectl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "bench/win32_clock.h"
#include "common/dialog/window_constants.h"
#include "common/win32/gdi_display.h"
#include "common/win32/gdi_surface_text.h"
#include "common/win32/ole_picture_loader.h"
#include "common/win32/ole_session.h"
#include "common/win32/win32_dialog_host.h"
#include "common/win32/win32_message_boxes.h"
#include "common/win32/win32_resources.h"
#include "resources/demonstration/demonstration_ids.h"
#include "viewer/demo_dialog.h"
#include "viewer/feature_catalogue.h"
#include "viewer/gif_stream.h"

namespace {

using torvek::bench::Median;
using torvek::bench::Now;

using namespace torvek;

// OleLoadPicture alone, summed over the demonstration's one-frame streams: the splitting and
// the streams are made outside the timing.
double OleLoadPictureSum(platform::Resources& resources, std::uint16_t id, int& frames) {
  const auto file = resources.Find(platform::NamedResourceType("GIF"), id);
  viewer::GifStream splitter;
  std::int32_t width = 0;
  std::int32_t height = 0;
  frames = 0;
  if (!splitter.BeginGif(file.data(), static_cast<std::uint32_t>(file.size()), width, height))
    return 0;
  double sum = 0;
  splitter.RewindToFirstBlock();
  for (;;) {
    viewer::GifFrameValues values;
    platform::MemoryBlock block = splitter.ExtractNextFrame(values);
    if (!block.IsValid())
      break;
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(reinterpret_cast<HGLOBAL>(block.Handle()), FALSE, &stream) != S_OK)
      continue;
    IPicture* picture = nullptr;
    const double start = Now();
    const HRESULT loaded = OleLoadPicture(stream, static_cast<LONG>(values.streamSize), FALSE,
                                          IID_IPicture, reinterpret_cast<void**>(&picture));
    sum += Now() - start;
    if (loaded == S_OK && picture != nullptr) {
      picture->Release();
      ++frames;
    }
    stream->Release();
  }
  return sum;
}

// The dialog, with the benchmark run from its loop once its own first selection has played.
class BenchDialog : public viewer::DemoDialog {
 public:
  using DemoDialog::DemoDialog;
  std::function<void(BenchDialog&)> run;

 protected:
  bool OnInitDialog() override {
    const bool focus = DemoDialog::OnInitDialog();
    PostCall([this] {
      run(*this);
      EndDialog(dialog::kIdOk);
    });
    return focus;
  }
};

// Selects `row` as a click does, and answers the time until the worker drew the first frame.
double SelectionToFirstFrame(BenchDialog& dialog, int row) {
  HANDLE drawn = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  double firstFrame = 0;
  dialog.Animation().SetFrameHook({[&](int framesRendered) {
                                     if (framesRendered == 1) {
                                       firstFrame = Now();
                                       SetEvent(drawn);
                                     }
                                   },
                                   false});
  HWND window = reinterpret_cast<HWND>(dialog.Window());
  HWND list = GetDlgItem(window, demonstration::kIdListFeatures);
  const double start = Now();
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(demonstration::kIdListFeatures, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  const bool ended = WaitForSingleObject(drawn, 120000) == WAIT_OBJECT_0;
  dialog.Animation().SetFrameHook({});
  CloseHandle(drawn);
  return ended ? firstFrame - start : -1;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  win32::OleSession ole;
  auto resources = win32::MakeResources();
  win32::OlePictureLoader pictures;
  win32::GdiDisplay display;
  win32::GdiSurfaceText text;
  auto boxes = win32::MakeMessageBoxes();
  auto host = win32::MakeDialogHost(*boxes);
  BenchDialog dialog(*host, {*resources, pictures, display}, text);

  const std::size_t rows = viewer::kFeatureCatalogue.size();
  std::vector<std::vector<double>> selections(rows);
  std::vector<std::vector<double>> oleSums(rows);
  std::vector<int> frames(rows);
  dialog.run = [&](BenchDialog& running) {
    for (int round = 0; round < rounds; ++round) {
      for (std::size_t row = 0; row < rows; ++row) {
        const std::uint16_t id = viewer::kFeatureCatalogue[row].gifId;
        oleSums[row].push_back(OleLoadPictureSum(*resources, id, frames[row]));
        selections[row].push_back(SelectionToFirstFrame(running, static_cast<int>(row)));
      }
    }
  };
  dialog.DoModal();

  std::printf(
      "median of %d rounds, ms:  frames  selection to first frame  OleLoadPicture sum  "
      "ratio\n",
      rounds);
  for (std::size_t row = 0; row < rows; ++row) {
    const double selection = Median(selections[row]) * 1000;
    const double loads = Median(oleSums[row]) * 1000;
    std::printf("  GIF %u:  %6d  %24.1f  %18.1f  %5.2f\n", viewer::kFeatureCatalogue[row].gifId,
                frames[row], selection, loads, loads > 0 ? selection / loads : 0);
  }
  return 0;
}

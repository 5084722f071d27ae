// Demonstration.exe as a user meets it, under Wine: started, watched and ended from this separate
// program through its real windows. demonstration_end_to_end_check.cmake runs it and then holds
// the two pictures of the first demonstration playing against what the native gifinspect renders
// of the frames due at their moments; this program writes them, with the moments, to
// TORVEK_END_TO_END_DIR. A screenshot of each state is kept in TORVEK_SCREENSHOT_DIR.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "common/testing/gdi_objects.h"
#include "common/testing/screenshot.h"
#include "common/testing/window_driver.h"
#include "resources/demonstration/demonstration_ids.h"
#include "viewer/feature_catalogue.h"

namespace torvek::viewertest {
namespace {

using namespace demonstration;
using Clock = std::chrono::steady_clock;
using platform::WindowRef;

constexpr char kTitle[] = "Torvek演示";
constexpr std::uint32_t kWaitMs = 20000;
// Decoding a demonstration of 643 frames takes seconds under Wine, more on a busy machine.
constexpr auto kLoadLimit = std::chrono::seconds(120);
constexpr int kRowColumns = 5;

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

long long MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

class DemonstrationEndToEnd : public ::testing::Test {
 protected:
  ~DemonstrationEndToEnd() override { testing::EndProgram(program_); }

  void Start() {
    std::string command = Variable("TORVEK_DEMONSTRATION_EXE");
    command.insert(command.begin(), '"');
    command.push_back('"');
    ASSERT_TRUE(testing::StartProgram(command, "", program_)) << command;
    window_ = testing::WaitForWindow(program_.processId, kTitle, kWaitMs);
    ASSERT_NE(window_, 0u) << "no window titled " << kTitle;
  }

  bool Visible(int id) { return testing::ViewOf(window_)->IsVisible(id); }
  bool Loading() { return Visible(kIdProgressLoading) && !Visible(kIdStaticDescription); }
  bool Described() { return !Visible(kIdProgressLoading) && Visible(kIdStaticDescription); }

  // Waits until `state` holds; false when it never did.
  template <class State>
  bool WaitFor(State state, Clock::duration limit) {
    const Clock::time_point start = Clock::now();
    while (!state()) {
      if (Clock::now() - start > limit)
        return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }

  // The load that runs at start: the bar, then the description. The moment the description
  // comes back is the moment the demonstration starts to play.
  Clock::time_point WaitForTheFirstDemonstration() {
    EXPECT_TRUE(WaitFor([&] { return Loading(); }, std::chrono::seconds(20)))
        << "the bar never showed in place of the description";
    EXPECT_TRUE(WaitFor([&] { return Described(); }, kLoadLimit));
    return Clock::now();
  }

  void KeepScreenshot(const std::string& name) {
    EXPECT_TRUE(testing::SaveScreenshot(Variable("TORVEK_SCREENSHOT_DIR") + "\\" + name)) << name;
  }

  // The control `id` as the screen shows it, once two looks in a row agree: a look taken while
  // a frame reaches the screen would show parts of two.
  std::unique_ptr<platform::MemorySurface> Settled(int id) {
    platform::Rect area;
    if (!testing::ScreenRect(window_, id, area))
      return nullptr;
    std::unique_ptr<platform::MemorySurface> last;
    for (int look = 0; look < 20; ++look) {
      auto screen = testing::CaptureScreen();
      if (screen == nullptr)
        return nullptr;
      auto now = std::make_unique<platform::MemorySurface>(area.Width(), area.Height());
      now->CopyFrom(*screen, area, 0, 0);
      if (last != nullptr && Same(*last, *now))
        return now;
      last = std::move(now);
      std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
    return nullptr;
  }

  static bool Same(const platform::Surface& a, const platform::Surface& b) {
    return std::equal(a.Row(0), a.Row(a.Height()), b.Row(0));
  }

  // As gifinspect writes its canvases: red, green, blue and 255, row by row.
  static bool WriteRgba(const platform::Surface& picture, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        const platform::Colour colour = picture.ColourAt(x, y);
        const char pixel[4] = {static_cast<char>(platform::RedOf(colour)),
                               static_cast<char>(platform::GreenOf(colour)),
                               static_cast<char>(platform::BlueOf(colour)), '\xFF'};
        out.write(pixel, 4);
      }
    }
    return out.good();
  }

  void ExpectGoneWithin(std::uint32_t milliseconds) {
    std::uint32_t code = 1;
    EXPECT_TRUE(testing::WaitForExit(program_, milliseconds, code))
        << "still running " << milliseconds << " ms after it was told to end";
    EXPECT_EQ(code, 0u);
  }

  testing::StartedProgram program_;
  WindowRef window_ = 0;
};

// Two looks a second apart at the first demonstration, which plays with no click, each with
// its moment after the start of play; the check script finds the frames they show.
TEST_F(DemonstrationEndToEnd, TheFirstDemonstrationPlaysWithoutAClick) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const Clock::time_point playing = WaitForTheFirstDemonstration();
  const std::string work = Variable("TORVEK_END_TO_END_DIR");
  std::ofstream moments(work + "\\playing.txt");
  std::unique_ptr<platform::MemorySurface> looks[2];
  for (int look = 0; look < 2; ++look) {
    std::this_thread::sleep_until(playing + std::chrono::milliseconds(1000 * (look + 1)));
    looks[look] = Settled(kIdPictureAnimation);
    const long long moment = MillisecondsSince(playing);
    ASSERT_NE(looks[look], nullptr) << "the picture never held still for two looks";
    KeepScreenshot("demonstration_playing_" + std::to_string(look + 1) + ".png");
    EXPECT_TRUE(WriteRgba(*looks[look], work + "\\playing-" + std::to_string(look + 1) + ".rgba"));
    moments << moment << "\n";
  }
  const COLORREF menu = GetSysColor(COLOR_MENU);
  moments << looks[0]->Width() << "x" << looks[0]->Height() << " " << int{GetRValue(menu)} << ","
          << int{GetGValue(menu)} << "," << int{GetBValue(menu)} << "\n";
  EXPECT_TRUE(moments.good());
  EXPECT_FALSE(Same(*looks[0], *looks[1])) << "the picture did not move in a second";
  testing::PressEscape(window_);
  ExpectGoneWithin(kWaitMs);
}

TEST_F(DemonstrationEndToEnd, ChoosingARowShowsTheBarWhileItsDemonstrationLoads) {
  ASSERT_NO_FATAL_FAILURE(Start());
  WaitForTheFirstDemonstration();
  std::string fault;
  ASSERT_TRUE(testing::SelectRow(window_, kIdListFeatures, kRowColumns, fault)) << fault;
  ASSERT_TRUE(WaitFor([&] { return Loading(); }, std::chrono::seconds(20)))
      << "the bar never showed in place of the description";
  // Wine puts a busy window's paints on the screen only once it has been busy for 50 ms, so a
  // look taken as the bar appears still shows the demonstration before.
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  if (Loading())
    KeepScreenshot("demonstration_loading.png");
  ASSERT_TRUE(WaitFor([&] { return Described(); }, kLoadLimit));
  EXPECT_EQ(testing::ViewOf(window_)->Text(kIdStaticDescription),
            viewer::kFeatureCatalogue[kRowColumns].description);
  EXPECT_EQ(testing::ViewOf(window_)->ListSelection(kIdListFeatures), kRowColumns);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  KeepScreenshot("demonstration_row_5.png");
  testing::PressCloseBox(window_);
  ExpectGoneWithin(kWaitMs);
}

// The worker must not hold the program up: each way out ends the process within a second.
TEST_F(DemonstrationEndToEnd, EnterEscAndTheCloseBoxEachEndItWithinASecond) {
  for (const auto end : {&testing::PressEnter, &testing::PressEscape, &testing::PressCloseBox}) {
    ASSERT_NO_FATAL_FAILURE(Start());
    WaitForTheFirstDemonstration();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    end(window_);
    ExpectGoneWithin(1000);
    testing::EndProgram(program_);
  }
}

// Between two moments of the same demonstration playing: a load of its 643 frames, each a step
// painted at once, and a thousand paints of the whole dialog.
TEST_F(DemonstrationEndToEnd, GdiObjectsComeBackAfterALoadAndAThousandPaints) {
  ASSERT_NO_FATAL_FAILURE(Start());
  WaitForTheFirstDemonstration();
  std::string fault;
  std::uint32_t before = 0;
  ASSERT_TRUE(testing::CountGdiObjects(program_.process, before, fault)) << fault;

  for (const int row : {1, 0}) {
    ASSERT_TRUE(testing::SelectRow(window_, kIdListFeatures, row, fault)) << fault;
    ASSERT_TRUE(WaitFor([&] { return Loading(); }, std::chrono::seconds(20)));
    ASSERT_TRUE(WaitFor([&] { return Described(); }, kLoadLimit));
  }
  HWND dialog = reinterpret_cast<HWND>(window_);
  for (int paint = 0; paint < 1000; ++paint) {
    // Sent to the dialog and to each of its controls, each painted before this returns.
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  std::uint32_t after = 0;
  ASSERT_TRUE(testing::CountGdiObjects(program_.process, after, fault)) << fault;
  std::printf("GDI objects: %u while the first demonstration played, %u after\n", before, after);
  EXPECT_LE(after, before + 5);
  EXPECT_GE(after + 5, before);
  KeepScreenshot("demonstration_after_paints.png");
  testing::PressEscape(window_);
  ExpectGoneWithin(kWaitMs);
}

}  // namespace
}  // namespace torvek::viewertest

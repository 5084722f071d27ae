// Under Wine: the loading bar in a real dialog shows on the screen the bands it paints into
// memory, its off-screen buffer a DIB section and its caption drawn by GDI. The caption's
// pixels are not compared (its font is the machine's): the columns round the centre are left
// out, and a caption drawn anywhere else shows.
#include <gtest/gtest.h>

#include <thread>

#include "common/testing/screenshot.h"
#include "common/testing/window_driver.h"
#include "common/win32/gdi_display.h"
#include "common/win32/gdi_surface_text.h"
#include "common/win32/win32_dialog_host.h"
#include "common/win32/win32_message_boxes.h"
#include "tests/viewer/bar_dialog.h"

namespace torvek::viewertest {
namespace {

TEST(GradientProgressWindow, ShowsTheBandsOfItsPaintInARealWindow) {
  std::unique_ptr<platform::MessageBoxes> boxes = win32::MakeMessageBoxes();
  std::unique_ptr<dialog::DialogHost> host = win32::MakeDialogHost(*boxes);
  win32::GdiDisplay display;
  win32::GdiSurfaceText text;
  BarDialog dialog(*host, display, text);
  platform::MemorySurface shown(kBarWidth, kBarHeight);
  std::thread watcher;
  dialog.onStart = [&](BarDialog& started) {
    started.bar.SetRange(0, 250);
    for (int i = 0; i < 5; ++i)
      started.bar.Step();
    watcher = std::thread([&, window = started.Window()] {
      // The window exists before its start ends: a pixel can be read once it shows, and that
      // waits for its paints; Wine puts them on the screen a moment later.
      platform::Colour first = 0;
      for (int tries = 0;
           tries < 100 && !torvek::testing::ViewOf(window)->PixelAt(kIdBar, 0, 0, first); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      std::unique_ptr<win32::DibSurface> screen = torvek::testing::CaptureScreen();
      platform::Rect area;
      if (screen != nullptr && torvek::testing::ScreenRect(window, kIdBar, area))
        shown.CopyFrom(*screen, area, 0, 0);
      EXPECT_EQ(area, (platform::Rect{area.left, area.top, area.left + kBarWidth,
                                      area.top + kBarHeight}));
      torvek::testing::PressEscape(window);
    });
  };
  EXPECT_EQ(dialog.DoModal(), dialog::kIdCancel);
  if (watcher.joinable())
    watcher.join();

  // A memory surface has no device context: no caption is drawn on it.
  platform::MemorySurface painted(kBarWidth, kBarHeight);
  dialog::ControlDispatch::Paint(dialog.bar, painted);
  EXPECT_EQ(painted.ColourAt(0, 0), platform::Rgb(255, 255, 0));
  EXPECT_EQ(painted.ColourAt(kBarWidth - 1, 0),
            host->SystemColourOf(dialog::SystemColour::kButtonFace));
  int differing = 0;
  for (int y = 0; y < kBarHeight; ++y) {
    for (int x = 0; x < kBarWidth; ++x) {
      if ((x < kBarWidth / 2 - 50 || x >= kBarWidth / 2 + 50) &&
          shown.ColourAt(x, y) != painted.ColourAt(x, y) && differing++ < 5)
        ADD_FAILURE() << "at " << x << ", " << y << ": shown " << std::hex << shown.ColourAt(x, y)
                      << ", painted " << painted.ColourAt(x, y);
    }
  }
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace torvek::viewertest

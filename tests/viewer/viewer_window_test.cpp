// The animation control in a real dialog under Wine, on the Windows picture loader and canvas:
// demonstration 140 plays in control 1003, held by the frame hook at chosen frame counts, and
// what the screen shows of the control then is compared with what the native gifinspect
// renders of the same frames. viewer_window_check.cmake runs the two cases in turn: the first
// reports the control's live size and the system's menu colour, from which the expected
// pictures are rendered, the second plays and compares. The control's pictures are kept in the
// screenshot folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "common/dialog/dialog.h"
#include "common/testing/png_image.h"
#include "common/testing/screenshot.h"
#include "common/testing/window_driver.h"
#include "common/win32/gdi_display.h"
#include "common/win32/ole_picture_loader.h"
#include "common/win32/ole_session.h"
#include "common/win32/win32_dialog_host.h"
#include "common/win32/win32_message_boxes.h"
#include "common/win32/win32_resources.h"
#include "tests/viewer/player_doubles.h"
#include "viewer/gif_animation.h"

namespace torvek::viewertest {
namespace {

using namespace dialog;

constexpr int kIdAnimation = 1003;
// Smaller than demonstration 140's screen (826 x 633), so that the canvas is clamped to it.
constexpr DialogItemTemplate kItems[] = {
    {kIdAnimation,
     ControlClass::kStatic,
     "",
     {4, 4, 380, 280},
     kWsChild | kWsVisible | kSsBlackRect},
};
constexpr DialogTemplate kTemplate = {
    4250, "演示", {"宋体", 9}, {0, 0, 388, 288}, kWsPopup | kWsCaption, 0, kItems,
};

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// The control with its size given as its largest canvas, as the viewer's dialog gives it.
class PlayerDialog : public Dialog {
 public:
  PlayerDialog(DialogHost& host, const viewer::ViewerPlatform& platform)
      : Dialog(host, kTemplate), animation(platform) {
    TakeOver(kIdAnimation, animation);
  }
  std::function<void(PlayerDialog&)> onShown;
  viewer::GifAnimation animation;

 protected:
  bool OnInitDialog() override {
    animation.maxWidth = animation.Width();
    animation.maxHeight = animation.Height();
    if (onShown)
      onShown(*this);
    return Dialog::OnInitDialog();
  }
};

class ViewerWindow : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ole.IsActive()); }

  win32::OleSession ole;
  std::unique_ptr<platform::MessageBoxes> boxes = win32::MakeMessageBoxes();
  std::unique_ptr<DialogHost> host = win32::MakeDialogHost(*boxes);
  std::unique_ptr<platform::Resources> resources = win32::MakeResources();
  win32::OlePictureLoader pictures;
  win32::GdiDisplay display;
  viewer::ViewerPlatform platform{*resources, pictures, display};
  const std::string work = Variable("TORVEK_VIEWER_WINDOW_DIR");
};

TEST_F(ViewerWindow, ReportsTheControlsSizeAndTheMenuColour) {
  PlayerDialog dialog(*host, platform);
  dialog.onShown = [&](PlayerDialog& shown) {
    const platform::Colour menu = display.MenuColour();
    std::ofstream out(work + "\\measure.txt");
    out << shown.animation.maxWidth << "x" << shown.animation.maxHeight << " "
        << int{platform::RedOf(menu)} << "," << int{platform::GreenOf(menu)} << ","
        << int{platform::BlueOf(menu)} << "\n";
    EXPECT_TRUE(out.good());
    shown.EndDialog(kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), kIdOk);
}

// The expected canvas, `width` x `height` RGBA from gifinspect render.
std::vector<std::uint8_t> Expected(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(ViewerWindow, PlaysDemonstration140AsGifinspectRendersIt) {
  std::vector<int> counts;
  std::istringstream list(Variable("TORVEK_VIEWER_WINDOW_COUNTS"));
  for (int count = 0; list >> count;)
    counts.push_back(count);
  ASSERT_FALSE(counts.empty());
  const std::string shots = Variable("TORVEK_SCREENSHOT_DIR");

  FrameGate gate;
  PlayerDialog dialog(*host, platform);
  std::thread watcher;
  // Reads the control off the screen while the worker is held after `count` frames, and
  // compares it with the rendered picture.
  const auto compare = [&](platform::WindowRef window, int count) {
    SCOPED_TRACE(count);
    ASSERT_TRUE(gate.Reached(count)) << "the worker never rendered that many frames";
    // The paint reaches the screen once Wine flushes the window's surface.
    dialog.animation.UpdateNow();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    platform::Rect area;
    auto screen = testing::CaptureScreen();
    const bool captured = screen != nullptr && testing::ScreenRect(window, kIdAnimation, area);
    gate.Release();
    ASSERT_TRUE(captured);
    platform::MemorySurface control(area.Width(), area.Height());
    control.CopyFrom(*screen, area, 0, 0);
    std::vector<std::uint8_t> png;
    ASSERT_TRUE(testing::EncodePng(control, png));
    std::ofstream shot(shots + "\\viewer_140_" + std::to_string(count) + ".png", std::ios::binary);
    shot.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    EXPECT_TRUE(shot.good()) << "the screenshot was not kept";

    const std::vector<std::uint8_t> expected =
        Expected(work + "\\expected-" + std::to_string(count) + ".rgba");
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(area.Width()) * area.Height() * 4)
        << "the control is not the size the expected picture was rendered at";
    int differing = 0;
    std::ostringstream first;
    for (int y = 0; y < area.Height(); ++y) {
      for (int x = 0; x < area.Width(); ++x) {
        const std::uint8_t* want = &expected[(static_cast<std::size_t>(y) * area.Width() + x) * 4];
        const platform::Colour rendered = platform::Rgb(want[0], want[1], want[2]);
        const platform::Colour shown = control.ColourAt(x, y);
        if (shown != rendered && differing++ == 0) {
          first << "(" << x << ", " << y << "): shown " << std::hex << shown << ", rendered "
                << rendered;
        }
      }
    }
    EXPECT_EQ(differing, 0) << "first at " << first.str();
  };
  dialog.onShown = [&](PlayerDialog& shown) {
    if (!shown.animation.LoadFromResource(140, platform::NamedResourceType("GIF"))) {
      ADD_FAILURE() << "demonstration 140 did not load";
      shown.EndDialog(kIdCancel);
      return;
    }
    EXPECT_EQ(shown.animation.CanvasWidth(), shown.animation.maxWidth);
    shown.animation.SetFrameHook(gate.Hook(counts));
    shown.animation.Play();
    watcher = std::thread([&, window = shown.Window()] {
      for (const int count : counts)
        compare(window, count);
      gate.Release();
      testing::PressEscape(window);
    });
  };
  dialog.DoModal();
  if (watcher.joinable())
    watcher.join();
}

}  // namespace
}  // namespace torvek::viewertest

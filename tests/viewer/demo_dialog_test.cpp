// The demonstration dialog, headless, on small hand-made animations in place of the eleven
// demonstrations: how it starts, what a selection does while a demonstration plays, a
// demonstration that does not decode, and the three ways to end it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/portable/headless_dialog_host.h"
#include "common/portable/memory_display.h"
#include "common/portable/portable_picture_loader.h"
#include "common/portable/text_recorder.h"
#include "common/testing/headless_user.h"
#include "resources/demonstration/demonstration_ids.h"
#include "tests/support/picture_bytes.h"
#include "tests/viewer/player_doubles.h"
#include "viewer/demo_dialog.h"
#include "viewer/feature_catalogue.h"

namespace torvek::viewertest {
namespace {

using namespace demonstration;
using dialog::DialogView;
using platform::Rgb;
using testing::Bytes;
using ::testing::ElementsAre;
using testing::GifBuilder;
using ::testing::IsEmpty;
using torvek::testing::UserScript;

constexpr int kRowFirst = 0;
constexpr int kRowUndecodable = 3;  // 梁平法移位
constexpr int kRowColumns = 5;      // 柱定位标注等

// Frames that fill a 6 x 4 screen with one colour each, ten seconds apart, so that nothing
// but a stop ends a frame's wait.
Bytes Animation(std::initializer_list<std::uint8_t> colours) {
  GifBuilder gif(6, 4, 4);
  gif.Table({Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255)});
  for (const std::uint8_t colour : colours)
    gif.Control(1000, 1, 3).ImagePixels(0, 0, 6, 4, Bytes(24, colour));
  return gif.Trailer().bytes();
}

// The catalogue's animations: three frames for the first row, four for the column row, and
// frames without pixel data, which do not decode, for row 3.
class Demonstrations : public platform::Resources {
 public:
  Demonstrations() {
    for (const viewer::FeatureRow& row : viewer::kFeatureCatalogue)
      gifs_[row.gifId] = Animation({1, 2});
    gifs_[viewer::kFeatureCatalogue[kRowFirst].gifId] = Animation({0, 1, 2});
    gifs_[viewer::kFeatureCatalogue[kRowColumns].gifId] = Animation({2, 1, 0, 1});
    GifBuilder broken(6, 4, 4);
    broken.Control(0, 1).Image(0, 0, 6, 4, 0).Control(0, 1).Image(0, 0, 6, 4, 0);
    gifs_[viewer::kFeatureCatalogue[kRowUndecodable].gifId] = broken.Trailer().bytes();
  }
  std::span<const std::uint8_t> Find(platform::ResourceType type, std::uint16_t id) override {
    const auto found = gifs_.find(id);
    if (type.name == nullptr || std::string(type.name) != "GIF" || found == gifs_.end())
      return {};
    return found->second;
  }

 private:
  std::map<std::uint16_t, Bytes> gifs_;
};

// Says when its start has returned, in the same list as the decoding.
class WatchedDemoDialog : public viewer::DemoDialog {
 public:
  using DemoDialog::DemoDialog;
  std::vector<std::string> events;

 protected:
  bool OnInitDialog() override {
    const bool focus = DemoDialog::OnInitDialog();
    events.push_back("start returned");
    return focus;
  }
};

class DemoDialogTest : public ::testing::Test {
 protected:
  DemoDialogTest() {
    pictures.beforeLoad = [this] { dialog.events.push_back("decode"); };
  }

  // What the dialog's paint leaves at (x, y) of its client area.
  platform::Colour DialogPixel(DialogView& view, int x, int y) {
    platform::Colour colour = 0xFFFFFFFFu;
    EXPECT_TRUE(view.PixelAt(0, x, y, colour));
    return colour;
  }
  // The animation control's paint at (x, y).
  platform::Colour PlayerPixel(int x, int y) {
    platform::MemorySurface surface(6, 4);
    dialog::ControlDispatch::Paint(dialog.Animation(), surface);
    return surface.ColourAt(x, y);
  }
  int Run(const UserScript& script) {
    user.Attach(script);
    const int result = dialog.DoModal();
    EXPECT_THAT(user.Faults(), IsEmpty());
    EXPECT_EQ(user.StepsLeft(), 0u);
    return result;
  }

  portable::HeadlessDialogHost host;
  torvek::testing::HeadlessScriptedUser user{host};
  Demonstrations resources;
  portable::MemoryDisplay display;
  portable::PortablePictureLoader loader;
  GatedPictures pictures{loader};
  portable::TextRecorder text;
  viewer::ViewerPlatform platform{resources, pictures, display};
  WatchedDemoDialog dialog{host, platform, text};
  FrameGate gate;
};

TEST_F(DemoDialogTest, StartsWithTheCatalogueAndPlaysTheFirstRowOnceItIsShown) {
  dialog.Animation().SetFrameHook(gate.Hook({1}, false));
  Run(UserScript()
          .Inspect([&](DialogView& view) {
            EXPECT_EQ(view.ListItems(kIdListFeatures), dialog.featureNames);
            EXPECT_EQ(view.ListItems(kIdListFeatures).front(), "距离标注");
            EXPECT_THAT(dialog.featureGifIds,
                        ElementsAre(140, 134, 135, 133, 136, 143, 141, 139, 138, 144, 137));
            EXPECT_EQ(view.ListSelection(kIdListFeatures), 0);

            // The first row's demonstration has loaded, and plays without a click.
            EXPECT_EQ(view.Progress(kIdProgressLoading).high, 250);
            EXPECT_FALSE(view.IsVisible(kIdProgressLoading));
            EXPECT_TRUE(view.IsVisible(kIdStaticDescription));
            EXPECT_EQ(view.Text(kIdStaticDescription),
                      "按设置标注两点之间的距离，一般用于分离式板配筋图中标注板钢筋伸出长度");
            ASSERT_TRUE(gate.Reached(1));
            EXPECT_EQ(PlayerPixel(5, 3), Rgb(255, 0, 0));
            gate.Release();
            // The area the small animation leaves is black.
            const platform::Rect& area = dialog.pictureRect;
            EXPECT_GT(area.Width(), 6);
            EXPECT_EQ(DialogPixel(view, area.right - 1, area.bottom - 1), Rgb(0, 0, 0));
            EXPECT_EQ(DialogPixel(view, area.left - 1, area.top), Rgb(130, 150, 190));
          })
          .PressEscape());
  // The dialog was on the screen before the first demonstration was decoded.
  EXPECT_THAT(dialog.events, ElementsAre("start returned", "decode", "decode", "decode"));
}

TEST_F(DemoDialogTest, ASelectionStopsTheDemonstrationAndShowsTheBarUntilTheNextIsDecoded) {
  struct Seen {
    bool barShown, descriptionShown, waitCursor, oldWorkerLeft;
    int picturesLive;
    std::string caption;
  };
  std::vector<Seen> seen;
  portable::HeadlessWindow* window = nullptr;
  Run(UserScript()
          .Inspect([&](DialogView& view) {
            window = &dynamic_cast<portable::HeadlessWindow&>(view);
            pictures.beforeLoad = [&] {
              seen.push_back({view.IsVisible(kIdProgressLoading),
                              view.IsVisible(kIdStaticDescription), window->ShowsWaitCursor(),
                              dialog.Animation().IsAbandonedWorkerRunning(), pictures.Live(),
                              text.Drawn().empty() ? "" : text.Drawn().back().text});
            };
          })
          .Select(kIdListFeatures, kRowColumns)
          .Inspect([&](DialogView& view) {
            EXPECT_FALSE(view.IsVisible(kIdProgressLoading));
            EXPECT_TRUE(view.IsVisible(kIdStaticDescription));
            EXPECT_EQ(view.Text(kIdStaticDescription), viewer::kFeatureCatalogue[5].description);
            EXPECT_FALSE(window->ShowsWaitCursor());
          })
          .PressEscape());
  ASSERT_EQ(seen.size(), 4u);
  // The old demonstration was stopped and let go of before the new one was decoded; its frame
  // waits ten seconds, which only the stop's signal cuts short.
  EXPECT_FALSE(seen[0].oldWorkerLeft) << "the stop waited out the frame";
  EXPECT_EQ(seen[0].picturesLive, 0);
  for (const Seen& step : seen) {
    EXPECT_TRUE(step.barShown);
    EXPECT_FALSE(step.descriptionShown);
    EXPECT_TRUE(step.waitCursor);
    EXPECT_EQ(step.caption, viewer::kLoadingCaption);
  }
}

TEST_F(DemoDialogTest, ADemonstrationThatDoesNotDecodeLeavesTheAreaBlackUnderItsDescription) {
  Run(UserScript()
          .Select(kIdListFeatures, kRowUndecodable)
          .Idle(50)
          .Inspect([&](DialogView& view) {
            EXPECT_EQ(view.Text(kIdStaticDescription),
                      viewer::kFeatureCatalogue[kRowUndecodable].description);
            EXPECT_TRUE(view.IsVisible(kIdStaticDescription));
            EXPECT_FALSE(view.IsVisible(kIdProgressLoading));
            platform::Colour shown = 0;
            EXPECT_TRUE(view.PixelAt(kIdPictureAnimation, 0, 0, shown));
            EXPECT_EQ(shown, Rgb(0, 0, 0));
            const platform::Rect& area = dialog.pictureRect;
            EXPECT_EQ(DialogPixel(view, area.left + 10, area.top + 10), Rgb(0, 0, 0));
          })
          .PressEscape());
  EXPECT_THAT(user.MessageBoxesShown(), IsEmpty());
}

TEST_F(DemoDialogTest, EnterEscAndTheCloseBoxEachEndItAndEmptyTheCatalogue) {
  const std::pair<UserScript, int> endings[] = {{UserScript().PressEnter(), dialog::kIdOk},
                                                {UserScript().PressEscape(), dialog::kIdCancel},
                                                {UserScript().CloseBox(), dialog::kIdCancel}};
  for (const auto& [script, result] : endings) {
    EXPECT_EQ(Run(script), result);
    EXPECT_TRUE(dialog.featureNames.empty() && dialog.featureGifIds.empty() &&
                dialog.featureDescriptions.empty());
  }
}

}  // namespace
}  // namespace torvek::viewertest

// The animation control, headless, on hand-made files decoded by the portable loader: what the
// canvas holds after a number of frames, how loads of every kind end, and how the worker is
// stopped, also when it will not stop.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "common/portable/embedded_resources.h"
#include "common/portable/memory_display.h"
#include "common/portable/portable_picture_loader.h"
#include "tests/support/picture_bytes.h"
#include "tests/viewer/player_doubles.h"
#include "viewer/gif_animation.h"

namespace torvek::viewertest {
namespace {

using dialog::ControlDispatch;
using platform::MemoryBlock;
using platform::Rgb;
using testing::Bytes;
using ::testing::ElementsAre;
using testing::GifBuilder;
using ::testing::IsEmpty;
using viewer::GifAnimation;
using Clock = std::chrono::steady_clock;

// Colour indices of the test files' table, by the letters the canvas is read back in.
enum : std::uint8_t { K = 0, R = 1, G = 2, B = 3, T = 15 };

GifBuilder Screen(int width, int height) {
  GifBuilder gif(width, height, 16);
  return gif.Table({Rgb(0, 0, 0), Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255)});
}

// Frame 0 fills the top row red; frame 1 puts green, green and a transparent pixel at (1, 0),
// with the disposal under test; frame 2 puts a blue pixel at (2, 1).
Bytes ThreeFrames(int disposal) {
  GifBuilder gif = Screen(4, 2);
  gif.Looping()
      .Control(0, 1, T)
      .ImagePixels(0, 0, 4, 1, {R, R, R, R})
      .Control(0, disposal, T)
      .ImagePixels(1, 0, 3, 1, {G, G, T})
      .Control(0, 1, T)
      .ImagePixels(2, 1, 1, 1, {B});
  return gif.Trailer().bytes();
}

// Two frames that fill the screen, red then green, with the delay given.
Bytes RedThenGreen(int width, int height, int delay = 0) {
  GifBuilder gif = Screen(width, height);
  const auto area = static_cast<std::size_t>(width * height);
  gif.Control(delay, 1, T).ImagePixels(0, 0, width, height, Bytes(area, R));
  gif.Control(delay, 1, T).ImagePixels(0, 0, width, height, Bytes(area, G));
  return gif.Trailer().bytes();
}

class Player : public ::testing::Test {
 protected:
  Player() {
    ControlDispatch::Attach(animation, site, 1003);
    animation.progressCompanion = &companions.progress;
    animation.captionCompanion = &companions.caption;
  }
  ~Player() override { ControlDispatch::Detach(animation); }

  bool Load(const Bytes& file) {
    MemoryBlock block = MemoryBlock::Allocate(file.size(), MemoryBlock::Kind::kMoveable);
    std::memcpy(block.Lock(), file.data(), file.size());
    block.Unlock();
    return animation.LoadFromMemory(block, static_cast<std::uint32_t>(file.size()));
  }

  // The control's paint, one letter a pixel: the test table's colours, M for the menu colour.
  std::vector<std::string> Painted(int width, int height) {
    platform::MemorySurface surface(width, height);
    ControlDispatch::Paint(animation, surface);
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
      std::string row;
      for (int x = 0; x < width; ++x) {
        const platform::Colour colour = surface.ColourAt(x, y);
        row += colour == display.MenuColour() ? 'M'
               : colour == Rgb(0, 0, 0)       ? 'K'
               : colour == Rgb(255, 0, 0)     ? 'R'
               : colour == Rgb(0, 255, 0)     ? 'G'
               : colour == Rgb(0, 0, 255)     ? 'B'
                                              : '?';
      }
      rows.push_back(row);
    }
    return rows;
  }
  std::vector<std::string> Canvas() {
    return Painted(animation.CanvasWidth(), animation.CanvasHeight());
  }

  // Plays, holds the worker after each of `counts` frames to read the canvas, then stops.
  std::vector<std::vector<std::string>> CanvasesAfter(const std::vector<int>& counts) {
    animation.SetFrameHook(gate.Hook(counts));
    animation.Play();
    std::vector<std::vector<std::string>> canvases;
    for (const int count : counts) {
      EXPECT_TRUE(gate.Reached(count)) << count;
      canvases.push_back(Canvas());
      gate.Release();
    }
    animation.Stop();
    return canvases;
  }

  portable::MemoryDisplay memoryDisplay;
  FaultyDisplay display{memoryDisplay};
  portable::PortablePictureLoader loader;
  GatedPictures pictures{loader};
  portable::EmbeddedResource resourceTable[1] = {};
  portable::EmbeddedResources resources{resourceTable};
  RecordingSite site;
  RecordingCompanions companions;
  FrameGate gate;
  GifAnimation animation{{resources, pictures, display}};
};

TEST_F(Player, EachDisposalLeavesTheCanvasAsTheNextFrameFindsIt) {
  // Frame 1's whole rectangle is disposed of, its transparent pixel included.
  const struct {
    int disposal;
    const char* topRow;
  } cases[] = {{0, "RGGR"}, {1, "RGGR"}, {2, "RKKK"}, {3, "RRRR"}, {4, "RGGR"}};
  for (const auto& c : cases) {
    ASSERT_TRUE(Load(ThreeFrames(c.disposal)));
    EXPECT_THAT(CanvasesAfter({3}), ElementsAre(ElementsAre(c.topRow, "MMBM")))
        << "disposal " << c.disposal;
  }
}

TEST_F(Player, TransparentPixelsKeepTheCanvasAndEachPassStartsFromBlack) {
  ASSERT_TRUE(Load(ThreeFrames(1)));
  EXPECT_THAT(Canvas(), ElementsAre("MMMM", "MMMM"));
  EXPECT_THAT(CanvasesAfter({1, 2, 4}),
              ElementsAre(ElementsAre("RRRR", "MMMM"), ElementsAre("RGGR", "MMMM"),
                          ElementsAre("RRRR", "KKKK")));
  // Stopped after its disposal and the clear, the worker starts again from frame 0.
  EXPECT_EQ(animation.CurrentFrame(), 0);
}

TEST_F(Player, AnAreaWhoseSaveSurfaceCannotBeMadeIsNotRestored) {
  for (const auto failure :
       {FaultyDisplay::SaveSurface::kNone, FaultyDisplay::SaveSurface::kOneByOne}) {
    display.saveSurface = failure;
    ASSERT_TRUE(Load(ThreeFrames(3)));
    EXPECT_THAT(CanvasesAfter({3}), ElementsAre(ElementsAre("RGGR", "MMBM")));
  }
}

TEST_F(Player, AGifWiderThanTheControlIsCutToIt) {
  animation.maxWidth = 4;
  GifBuilder gif = Screen(6, 2);
  gif.Control(0, 1, T).ImagePixels(0, 0, 6, 1, Bytes(6, R));
  gif.Control(0, 1, T).ImagePixels(3, 1, 3, 1, {B, G, G});
  ASSERT_TRUE(Load(gif.Trailer().bytes()));
  EXPECT_EQ(site.Width(), 4);
  EXPECT_EQ(site.Height(), 2);
  EXPECT_THAT(CanvasesAfter({2}), ElementsAre(ElementsAre("RRRR", "MMMB")));
}

TEST_F(Player, StillPicturesAreDrawnOnceWithoutAWorker) {
  // A GIF of one image, at its screen size clamped to the control.
  animation.maxHeight = 1;
  GifBuilder one = Screen(3, 2);
  one.Looping().Control(0, 1, T).ImagePixels(0, 0, 3, 2, {R, G, B, K, K, K});
  ASSERT_TRUE(Load(one.Trailer().bytes()));
  EXPECT_FALSE(animation.IsAnimated());
  EXPECT_THAT(Canvas(), ElementsAre("MMM"));
  EXPECT_TRUE(animation.Play());
  EXPECT_THAT(Canvas(), ElementsAre("RGB"));

  // A bitmap at its own size, HIMETRIC at the screen's resolution, not clamped: at 192 dots
  // per inch its 3 x 2 pixels come out 6 x 4.
  memoryDisplay.SetLogPixels(192, 192);
  const platform::Colour red = Rgb(255, 0, 0), blue = Rgb(0, 0, 255);
  ASSERT_TRUE(Load(testing::BuildBmp(3, 2, {red, red, blue, blue, blue, red})));
  EXPECT_TRUE(animation.Play());
  EXPECT_THAT(Canvas(), ElementsAre("RRRRBB", "RRRRBB", "BBBBRR", "BBBBRR"));
  EXPECT_EQ(site.Width(), 6);
  EXPECT_THAT(companions.calls, IsEmpty()) << "the bar is for a GIF of many frames only";
}

// Every frame cut from the file steps the bar, a frame that does not decode and a plain-text
// frame included; the bar is hidden and the caption shown again however the load ends.
TEST_F(Player, LoadsOfManyFramesShowTheBarAndStepItOncePerFrame) {
  const std::vector<std::string> calls = {"bar shown", "caption hidden", "step",         "step",
                                          "step",      "bar hidden",     "caption shown"};
  // An image with no pixel data at all does not decode.
  GifBuilder one = Screen(2, 1);
  one.Control(0, 1, T).ImagePixels(0, 0, 2, 1, {R, G});
  one.Control(0, 1, T).Image(0, 0, 2, 1, 0).PlainText("text");
  ASSERT_TRUE(Load(one.Trailer().bytes()));
  EXPECT_EQ(companions.calls, calls);
  // One frame decoded: the canvas is made but nothing is shown, now or at Play.
  EXPECT_FALSE(animation.IsAnimated());
  EXPECT_FALSE(animation.HasSinglePicture());
  EXPECT_FALSE(animation.Play());
  EXPECT_THAT(Canvas(), ElementsAre("MM"));

  companions.calls.clear();
  GifBuilder none = Screen(2, 1);
  none.Control(0, 1, T)
      .Image(0, 0, 2, 1, 0)
      .PlainText("text")
      .Control(0, 1, T)
      .Image(0, 0, 2, 1, 0);
  EXPECT_FALSE(Load(none.Trailer().bytes()));
  EXPECT_EQ(companions.calls, calls);
  EXPECT_FALSE(animation.IsReady());
  EXPECT_FALSE(animation.Play());
  EXPECT_THAT(Painted(3, 1), ElementsAre("KKK")) << "black, as the black-rectangle static is";
}

TEST_F(Player, ALoadFailsWhenNoCanvasCanBeMade) {
  display.canvasFails = true;
  EXPECT_FALSE(Load(ThreeFrames(1)));
  EXPECT_FALSE(animation.IsReady());
  EXPECT_FALSE(animation.Play());
}

TEST_F(Player, LoadsFromTheProgramsResources) {
  const Bytes file = ThreeFrames(1);
  resourceTable[0] = {0, "GIF", 140, file.data(), file.size()};
  EXPECT_TRUE(animation.LoadFromResource(140, platform::NamedResourceType("GIF")));
  EXPECT_EQ(animation.FrameCount(), 3);
  EXPECT_FALSE(animation.LoadFromResource(141, platform::NamedResourceType("GIF")));
  EXPECT_EQ(animation.FrameCount(), 3) << "a missing resource fails before any load begins";
}

TEST(FrameWait, DelaysUnderFiveHundredthsAndNoneAtAllShowForATenthOfASecond) {
  using viewer::FrameWaitMilliseconds;
  EXPECT_EQ(FrameWaitMilliseconds(0), 100u);
  EXPECT_EQ(FrameWaitMilliseconds(4), 100u);
  EXPECT_EQ(FrameWaitMilliseconds(5), 50u);
  EXPECT_EQ(FrameWaitMilliseconds(65535), 655350u);
  EXPECT_EQ(FrameWaitMilliseconds(viewer::kNoDelay), 100u);
}

TEST_F(Player, FramesWithoutAControlBlockFollowEachOther) {
  GifBuilder gif = Screen(1, 1);
  gif.ImagePixels(0, 0, 1, 1, {R}).ImagePixels(0, 0, 1, 1, {G});
  ASSERT_TRUE(Load(gif.Trailer().bytes()));
  animation.SetFrameHook(gate.Hook({3}, /*skipWaits=*/false));
  animation.Play();
  EXPECT_TRUE(gate.Reached(3));
  gate.Release();
  animation.Stop();
}

TEST_F(Player, StopCutsATenSecondWaitShort) {
  ASSERT_TRUE(Load(RedThenGreen(1, 1, 1000)));
  animation.SetFrameHook(gate.Hook({1}, /*skipWaits=*/false));
  animation.Play();
  ASSERT_TRUE(gate.Reached(1));
  gate.Release();
  const Clock::time_point start = Clock::now();
  animation.Stop();
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(gate.Rendered(), 1);
  EXPECT_THAT(Canvas(), ElementsAre("R"));
}

TEST_F(Player, PlayWhileAWorkerRunsStartsNoOther) {
  ASSERT_TRUE(Load(RedThenGreen(1, 1)));
  animation.SetFrameHook(gate.Hook({1, 4}));
  animation.Play();
  ASSERT_TRUE(gate.Reached(1));
  EXPECT_FALSE(animation.Play());
  gate.Release();
  ASSERT_TRUE(gate.Reached(4));
  gate.Release();
  animation.Stop();
  EXPECT_EQ(gate.Starts(), 1);
}

// The paint copies under the lock the worker draws under: a copy never holds part of one
// frame and part of the next.
TEST_F(Player, APaintNeverCatchesAFrameHalfDrawn) {
  ASSERT_TRUE(Load(RedThenGreen(64, 64)));
  animation.SetFrameHook(gate.Hook({}));
  animation.Play();
  int torn = 0;
  for (int paint = 0; paint < 300; ++paint) {
    const std::vector<std::string> rows = Canvas();
    const char first = rows.front().front();
    for (const std::string& row : rows)
      torn += row != std::string(row.size(), first) ? 1 : 0;
  }
  animation.Stop();
  EXPECT_EQ(torn, 0);
  EXPECT_GT(gate.Rendered(), 1);
}

// The one slow case: Stop waits its whole 5 s for a worker held inside Render.
TEST_F(Player, AWorkerThatOutlivesStopKeepsWhatItUsesAndNeverTouchesTheControlAgain) {
  ASSERT_TRUE(Load(RedThenGreen(2, 2)));
  pictures.Close();
  animation.Play();
  ASSERT_TRUE(pictures.HasHeldARender());
  const int invalidations = site.invalidations.load();

  const Clock::time_point start = Clock::now();
  animation.Stop();
  EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(viewer::kStopWaitMilliseconds - 100));
  EXPECT_TRUE(animation.IsAbandonedWorkerRunning());
  // The control starts afresh: empty, black, and a new load plays only once the old worker has
  // ended.
  EXPECT_FALSE(animation.IsReady());
  EXPECT_THAT(Painted(2, 2), ElementsAre("KK", "KK"));
  ASSERT_TRUE(Load(RedThenGreen(2, 2)));
  EXPECT_FALSE(animation.Play());
  EXPECT_EQ(pictures.Renders(), 1);

  // Let go, the old worker finds its stop flag still set, ends, and frees its frames alone.
  pictures.Open();
  for (int wait = 0; wait < 200 && animation.IsAbandonedWorkerRunning(); ++wait)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(animation.IsAbandonedWorkerRunning());
  EXPECT_EQ(pictures.Renders(), 1);
  EXPECT_EQ(pictures.Live(), 2) << "the new load's two frames";
  EXPECT_EQ(site.invalidations.load(), invalidations);

  animation.SetFrameHook(gate.Hook({1}));
  animation.Play();
  EXPECT_TRUE(gate.Reached(1));
  gate.Release();
  animation.Stop();
}

}  // namespace
}  // namespace torvek::viewertest

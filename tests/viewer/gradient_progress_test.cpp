// The loading bar taken over in a dialog of the headless host and driven as the viewer drives
// it: range, position and steps go to the headless progress control, each step paints at once,
// and the paint is read back pixel by pixel. The caption is read from the portable text
// service, which keeps what it was asked to draw.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <vector>

#include "common/portable/headless_dialog_host.h"
#include "common/portable/memory_display.h"
#include "common/portable/text_recorder.h"
#include "common/testing/headless_user.h"
#include "tests/viewer/bar_dialog.h"

namespace torvek::viewertest {
namespace {

using dialog::DialogView;
using platform::Colour;
using platform::Rgb;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const Colour kYellow = Rgb(255, 255, 0);

// Pixels x = left .. right - 1 of every row, all of one colour.
struct Stretch {
  int left = 0;
  int right = 0;
  Colour colour = 0;
  bool operator==(const Stretch&) const = default;
};

void PrintTo(const Stretch& stretch, std::ostream* out) {
  *out << stretch.left << ".." << stretch.right << " " << std::hex << stretch.colour << std::dec;
}

class GradientProgressTest : public ::testing::Test {
 protected:
  // Runs the dialog with `look` acting inside it, once, the bar taken over and 400 x 18.
  void Run(std::function<void(DialogView&)> look) {
    user_.Attach(torvek::testing::UserScript().Inspect(std::move(look)).PressEscape());
    EXPECT_EQ(dialog_.DoModal(), dialog::kIdCancel);
    EXPECT_THAT(user_.Faults(), IsEmpty());
  }

  // Paints the bar at `position` of its range and reads it back as stretches of row 0, after
  // checking that every row is alike.
  std::vector<Stretch> PaintAt(DialogView& view, int position) {
    bar_.SetPosition(position);
    bar_.UpdateNow();
    std::vector<Colour> rows[kBarHeight];
    for (int y = 0; y < kBarHeight; ++y) {
      rows[y].resize(kBarWidth);
      for (int x = 0; x < kBarWidth; ++x)
        view.PixelAt(kIdBar, x, y, rows[y][x]);
      EXPECT_EQ(rows[y], rows[0]) << "row " << y;
    }
    std::vector<Stretch> stretches;
    for (int x = 0; x < kBarWidth; ++x) {
      if (stretches.empty() || stretches.back().colour != rows[0][x])
        stretches.push_back({x, x, rows[0][x]});
      stretches.back().right = x + 1;
    }
    return stretches;
  }

  std::string Caption() { return text_.Drawn().empty() ? "none" : text_.Drawn().back().text; }

  portable::HeadlessDialogHost host_;
  torvek::testing::HeadlessScriptedUser user_{host_};
  portable::MemoryDisplay display_;
  portable::TextRecorder text_;
  BarDialog dialog_{host_, display_, text_};
  viewer::GradientProgress& bar_ = dialog_.bar;
};

// The system's button face changes after the bar is made: the plain bar shows it as it is
// now, while `backColour` keeps what it was.
TEST_F(GradientProgressTest, StepsByTenToTheTopThenBackToZeroEachPaintedAtOnce) {
  const Colour face = Rgb(212, 208, 200);
  host_.Palette().buttonFace = face;
  Run([&](DialogView& view) {
    bar_.SetRange(0, 250);
    viewer::ProgressCompanion& companion = bar_;
    companion.Show(true);
    std::vector<int> positions;
    for (int i = 0; i < 26; ++i) {
      text_.Clear();
      companion.Step();
      positions.push_back(bar_.position);
      SCOPED_TRACE(bar_.position);
      EXPECT_EQ(view.Progress(kIdBar).position, bar_.position);
      const bool inside = bar_.position != 0 && bar_.position != 250;
      Colour left = 0;
      view.PixelAt(kIdBar, 0, 0, left);
      EXPECT_EQ(left, inside ? kYellow : face);
      EXPECT_EQ(text_.Drawn().size(), inside ? 1u : 0u);
    }
    std::vector<int> expected;
    for (int p = 10; p <= 250; p += 10)
      expected.push_back(p);
    expected.push_back(0);
    EXPECT_EQ(positions, expected);
    EXPECT_EQ(PaintAt(view, 125).back().colour, Rgb(245, 245, 245));
    companion.Show(false);
    EXPECT_FALSE(view.IsVisible(kIdBar));
  });
}

TEST_F(GradientProgressTest, BandsRunToTheFirstEdgePastThePositionUnderACentredCaption) {
  Run([&](DialogView& view) {
    bar_.SetRange(0, 250);
    const std::vector<Stretch> painted = PaintAt(view, 125);
    ASSERT_EQ(painted.size(), 130u) << "bands 0 to 128, then the rest";
    EXPECT_EQ(painted.front(), (Stretch{0, 1, kYellow}));
    EXPECT_EQ(painted[128], (Stretch{200, 202, Rgb(127, 200, 0)}));
    EXPECT_EQ(painted[129], (Stretch{202, 400, bar_.backColour}));
    ASSERT_EQ(text_.Drawn().size(), 1u);
    EXPECT_EQ(text_.Drawn().back(),
              (portable::DrawnText{
                  text_.Drawn().back().surface, bar_.Ref(), "50%",
                  platform::Rect{0, 0, kBarWidth, kBarHeight}, Rgb(0, 0, 0),
                  platform::kDtCenter | platform::kDtVCenter | platform::kDtSingleLine}));
    bar_.showPercent = false;
    PaintAt(view, 125);
    EXPECT_EQ(Caption(), viewer::kLoadingCaption);
  });
}

TEST_F(GradientProgressTest, SetRangeResetsThePositionAndStepsGoBackToTheBottomPastTheTop) {
  Run([&](DialogView& view) {
    bar_.SetRange(0, 250);
    for (int i = 0; i < 12; ++i)
      bar_.Step();
    bar_.SetRange(0, 250);
    EXPECT_EQ(bar_.position, 0);
    EXPECT_EQ(view.Progress(kIdBar), (dialog::ProgressState{0, 250, 120}));
    bar_.Step();
    EXPECT_EQ(bar_.position, 130) << "on from the platform control's position";

    bar_.SetRange(20, 100);
    bar_.step = 30;
    bar_.SetPosition(70);
    bar_.Step();
    EXPECT_EQ(bar_.position, 100) << "the top itself is reached";
    bar_.Step();
    EXPECT_EQ(bar_.position, 20) << "not the top, nor where the platform's own step wraps to";
  });
}

// A range whose top is at or below zero: position ÷ top would divide by zero, or give a
// negative share or one past the whole bar.
TEST_F(GradientProgressTest, RangeTopAtOrBelowZeroKeepsFillAndPercentageWithinTheBar) {
  Run([&](DialogView& view) {
    bar_.SetRange(-100, 0);
    EXPECT_THAT(PaintAt(view, -50),
                ElementsAre(Stretch{0, 1, kYellow}, Stretch{1, kBarWidth, bar_.backColour}));
    EXPECT_EQ(Caption(), "0%");
    bar_.SetRange(-100, -10);
    const std::vector<Stretch> painted = PaintAt(view, -50);
    EXPECT_EQ(painted.size(), 255u) << "every band";
    EXPECT_EQ(painted.back(), (Stretch{398, kBarWidth, Rgb(1, 147, 0)}));
    EXPECT_EQ(Caption(), "100%");
  });
}

// The off-screen buffer starts with whatever its memory held: one colour has to cover it.
TEST_F(GradientProgressTest, EqualColoursFillTheBarWithBackColour) {
  Run([&](DialogView& view) {
    bar_.startColour = bar_.endColour = Rgb(0, 147, 0);
    bar_.SetRange(0, 250);
    EXPECT_THAT(PaintAt(view, 125), ElementsAre(Stretch{0, kBarWidth, bar_.backColour}));
  });
}

class NoBufferDisplay : public portable::MemoryDisplay {
 public:
  std::unique_ptr<platform::Surface> CreateSurface(int, int) override { return nullptr; }
};

// The first rows of a buffer whose last two rows are guards that nothing may touch.
class GuardedSurface : public platform::Surface {
 public:
  GuardedSurface() : storage_(kBarWidth * (kBarHeight + 2), kGuard) {
    Attach(storage_.data(), kBarWidth, kBarHeight);
  }
  bool GuardsIntact() const {
    return std::all_of(storage_.begin() + kBarWidth * kBarHeight, storage_.end(),
                       [](std::uint32_t pixel) { return pixel == kGuard; });
  }

 private:
  static constexpr std::uint32_t kGuard = 0x00C0FFEEu;
  std::vector<std::uint32_t> storage_;
};

// The bands reach a row below the bar, which the surface clips.
TEST(GradientProgressPaint, WithoutABufferDrawsTheSameStraightOntoTheSurfaceAndKeepsToIt) {
  portable::HeadlessDialogHost host;
  portable::TextRecorder text;
  portable::MemoryDisplay display;
  NoBufferDisplay noBuffer;
  viewer::GradientProgress buffered(host, display, text);
  viewer::GradientProgress direct(host, noBuffer, text);
  buffered.upper = direct.upper = 250;
  buffered.position = direct.position = 125;
  GuardedSurface surface;
  dialog::ControlDispatch::Paint(direct, surface);
  ASSERT_TRUE(surface.GuardsIntact());
  platform::MemorySurface expected(kBarWidth, kBarHeight);
  dialog::ControlDispatch::Paint(buffered, expected);
  for (int y = 0; y < kBarHeight; ++y) {
    for (int x = 0; x < kBarWidth; ++x)
      ASSERT_EQ(surface.ColourAt(x, y), expected.ColourAt(x, y)) << x << ", " << y;
  }
}

}  // namespace
}  // namespace torvek::viewertest

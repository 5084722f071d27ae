// Distance dimensioning on a slab reinforcement plan: the user picks the end of a top bar and
// the axis of the beam it crosses, and the length the bar reaches out is dimensioned beside
// it. Halfway through the drawing is panned to the next bays.
#include <string>
#include <vector>

#include "tools/gifgen/demonstrations.h"
#include "tools/gifgen/scenes/scenes.h"
#include "tools/gifgen/structural_kit.h"

namespace torvek::gifgen {

namespace {

const std::vector<int> kXs{0, 6000, 12600, 18600};
const std::vector<int> kYs{0, 6600, 12000};

struct TopBar {
  Point from;
  Point to;
  int axis;  // the support the bar crosses (x for a horizontal bar, y for a vertical one)
  const char* label;
};

// Horizontal bars cross the beams on the x axes, vertical ones those on the y axes.
const TopBar kBars[] = {
    {{-250, 3300}, {1500, 3300}, 0, "}10@180"},
    {{4500, 3000}, {7650, 3000}, 6000, "}10@150"},
    {{3000, 5100}, {3000, 8400}, 6600, "}12@150"},
    {{-250, 9300}, {1350, 9300}, 0, "}8@200"},
    {{4350, 9000}, {7800, 9000}, 6000, "}10@150"},
    {{9300, -250}, {9300, 1800}, 0, "}10@200"},
    {{11100, 3300}, {14400, 3300}, 12600, "}12@120"},
    {{9600, 4800}, {9600, 8700}, 6600, "}12@150"},
    {{15600, 5100}, {15600, 8250}, 6600, "}10@150"},
    {{11250, 9300}, {14250, 9300}, 12600, "}10@150"},
    {{17100, 3300}, {18850, 3300}, 18600, "}10@180"},
};

void DrawPlan(Kit& kit) {
  kit.AxisGrid(kXs, kYs, {"1", "2", "3", "4"}, {"A", "B", "C"}, 1500);
  kit.DimensionChain({{kXs[0], 14400}, {kXs[1], 14400}, {kXs[2], 14400}, {kXs[3], 14400}}, 0);
  kit.DimensionChain({{-3300, kYs[0]}, {-3300, kYs[1]}, {-3300, kYs[2]}}, 0);
  for (int x : kXs)
    for (std::size_t j = 0; j + 1 < kYs.size(); ++j)
      kit.Beam({x, kYs[j] + 250}, {x, kYs[j + 1] - 250}, 250);
  for (int y : kYs)
    for (std::size_t i = 0; i + 1 < kXs.size(); ++i)
      kit.Beam({kXs[i] + 250, y}, {kXs[i + 1] - 250, y}, 250);
  for (int x : kXs)
    for (int y : kYs)
      kit.Column({x, y}, 500, 500);
  // Bottom bars of each panel, both ways, with their hooks.
  for (std::size_t i = 0; i + 1 < kXs.size(); ++i) {
    for (std::size_t j = 0; j + 1 < kYs.size(); ++j) {
      const int x0 = kXs[i], x1 = kXs[i + 1], y0 = kYs[j], y1 = kYs[j + 1];
      const int my = (y0 + y1) / 2 + 900, mx = (x0 + x1) / 2 + 900;
      kit.Bar({{x0 + 100, my + 150}, {x0 + 100, my}, {x1 - 100, my}, {x1 - 100, my + 150}},
              kMagenta);
      kit.Bar({{mx + 150, y0 + 100}, {mx, y0 + 100}, {mx, y1 - 100}, {mx + 150, y1 - 100}},
              kMagenta);
      kit.Label({(x0 + mx) / 2 - 300, my + 120}, (i + j) % 2 == 0 ? "}8@200" : "}8@180",
                Align::kCentre, 0, kMagenta);
    }
  }
  for (const TopBar& bar : kBars) {
    const bool horizontal = bar.from.y == bar.to.y;
    kit.TopBar(bar.from, bar.to, 200);
    if (horizontal)
      kit.Label({(bar.from.x + bar.to.x) / 2, bar.from.y + 150}, bar.label, Align::kCentre);
    else
      kit.LabelUp({bar.from.x - 150, (bar.from.y + bar.to.y) / 2}, bar.label);
  }
}

// One bar: its two halves, each from its end to the support's axis.
void DimensionBar(Session& s, Kit& kit, const TopBar& bar, bool first) {
  const bool horizontal = bar.from.y == bar.to.y;
  const Point support = horizontal ? Point{bar.axis, bar.from.y} : Point{bar.from.x, bar.axis};
  const Point ends[2] = {bar.from, bar.to};
  for (int half = 0; half < 2; ++half) {
    const Point end = ends[half];
    // Bars that stop in an edge beam have only the inner half.
    if ((horizontal && (end.x == bar.axis - 250 || end.x == bar.axis + 250)) ||
        (!horizontal && (end.y == bar.axis - 250 || end.y == bar.axis + 250)))
      continue;
    if (!(first && half == 0))
      s.Prompt("Specify first point or [Settings]:", 2);
    s.SnapTo(SnapMarker::kEndpoint, end, 16);
    s.Screen().rubberFrom = end;
    s.Prompt("Specify second point:", 1);
    s.SnapTo(SnapMarker::kPerpendicular, support, 12);
    s.Screen().rubberFrom.reset();
    // The dimension stands beside the bar, away from its label.
    kit.Dimension(end, support, horizontal ? -320 : 320);
    s.Wait(3);
  }
}

}  // namespace

void RecordDistanceDimensioning(Session& s) {
  KitStyle style;
  style.textHeight = 180;
  Kit kit(s.Model(), style);
  s.Model().SetView(s.CentredView({6500, 7600}, 28));
  DrawPlan(kit);
  s.Screen().cursor = s.Model().ToScreen({9000, 7000});
  s.Wait(6);

  s.CommandFromToolbar(ToolboxButtonOf(140), "JLBZ", {2000, 5000});
  s.Screen().shape = CursorShape::kCross;
  s.Prompt("Current settings: text height 2.5, offset 3.0, tick marks", 2);
  s.Prompt("Specify first point or [Settings]:", 4);
  bool first = true;
  for (int i : {0, 1, 2, 3}) {
    DimensionBar(s, kit, kBars[i], first);
    first = false;
  }
  // The next bays are off the screen: pan with the wheel held.
  s.Wait(4);
  s.Pan({-140, 0}, 12);
  s.Wait(4);
  for (int i : {6, 7, 8, 10})
    DimensionBar(s, kit, kBars[i], false);
  s.Prompt("Specify first point or [Settings]:", 6);
  s.Type("*Cancel*", 1);
  s.Screen().shape = CursorShape::kCrossBox;
  s.Prompt("Command:", 4);
}

}  // namespace torvek::gifgen

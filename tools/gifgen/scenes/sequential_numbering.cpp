// Sequential numbering on a column plan, in its three ways: new numbers placed by picks,
// existing texts renumbered in the order of the selection, and a text copied with an
// increment at every pick.
#include <string>
#include <vector>

#include "tools/gifgen/scenes/scenes.h"
#include "tools/gifgen/structural_kit.h"

namespace torvek::gifgen {

namespace {

const std::vector<int> kXs{0, 6000, 12000, 18000, 24000};
const std::vector<int> kYs{0, 7000, 14000};

Point LabelAt(int i, int j) {
  return {kXs[static_cast<std::size_t>(i)] + 450, kYs[static_cast<std::size_t>(j)] + 450};
}

// The command again, in another of its ways.
void StartMode(Session& s, const char* mode) {
  s.Screen().shape = CursorShape::kCrossBox;
  s.Command("LXBH");
  s.Answer("Mode [1 New/2 Existing/3 Copy] <1>:", mode);
}

}  // namespace

void RecordSequentialNumbering(Session& s) {
  KitStyle style;
  style.textHeight = 480;
  style.labelColour = kYellow;
  style.columnColour = kLightGrey;
  style.beamColour = kGrey;
  Kit kit(s.Model(), style);
  Drawing& d = s.Model();
  d.SetView(s.CentredView({11400, 7600}, 40));

  kit.AxisGrid(kXs, kYs, {"1", "2", "3", "4", "5"}, {"A", "B", "C"}, 1200);
  for (int y : kYs)
    for (std::size_t i = 0; i + 1 < kXs.size(); ++i)
      kit.Beam({kXs[i] + 300, y}, {kXs[i + 1] - 300, y}, 300);
  for (int x : kXs)
    for (std::size_t j = 0; j + 1 < kYs.size(); ++j)
      kit.Beam({x, kYs[j] + 300}, {x, kYs[j + 1] - 300}, 300);
  for (int x : kXs)
    for (int y : kYs)
      kit.Column({x, y}, 600, 600);
  kit.DimensionChain({{25500, kYs[0]}, {25500, kYs[1]}, {25500, kYs[2]}}, 0);
  // Row B carries old labels out of order; row A one label to copy from.
  const char* old[] = {"KZ7", "KZ3", "KZ12", "KZ5", "KZ9"};
  std::vector<int> rowB;
  for (int i = 0; i < 5; ++i)
    rowB.push_back(kit.Label(LabelAt(i, 1), old[i]));
  kit.Label(LabelAt(0, 0), "KZ11");

  s.Screen().cursor = d.ToScreen({10000, 10000});
  s.Wait(4);

  // 1: new numbers, one a pick.
  s.Command("LXBH");
  s.Prompt("Mode [1 New/2 Existing/3 Copy] <1>:", 6);
  s.Prompt("Prefix <KZ>:", 4);
  s.Prompt("Start number <1>:", 4);
  s.Screen().shape = CursorShape::kCross;
  for (int i = 0; i < 5; ++i) {
    s.Prompt("Pick position of KZ" + std::to_string(i + 1) + ":", 1);
    s.Glide(LabelAt(i, 2), 11);
    s.Wait(2);
    s.Pick();
    kit.Label(LabelAt(i, 2), "KZ" + std::to_string(i + 1));
    s.Wait(2);
  }
  s.Prompt("Pick position of KZ6:", 2);
  s.Prompt("Command:", 3);

  // 2: the labels of row B, renumbered from 6 in the order of the selection.
  StartMode(s, "2");
  s.Prompt("Start number <6>:", 5);
  s.Prompt("Select texts (in order):", 2);
  s.Screen().shape = CursorShape::kBox;
  s.SelectWindow({-900, 6700}, {25800, 8200}, 24);
  for (int id : rowB)
    d.Change(id, [](Entity& e) { e.selected = true; });
  s.Prompt("5 texts found, sorted left to right.", 6);
  for (int i = 0; i < 5; ++i) {
    d.Change(rowB[static_cast<std::size_t>(i)], [&](Entity& e) {
      e.text = "KZ" + std::to_string(6 + i);
      e.selected = false;
      e.colour = kGreen;
    });
    s.Wait(3);
  }
  for (int id : rowB)
    d.Change(id, [](Entity& e) { e.colour = kYellow; });
  s.Prompt("Command:", 3);

  // 3: copies with an increment, each following the cursor until it is placed.
  StartMode(s, "3");
  s.Prompt("Select text to copy:", 2);
  s.Screen().shape = CursorShape::kBox;
  s.Glide({LabelAt(0, 0).x + 400, LabelAt(0, 0).y + 150}, 16);
  s.Pick();
  s.Prompt("Increment <1>:", 5);
  s.Screen().shape = CursorShape::kCross;
  DraftingScreen& screen = s.Screen();
  for (int i = 1; i < 5; ++i) {
    s.Prompt("Position of KZ" + std::to_string(11 + i) + ":", 1);
    Entity ghost = MakeText({0, 0}, "KZ" + std::to_string(11 + i), style.textHeight, kYellow);
    screen.dragged = {ghost};
    screen.dragBase = {0, 0};
    const Point here = d.ToModel(screen.cursor);
    screen.dragged[0] = Moved(ghost, here);
    screen.dragBase = here;
    s.Glide(LabelAt(i, 0), 12);
    s.Wait(1);
    s.Pick();
    screen.dragged.clear();
    kit.Label(LabelAt(i, 0), "KZ" + std::to_string(11 + i));
    s.Wait(2);
  }
  s.Prompt("Position of KZ16:", 4);
  s.Prompt("Command:", 2);
  screen.shape = CursorShape::kCrossBox;
}

}  // namespace torvek::gifgen

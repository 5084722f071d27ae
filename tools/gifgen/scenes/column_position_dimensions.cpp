// Column position dimensions on a column layout plan: the user selects a row of columns with
// their axes by a crossing window and the command dimensions every column's faces from its
// axes, placing the dimensions itself or where the user picks. The view zooms in to work and
// pans to the next row.
#include <string>
#include <vector>

#include "tools/gifgen/scenes/scenes.h"
#include "tools/gifgen/structural_kit.h"

namespace torvek::gifgen {

namespace {

const std::vector<int> kXs{0, 7800, 15600, 23400};
const std::vector<int> kYs{0, 6900, 13800};

struct Column {
  Point axis;
  Point centre;
  int width;
  int depth;
  std::vector<int> ids;
};

// Edge columns stand flush with the building's outer face; inner ones sit on their axes.
Column MakeColumn(int i, int j) {
  const Point axis{kXs[i], kYs[j]};
  const int width = (i == 0 || i == 3) ? 500 : 600;
  const int depth = (j == 0 || j == 2) ? 550 : 600;
  const int ex = i == 0 ? 100 : i == 3 ? -100 : 0;
  const int ey = j == 0 ? 125 : j == 2 ? -125 : 0;
  return {axis, {axis.x + ex, axis.y + ey}, width, depth, {}};
}

// Four dimensions: the faces from the axes, below and to the left of the column (or where
// the user picked, given as offsets).
void DimensionColumn(Session& s, Kit& kit, const Column& c, int below, int left, int pause) {
  const int l = c.centre.x - c.width / 2, r = l + c.width;
  const int b = c.centre.y - c.depth / 2, t = b + c.depth;
  kit.Dimension({c.axis.x, b}, {l, b}, -below);
  s.Wait(pause);
  kit.Dimension({c.axis.x, b}, {r, b}, -below);
  s.Wait(pause);
  kit.Dimension({l, c.axis.y}, {l, b}, -left);
  s.Wait(pause);
  kit.Dimension({l, c.axis.y}, {l, t}, -left);
  s.Wait(pause);
}

void SelectRow(Session& s, std::vector<Column>& columns, int row, bool select) {
  for (Column& c : columns)
    if (c.axis.y == kYs[row])
      for (int id : c.ids)
        s.Model().Change(id, [&](Entity& e) { e.selected = select; });
}

// A crossing window round a row of columns and their axes, as the command asks for them.
void SelectRowByWindow(Session& s, std::vector<Column>& columns, int row, int frames) {
  const int y = kYs[static_cast<std::size_t>(row)];
  s.SelectWindow({10500, y + 1000}, {-600, y - 800}, frames);
  SelectRow(s, columns, row, true);
  s.Prompt("2 columns, 3 axes found.", 3);
}

// The command places the row's dimensions itself.
void DimensionRowAuto(Session& s, Kit& kit, std::vector<Column>& columns, int row) {
  s.Prompt("Dimension position [Auto/Pick] <Auto>:", 8);
  SelectRow(s, columns, row, false);
  for (const Column& c : columns)
    if (c.axis.y == kYs[static_cast<std::size_t>(row)] && c.axis.x <= kXs[1])
      DimensionColumn(s, kit, c, 700, 800, 4);
}

}  // namespace

void RecordColumnPositionDimensions(Session& s) {
  KitStyle style;
  style.textHeight = 160;
  style.columnColour = kGrey;
  style.beamColour = kLightGrey;
  style.dimensionColour = kCyan;
  style.dimensionTextColour = kYellow;
  Kit kit(s.Model(), style);
  s.Model().SetView(s.CentredView({11000, 6200}, 40));

  kit.AxisGrid(kXs, kYs, {"1", "2", "3", "4"}, {"A", "B", "C"}, 2000, true);
  kit.DimensionChain({{kXs[0], -4200}, {kXs[1], -4200}, {kXs[2], -4200}, {kXs[3], -4200}}, 0);
  kit.DimensionChain({{27600, kYs[0]}, {27600, kYs[1]}, {27600, kYs[2]}}, 0);
  for (int y : kYs)
    for (std::size_t i = 0; i + 1 < kXs.size(); ++i)
      kit.Beam({kXs[i] + 300, y}, {kXs[i + 1] - 300, y}, 300);
  for (int x : kXs)
    for (std::size_t j = 0; j + 1 < kYs.size(); ++j)
      kit.Beam({x, kYs[j] + 300}, {x, kYs[j + 1] - 300}, 250);
  std::vector<Column> columns;
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 4; ++i) {
      Column c = MakeColumn(i, j);
      c.ids = kit.Column(c.centre, c.width, c.depth);
      const bool inner = !(i == 0 || i == 3 || j != 1);
      const Point note{c.centre.x + c.width / 2 + 250, c.centre.y + c.depth / 2 + 650};
      c.ids.push_back(kit.Label(note, inner ? "KZ2" : "KZ1"));
      c.ids.push_back(kit.Label({note.x, note.y - 300},
                                std::to_string(c.width) + "x" + std::to_string(c.depth)));
      c.ids.push_back(kit.Label({note.x, note.y - 600}, inner ? "12}22" : "4}25+8}20"));
      columns.push_back(c);
    }

  s.Screen().cursor = s.Model().ToScreen({12000, 9000});
  s.Wait(6);
  // Zoom to the first row with the wheel.
  s.Zoom({4700, 900}, 16, 6);
  s.Wait(4);
  s.CommandFromToolbar(5, "ZDWBZ", {9000, 2500});
  s.Screen().shape = CursorShape::kBox;

  // Row A, placed by the command.
  s.Prompt("Select column edges and axes:", 3);
  SelectRowByWindow(s, columns, 0, 36);
  DimensionRowAuto(s, kit, columns, 0);
  s.Prompt("8 dimensions, no texts overlapping.", 8);

  // Row B, placed where the user picks.
  s.Prompt("Select column edges and axes:", 3);
  s.Pan({0, 330}, 8);
  s.Wait(4);
  SelectRowByWindow(s, columns, 1, 30);
  s.Prompt("Dimension position [Auto/Pick] <Auto>:", 4);
  s.Type("P", 3);
  SelectRow(s, columns, 1, false);
  s.Screen().shape = CursorShape::kCross;
  const int picks[][2] = {{1100, 900}, {800, 1300}};
  int k = 0;
  for (const Column& c : columns) {
    if (c.axis.y != kYs[1] || c.axis.x > kXs[1])
      continue;
    s.Prompt("Pick the position of the dimensions:", 2);
    s.Glide({c.centre.x - picks[k][1], c.centre.y - picks[k][0]}, 18);
    s.Wait(4);
    s.Pick();
    DimensionColumn(s, kit, c, picks[k][0], picks[k][1], 3);
    ++k;
  }
  s.Screen().shape = CursorShape::kBox;

  // The last row is above the screen: pan down to it and let the command place it.
  s.Prompt("Select column edges and axes:", 4);
  s.Pan({0, 330}, 8);
  s.Wait(4);
  SelectRowByWindow(s, columns, 2, 30);
  DimensionRowAuto(s, kit, columns, 2);
  s.Prompt("Select column edges and axes:", 8);
  s.Prompt("Command:", 2);
  s.Screen().shape = CursorShape::kCrossBox;
  s.Zoom({11000, 6200}, 40, 6);
}

}  // namespace torvek::gifgen

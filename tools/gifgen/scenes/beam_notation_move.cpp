// Moving a beam's plane notation: the user picks a notation block, which then hangs on the
// cursor with its leader to the beam; Tab turns the alignment (left, right, centred) and a
// pick puts the block down.
#include <algorithm>
#include <string>
#include <vector>

#include "tools/gifgen/scenes/scenes.h"
#include "tools/gifgen/structural_kit.h"

namespace torvek::gifgen {

namespace {

struct Block {
  std::vector<int> lines;
  int leader;
  Point beamPoint;  // where the leader starts
};

const char* const kAlignNames[] = {"left", "right", "centre"};
const Align kAligns[] = {Align::kLeft, Align::kRight, Align::kCentre};

void MoveBlock(Session& s, const Block& block, Point to, int tabs, Point via) {
  DraftingScreen& screen = s.Screen();
  const Point anchor = s.Model().Get(block.lines[0]).points[0];
  s.Prompt("Select beam notation:", 2);
  s.Glide({anchor.x + 600, anchor.y + 60}, 12);
  s.Pick();
  for (int id : block.lines)
    s.Model().Change(id, [](Entity& e) { e.selected = true; });
  s.Wait(3);
  // The block leaves its place and follows the cursor.
  for (int id : block.lines)
    s.Model().Change(id, [](Entity& e) { e.hidden = true; });
  s.Model().Change(block.leader, [](Entity& e) { e.hidden = true; });
  screen.dragged.clear();
  for (int id : block.lines) {
    Entity ghost = s.Model().Get(id);
    ghost.hidden = false;
    ghost.selected = false;
    screen.dragged.push_back(ghost);
  }
  screen.dragBase = s.Model().ToModel(screen.cursor);
  screen.rubberFrom = block.beamPoint;
  screen.shape = CursorShape::kCross;
  s.Prompt("Position [Tab: alignment] <left>:", 2);
  s.Glide(via, 14);
  int align = 0;
  for (int t = 0; t < tabs; ++t) {
    align = (align + 1) % 3;
    for (Entity& ghost : screen.dragged)
      ghost.align = kAligns[align];
    s.Prompt(std::string("<Tab> alignment: ") + kAlignNames[align], 6);
    s.Glide({via.x + (t + 1) * 500, via.y - (t + 1) * 300}, 6);
  }
  s.Glide(to, 12);
  s.Wait(2);
  s.Pick();
  // Put down: the texts where the ghosts are, a new leader from the beam.
  const Point model = s.Model().ToModel(screen.cursor);
  const Point offset{model.x - screen.dragBase.x, model.y - screen.dragBase.y};
  for (std::size_t i = 0; i < block.lines.size(); ++i) {
    const Entity& ghost = screen.dragged[i];
    s.Model().Change(block.lines[i], [&](Entity& e) {
      e = Moved(ghost, offset);
      e.hidden = false;
    });
  }
  // The leader rises from the beam and runs under the block's last line, from end to end.
  const Entity& last = s.Model().Get(block.lines.back());
  const int under = last.points[0].y - 120;
  int width = 0;
  for (int id : block.lines) {
    const Entity& line = s.Model().Get(id);
    width = std::max(width, static_cast<int>(line.text.size()) * line.height * 6 / 7);
  }
  const int lastX = last.points[0].x;
  const int from = last.align == Align::kLeft    ? lastX
                   : last.align == Align::kRight ? lastX - width
                                                 : lastX - width / 2;
  s.Model().Change(block.leader, [&](Entity& e) {
    e.points = {block.beamPoint, {block.beamPoint.x, under}, {from, under}, {from + width, under}};
    e.hidden = false;
  });
  screen.dragged.clear();
  screen.rubberFrom.reset();
  screen.shape = CursorShape::kBox;
  s.Wait(4);
}

}  // namespace

void RecordBeamNotationMove(Session& s) {
  KitStyle style;
  style.textHeight = 220;
  style.beamColour = kYellow;
  style.labelColour = kPaleGreen;
  Kit kit(s.Model(), style);
  s.Model().SetView(s.CentredView({6300, 3700}, 25));

  const std::vector<int> xs{0, 6600, 13200};
  const std::vector<int> ys{0, 6000};
  kit.AxisGrid(xs, ys, {"2", "3", "4"}, {"F", "G"}, 1200);
  for (int y : ys)
    for (int i = 0; i < 2; ++i)
      kit.Beam({xs[i] + 300, y}, {xs[i + 1] - 300, y}, 300);
  for (int x : xs)
    kit.Beam({x, 300}, {x, 5700}, 300);
  kit.Beam({300, 3000}, {13050, 3000}, 250);
  for (int x : xs)
    for (int y : ys)
      kit.Column({x, y}, 600, 600);

  // Notation blocks as the drawing came out: crowded against the beams and the axes.
  Block top{kit.Notation({2100, 6500}, {"KL3(2) 300x700", "{10@100/200(2)", "2}25;4}25", "N4{12"}),
            kit.Model().Add(MakePolyline({{1900, 6000}, {1900, 6200}, {2100, 6200}}, kWhite)),
            {1900, 6000}};
  kit.Notation({7000, 3650}, {"L4(2) 250x500", "{8@200(2)", "2}18;3}20"});
  kit.Model().Add(MakePolyline({{6900, 3000}, {6900, 3300}, {7000, 3300}}, kWhite));
  Block bottom{kit.Notation({9000, 500}, {"KL6(2) 300x650", "{8@100/200(2)", "2}22;3}22"}),
               kit.Model().Add(MakePolyline({{8800, 0}, {8800, 200}, {9000, 200}}, kWhite)),
               {8800, 0}};
  kit.Label({300, 3250}, "3}20", Align::kLeft);
  kit.Label({12900, 3250}, "3}20", Align::kRight);
  kit.Label({3300, -500}, "4}22", Align::kCentre);

  s.Screen().cursor = s.Model().ToScreen({5000, 1500});
  s.Wait(4);
  s.CommandFromToolbar(3, "LPFYW", {4000, 4500});
  s.Screen().shape = CursorShape::kBox;
  MoveBlock(s, top, {3400, 7950}, 2, {3000, 7400});
  MoveBlock(s, bottom, {10300, 2200}, 1, {9800, 1600});
  s.Prompt("Select beam notation:", 6);
  s.Prompt("Command:", 2);
  s.Screen().shape = CursorShape::kCrossBox;
}

}  // namespace torvek::gifgen

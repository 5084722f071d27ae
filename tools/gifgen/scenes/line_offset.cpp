// Line offset with linked ends: the user enters a distance, picks a line and the side, and
// the line moves; the segments and polylines that ended on it are stretched with it.
#include <string>
#include <vector>

#include "tools/gifgen/scenes/scenes.h"
#include "tools/gifgen/structural_kit.h"

namespace torvek::gifgen {

namespace {

struct Linked {
  int id;
  int vertex;  // the vertex that lies on the moved line
};

void Offset(Session& s, int line, int distance, const std::vector<Linked>& linked, Point pickAt,
            Point sideAt) {
  DraftingScreen& screen = s.Screen();
  s.Prompt("Select line to offset or [Distance]:", 2);
  s.Glide(pickAt, 16);
  s.Wait(2);
  s.Pick();
  s.Model().Change(line, [](Entity& e) { e.selected = true; });
  for (const Linked& l : linked)
    s.Model().Change(l.id, [](Entity& e) { e.selected = true; });
  s.Wait(3);
  s.Prompt("Specify point on side to offset:", 2);
  screen.shape = CursorShape::kCross;
  // The moved line shows where it will go as soon as the cursor is on that side.
  Entity ghost = s.Model().Get(line);
  ghost.selected = false;
  ghost.colour = kLightGrey;
  ghost.pattern = kDashed;
  screen.dragged = {Moved(ghost, {0, distance})};
  screen.dragFollows = false;
  s.Glide(sideAt, 14);
  s.Wait(1);
  s.Pick();
  screen.dragged.clear();
  screen.dragFollows = true;
  s.Model().Change(line, [&](Entity& e) {
    for (Point& p : e.points)
      p.y += distance;
    e.selected = false;
  });
  s.Wait(2);
  for (const Linked& l : linked) {
    s.Model().Change(l.id, [&](Entity& e) {
      e.points[static_cast<std::size_t>(l.vertex)].y += distance;
      e.selected = false;
    });
    s.Wait(2);
  }
  screen.shape = CursorShape::kBox;
  s.Prompt(std::to_string(linked.size()) + " linked ends moved.", 4);
}

}  // namespace

void RecordLineOffset(Session& s) {
  KitStyle style;
  style.textHeight = 200;
  style.bubbleRadius = 300;
  Kit kit(s.Model(), style);
  s.Model().SetView(s.CentredView({5600, 2500}, 26));
  Drawing& d = s.Model();

  kit.AxisGrid({0, 6000, 12000}, {0, 5600}, {"7", "8", "9"}, {"B", "C"}, 600);
  // A corridor wall pair and the cross walls that stop on it.
  const int lower = d.Add(MakeLine({-300, 2600}, {12300, 2600}, kCyan));
  const int upper = d.Add(MakeLine({-300, 2850}, {12300, 2850}, kCyan));
  const int a = d.Add(MakeLine({2000, 0}, {2000, 2600}, kCyan));
  const int b = d.Add(MakeLine({2250, 0}, {2250, 2600}, kCyan));
  const int c = d.Add(MakeLine({8200, 0}, {8200, 2600}, kCyan));
  const int e = d.Add(MakeLine({8450, 0}, {8450, 2600}, kCyan));
  const int f = d.Add(MakeLine({3600, 2850}, {3600, 5600}, kCyan));
  const int g = d.Add(MakeLine({3850, 2850}, {3850, 5600}, kCyan));
  const int p = d.Add(MakePolyline({{10400, 0}, {10400, 1500}, {11600, 2600}}, kMagenta, 2));
  const int h = d.Add(MakeLine({9600, 2850}, {9600, 5600}, kCyan));
  const int i = d.Add(MakeLine({9850, 2850}, {9850, 5600}, kCyan));
  kit.Label({4500, 1300}, "KB-1  h=100", Align::kLeft, 0, kWhite);
  kit.Label({5500, 4600}, "KB-2  h=120", Align::kLeft, 0, kWhite);
  // The slabs' bottom bars, with their hooks.
  kit.Bar({{2550, 400}, {2400, 400}, {2400, 2300}, {2550, 2300}}, kMagenta);
  kit.Bar({{2550, 1750}, {2550, 1900}, {7900, 1900}, {7900, 1750}}, kMagenta);
  kit.Label({4800, 1960}, "}8@200", Align::kCentre, 0, kMagenta);
  kit.Label({2300, 1400}, "}8@200", Align::kRight, 0, kMagenta);
  kit.Bar({{4150, 3400}, {4150, 3250}, {9300, 3250}, {9300, 3400}}, kMagenta);
  kit.Label({6700, 3310}, "}10@150", Align::kCentre, 0, kMagenta);
  kit.TopBar({1500, 700}, {1500, 3600}, -150);
  kit.Label({1350, 3000}, "}10@180", Align::kRight, 0, kOrange);

  s.Screen().cursor = s.Model().ToScreen({6000, 4000});
  s.Wait(4);
  s.Command("ZXPY");
  s.Answer("Offset distance <100>:", "450");
  s.Prompt("Move linked ends [Yes/No] <Yes>:", 6);
  s.Screen().shape = CursorShape::kBox;
  Offset(s, lower, -450, {{a, 1}, {b, 1}, {c, 1}, {e, 1}, {p, 2}}, {6000, 2600}, {6200, 1500});
  s.Answer("Select line to offset or [Distance]:", "D");
  s.Answer("Offset distance <450>:", "300");
  Offset(s, upper, 300, {{f, 0}, {g, 0}, {h, 0}, {i, 0}}, {5200, 2850}, {5400, 3900});
  s.Prompt("Select line to offset or [Distance]:", 6);
  s.Prompt("Command:", 2);
  s.Screen().shape = CursorShape::kCrossBox;
}

}  // namespace torvek::gifgen

// Local enlargement: the user frames part of a slab plan (an opening with its trimmer bars
// beside a column), enters a scale, pans to free space and places the enlarged copy, which
// the command titles and dimensions with the true lengths; the framed part gets its bubble.
#include <algorithm>
#include <string>
#include <vector>

#include "tools/gifgen/scenes/scenes.h"
#include "tools/gifgen/structural_kit.h"

namespace torvek::gifgen {

namespace {

struct Box {
  Point min;
  Point max;
  bool Contains(Point p) const {
    return p.x >= min.x && p.x <= max.x && p.y >= min.y && p.y <= max.y;
  }
};

int OutCode(const Box& b, Point p) {
  return (p.x < b.min.x ? 1 : 0) | (p.x > b.max.x ? 2 : 0) | (p.y < b.min.y ? 4 : 0) |
         (p.y > b.max.y ? 8 : 0);
}

// Cohen-Sutherland on integers; false when nothing of the segment is inside.
bool ClipSegment(const Box& b, Point& p, Point& q) {
  for (;;) {
    const int cp = OutCode(b, p), cq = OutCode(b, q);
    if ((cp | cq) == 0)
      return true;
    if ((cp & cq) != 0)
      return false;
    const int out = cp != 0 ? cp : cq;
    Point& moved = cp != 0 ? p : q;
    const long long dx = q.x - p.x, dy = q.y - p.y;
    Point r;
    if (out & 8) {
      r = {static_cast<int>(p.x + dx * (b.max.y - p.y) / dy), b.max.y};
    } else if (out & 4) {
      r = {static_cast<int>(p.x + dx * (b.min.y - p.y) / dy), b.min.y};
    } else if (out & 2) {
      r = {b.max.x, static_cast<int>(p.y + dy * (b.max.x - p.x) / dx)};
    } else {
      r = {b.min.x, static_cast<int>(p.y + dy * (b.min.x - p.x) / dx)};
    }
    moved = r;
  }
}

Point Scaled(Point p, Point base, int scale) {
  return {(p.x - base.x) * scale, (p.y - base.y) * scale};
}

// What lies in `box`, cut at its edges and scaled about its lower-left corner; positions are
// relative to that corner.
std::vector<Entity> Enlarged(const Drawing& d, const Box& box, int scale) {
  std::vector<Entity> out;
  for (int id = 0; id < d.Count(); ++id) {
    const Entity& e = d.Get(id);
    if (e.hidden)
      continue;
    switch (e.kind) {
      case EntityKind::kPolyline: {
        const std::size_t n = e.points.size();
        for (std::size_t i = 0; i + 1 < n + (e.closed ? 1 : 0); ++i) {
          Point p = e.points[i], q = e.points[(i + 1) % n];
          if (!ClipSegment(box, p, q))
            continue;
          out.push_back(MakeLine(Scaled(p, box.min, scale), Scaled(q, box.min, scale), e.colour,
                                 e.pattern, e.weight));
        }
        break;
      }
      case EntityKind::kFilled: {
        const Point a{std::max(std::min(e.points[0].x, e.points[1].x), box.min.x),
                      std::max(std::min(e.points[0].y, e.points[1].y), box.min.y)};
        const Point b{std::min(std::max(e.points[0].x, e.points[1].x), box.max.x),
                      std::min(std::max(e.points[0].y, e.points[1].y), box.max.y)};
        if (a.x < b.x && a.y < b.y)
          out.push_back(MakeSolid(Scaled(a, box.min, scale), Scaled(b, box.min, scale), e.colour));
        break;
      }
      case EntityKind::kCircle:
      case EntityKind::kText:
        if (box.Contains(e.points[0])) {
          Entity copy = e;
          copy.points[0] = Scaled(e.points[0], box.min, scale);
          // Texts keep their height: the detail is read at the drawing's own text size.
          copy.radius *= scale;
          out.push_back(copy);
        }
        break;
    }
  }
  return out;
}

}  // namespace

void RecordLocalEnlargement(Session& s) {
  KitStyle style;
  style.textHeight = 150;
  style.barColour = kOrange;
  style.bubbleRadius = 350;
  Kit kit(s.Model(), style);
  Drawing& d = s.Model();
  d.SetView(s.CentredView({3500, 2200}, 16));

  kit.AxisGrid({0, 6000}, {0, 5000}, {"3", "4"}, {"E", "F"}, 900);
  kit.Beam({300, 0}, {5700, 0}, 300);
  kit.Beam({0, 300}, {0, 4700}, 300);
  kit.Beam({6000, 300}, {6000, 4700}, 300);
  kit.Beam({300, 5000}, {5700, 5000}, 300);
  for (int x : {0, 6000})
    for (int y : {0, 5000})
      kit.Column({x, y}, 600, 600);
  // The opening, its cross, and the trimmer bars round it.
  d.Add(MakePolyline({{2200, 1300}, {3100, 1300}, {3100, 2000}, {2200, 2000}}, kWhite, 1, true));
  d.Add(MakeLine({2200, 1300}, {3100, 2000}, kWhite));
  d.Add(MakeLine({2200, 2000}, {3100, 1300}, kWhite));
  kit.Bar({{1650, 1180}, {3650, 1180}});
  kit.Bar({{1650, 2120}, {3650, 2120}});
  kit.Bar({{2080, 750}, {2080, 2550}});
  kit.Bar({{3220, 750}, {3220, 2550}});
  kit.Label({2650, 1550}, "900x700", Align::kCentre, 0, kWhite);
  kit.Label({3700, 2150}, "2}14", Align::kLeft, 0, kOrange);
  kit.Label({3280, 2400}, "2}14", Align::kLeft, 0, kOrange);
  // The slab's own bars.
  kit.TopBar({-150, 3300}, {1650, 3300}, 150);
  kit.Label({750, 3420}, "}10@150", Align::kCentre);
  kit.TopBar({4350, 3300}, {6150, 3300}, 150);
  kit.Label({5250, 3420}, "}10@150", Align::kCentre);
  kit.Bar({{500, 4000}, {5500, 4000}}, kMagenta);
  kit.Label({2900, 4100}, "}8@200", Align::kCentre, 0, kMagenta);
  kit.Label({4200, 800}, "h=120", Align::kLeft, 0, kWhite);

  s.Screen().cursor = d.ToScreen({4700, 2700});
  s.Wait(5);
  s.Command("JBFD");
  s.Prompt("Specify first corner of the area:", 3);
  s.Screen().shape = CursorShape::kCross;
  const Box box{{1500, 600}, {3900, 2700}};
  s.SelectWindow(box.min, box.max, 40);
  const int frame = d.Add(MakePolyline(
      {box.min, {box.max.x, box.min.y}, box.max, {box.min.x, box.max.y}}, kWindowBlue, 1, true));
  d.Change(frame, [](Entity& e) { e.pattern = kDashed; });
  s.Prompt("Enlargement scale <2>:", 6);
  s.Type("2", 4);
  s.Prompt("Specify insertion point:", 4);
  const int scale = 2;
  const std::vector<Entity> detail = Enlarged(d, box, scale);

  // Free space to the right: pan there, then the enlarged copy hangs on the cursor.
  s.Pan({-330, 0}, 8);
  s.Wait(3);
  DraftingScreen& screen = s.Screen();
  const Point w{(box.max.x - box.min.x) * scale, (box.max.y - box.min.y) * scale};
  screen.dragged = detail;
  screen.dragged.push_back(MakePolyline({{0, 0}, {w.x, 0}, w, {0, w.y}}, kWhite, 1, true));
  screen.dragBase = {0, 0};
  const Point insert{8700, 200};
  screen.dragBase = d.ToModel(screen.cursor);
  const Point start = screen.dragBase;
  for (Entity& e : screen.dragged)
    e = Moved(e, start);
  s.Glide({insert.x + 400, insert.y + 900}, 30);
  s.Glide(insert, 12);
  s.Wait(3);
  s.Pick();
  // Put the ghosts down where they hang now.
  const Point model = d.ToModel(screen.cursor);
  for (const Entity& e : screen.dragged)
    d.Add(Moved(e, {model.x - screen.dragBase.x, model.y - screen.dragBase.y}));
  screen.dragged.clear();
  s.Wait(4);
  const Point o = model;
  kit.Label({o.x + w.x / 2, o.y + w.y + 350}, "A  2:1", Align::kCentre, 260, kYellow);
  d.Add(MakeLine({o.x + w.x / 2 - 900, o.y + w.y + 250}, {o.x + w.x / 2 + 900, o.y + w.y + 250},
                 kYellow, kSolid, 2));
  s.Wait(5);
  // Dimensions of the opening on the copy give its true size.
  const Point hole{o.x + (2200 - box.min.x) * scale, o.y + (1300 - box.min.y) * scale};
  kit.Dimension({hole.x, hole.y}, {hole.x + 900 * scale, hole.y}, -900, "900");
  s.Wait(5);
  kit.Dimension({hole.x + 900 * scale, hole.y}, {hole.x + 900 * scale, hole.y + 700 * scale}, 1400,
                "700");
  s.Wait(5);
  s.Prompt("Enlarged 2:1, dimensions at true size.", 4);

  // Back to the source: its frame becomes the detail's bubble.
  s.Prompt("Mark the enlarged area [Yes/No] <Yes>:", 8);
  s.Pan({330, 0}, 8);
  s.Wait(3);
  d.Change(frame, [](Entity& e) { e.hidden = true; });
  d.Add(MakeCircle({2700, 1650}, 1600, kYellow));
  s.Wait(4);
  d.Add(MakeLine({3830, 2780}, {4720, 4060}, kYellow));
  kit.Bubble({4950, 4350}, "A");
  s.Wait(8);
  screen.shape = CursorShape::kCrossBox;
  s.Prompt("Command:", 2);
  s.Zoom({7000, 2400}, 24, 6);
  s.Wait(6);
}

}  // namespace torvek::gifgen

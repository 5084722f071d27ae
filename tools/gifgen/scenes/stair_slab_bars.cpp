// Stair-slab bars on a stair section: the user chooses the slab type and picks the slab's
// points in order; the command draws the bottom bars, the top bars at both supports and the
// distribution bars, labels them, and puts a bar schedule where the user picks.
#include <string>
#include <vector>

#include "tools/gifgen/bitmap_font.h"
#include "tools/gifgen/scenes/scenes.h"
#include "tools/gifgen/structural_kit.h"

namespace torvek::gifgen {

namespace {

constexpr int kRiser = 150;
constexpr int kTread = 280;
constexpr int kSteps = 12;
constexpr int kRise = kRiser * kSteps;       // 1800
constexpr int kRun = kTread * (kSteps - 1);  // 3080
constexpr int kLanding = 1800;
constexpr int kThick = 120;

void DrawSection(Kit& kit) {
  Drawing& d = kit.Model();
  // Floor slab and beam at the foot, landing slab and beam at the head.
  d.Add(MakePolyline(
      {{-2200, 0}, {0, 0}, {0, -450}, {-250, -450}, {-250, -kThick}, {-2200, -kThick}}, kWhite));
  std::vector<Point> steps{{0, 0}};
  for (int i = 0; i < kSteps - 1; ++i) {
    steps.push_back({i * kTread, (i + 1) * kRiser});
    steps.push_back({(i + 1) * kTread, (i + 1) * kRiser});
  }
  steps.push_back({kRun, kRise});
  steps.push_back({kRun + kLanding, kRise});
  steps.push_back({kRun + kLanding, kRise - 450});
  steps.push_back({kRun + kLanding - 250, kRise - 450});
  steps.push_back({kRun + kLanding - 250, kRise - kThick});
  d.Add(MakePolyline(steps, kWhite));
  // The soffit runs parallel to the pitch, a slab's thickness below the step nosings.
  d.Add(MakePolyline(
      {{0, -170}, {kRun + 180, kRise - kThick}, {kRun + kLanding - 250, kRise - kThick}}, kWhite));
  d.Add(MakeLine({kRun + kLanding, kRise}, {kRun + kLanding + 1600, kRise}, kWhite));
  d.Add(MakeLine({kRun + kLanding, kRise - kThick}, {kRun + kLanding + 1600, kRise - kThick},
                 kWhite));
  // Axes of the two beams.
  d.Add(MakeLine({-125, -1300}, {-125, 2600}, kRed, kDashDot));
  d.Add(MakeLine({kRun + kLanding - 125, -1300}, {kRun + kLanding - 125, 2800}, kRed, kDashDot));
  kit.Bubble({-125, -1750}, "C");
  kit.Bubble({kRun + kLanding - 125, -1750}, "D");
  kit.Dimension({0, -900}, {kRun, -900}, 0, "280x11=3080");
  kit.Dimension({kRun, -900}, {kRun + kLanding - 125, -900}, 0);
  kit.Dimension({-1300, 0}, {-1300, kRise}, 0, "150x12=1800");
  kit.Label({-2100, 250}, "0.000", Align::kLeft, 0, kYellow);
  kit.Label({kRun + kLanding + 300, kRise + 250}, "1.800", Align::kLeft, 0, kYellow);
  kit.Label({-600, -750}, "TL1", Align::kCentre, 0, kCyan);
  kit.Label({kRun + kLanding - 125, kRise - 750}, "TL1", Align::kCentre, 0, kCyan);
  kit.Label({-2300, 2300}, "AT1  h=120", Align::kLeft, 200, kWhite);
}

// A numbered circle at a picked point; returns its two ids.
std::vector<int> Marker(Kit& kit, Point at, const char* number) {
  Entity n = MakeText(at, number, 120, kMagenta, Align::kCentre);
  n.middle = true;
  return {kit.Model().Add(MakeCircle(at, 110, kMagenta)), kit.Model().Add(n)};
}

}  // namespace

void RecordStairSlabBars(Session& s) {
  KitStyle style;
  style.textHeight = 110;
  style.bubbleRadius = 250;
  style.barColour = kRed;
  style.dimensionColour = kGreen;
  Kit kit(s.Model(), style);
  s.Model().SetView(s.CentredView({2100, 400}, 12));
  DrawSection(kit);

  s.Screen().cursor = s.Model().ToScreen({2500, -400});
  s.Wait(5);
  s.CommandFromToolbar(6, "HTBGJ", {2000, 2400});
  s.Prompt("Slab type [AT/BT/CT/DT/ET] <AT>:", 6);
  s.Type("AT", 3);
  s.Prompt("Thickness <120>, bars {8@250 / }12@150 / }10@150", 6);
  s.Screen().shape = CursorShape::kCross;

  struct PickStep {
    const char* prompt;
    SnapMarker snap;
    Point at;
    const char* number;
  };
  const PickStep picks[] = {
      {"Pick 1: top corner of the lower support:", SnapMarker::kEndpoint, {0, 0}, "1"},
      {"Pick 2: nosing of the top step:", SnapMarker::kEndpoint, {kRun - kTread, kRise}, "2"},
      {"Pick 3: end of the landing at the support:",
       SnapMarker::kEndpoint,
       {kRun + kLanding, kRise},
       "3"},
      {"Pick 4: underside of the slab:", SnapMarker::kNearest, {1400, 815}, "4"},
  };
  std::vector<int> markers;
  for (const PickStep& p : picks) {
    s.Prompt(p.prompt, 3);
    s.SnapTo(p.snap, p.at, 22);
    for (int id : Marker(kit, {p.at.x + 150, p.at.y + 250}, p.number))
      markers.push_back(id);
    s.Screen().rubberFrom = p.at;
    s.Wait(3);
  }
  s.Screen().rubberFrom.reset();
  s.Prompt("Drawing bars...", 4);

  // Bottom bars along the soffit, anchored in both beams.
  kit.Bar({{-150, -380},
           {-150, -140},
           {kRun + 190, kRise - kThick + 25},
           {kRun + kLanding - 150, kRise - kThick + 25},
           {kRun + kLanding - 150, kRise - 380}});
  s.Wait(8);
  // Top bars at the foot and at the head.
  kit.Bar({{-170, -380}, {-170, -25}, {1150, 830}, {1150, 700}});
  s.Wait(6);
  kit.Bar({{2200, 1320},
           {kRun - 20, kRise - 25},
           {kRun + kLanding - 170, kRise - 25},
           {kRun + kLanding - 170, kRise - 380}});
  s.Wait(6);
  // Distribution bars, one dot a spacing along the slab.
  for (int i = 0; i < 12; ++i) {
    const int x = 150 + i * 260;
    const int y = -140 + (x + 150) * (kRise - kThick + 165) / (kRun + 340) + 40;
    s.Model().Add(MakeCircle({x, y}, 22, kYellow));
    s.Wait(1);
  }
  for (int x = kRun + 300; x < kRun + kLanding - 300; x += 300) {
    s.Model().Add(MakeCircle({x, kRise - kThick + 60}, 22, kYellow));
    s.Wait(1);
  }
  // Labels with their leaders.
  kit.Model().Add(MakePolyline({{1800, 950}, {2300, 400}, {3300, 400}}, kWhite));
  kit.Label({2350, 460}, "}12@150", Align::kLeft, 0, kRed);
  s.Wait(4);
  kit.Model().Add(MakePolyline({{500, 230}, {300, 900}, {-500, 900}}, kWhite));
  kit.Label({-450, 960}, "}10@150", Align::kLeft, 0, kRed);
  s.Wait(4);
  kit.Model().Add(MakePolyline({{3900, kRise - 25}, {4100, 2350}, {4900, 2350}}, kWhite));
  kit.Label({4150, 2410}, "}10@150", Align::kLeft, 0, kRed);
  s.Wait(4);
  kit.Model().Add(MakePolyline({{2900, 1550}, {2500, 2250}, {1700, 2250}}, kWhite));
  kit.Label({1750, 2310}, "{8@250", Align::kLeft, 0, kYellow);
  for (int id : markers)
    s.Model().Change(id, [](Entity& e) { e.hidden = true; });
  s.Wait(6);

  // A look at the anchorage at the foot, and back.
  s.Prompt("Bar schedule position:", 3);
  const View whole = s.Model().CurrentView();
  s.Zoom({100, 100}, 6, 8);
  s.Wait(16);
  s.Zoom({2100, 400}, 12, 8);
  s.Model().SetView(whole);
  s.Wait(2);

  // The schedule where the user picks.
  s.Glide({4100, 200}, 20);
  s.Wait(3);
  s.Pick();
  const Point t{4100, 200};
  const int rowH = 220, cols[] = {0, 350, 1000, 1800, 2300};
  const char* rows[][4] = {{"No.", "Bar", "Length", "Qty"},
                           {"1", "}12@150", "5460", "11"},
                           {"2", "}10@150", "1720", "11"},
                           {"3", "}10@150", "2480", "11"},
                           {"4", "{8@250", "1560", "20"}};
  Drawing& d = s.Model();
  d.Add(MakePolyline(
      {t, {t.x + cols[4], t.y}, {t.x + cols[4], t.y - 5 * rowH}, {t.x, t.y - 5 * rowH}}, kWhite, 1,
      true));
  s.Wait(2);
  for (int r = 0; r < 5; ++r) {
    if (r > 0)
      d.Add(MakeLine({t.x, t.y - r * rowH}, {t.x + cols[4], t.y - r * rowH}, kWhite));
    for (int c = 0; c < 4; ++c)
      d.Add(MakeText({t.x + cols[c] + 50, t.y - r * rowH - 160}, rows[r][c], 100,
                     r == 0 ? kCyan : kWhite));
    s.Wait(3);
  }
  for (int c = 1; c < 4; ++c)
    d.Add(MakeLine({t.x + cols[c], t.y}, {t.x + cols[c], t.y - 5 * rowH}, kWhite));
  s.Prompt("Command:", 4);
  s.Screen().shape = CursorShape::kCrossBox;
}

}  // namespace torvek::gifgen

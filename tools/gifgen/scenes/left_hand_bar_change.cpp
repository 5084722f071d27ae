// Left-hand bar change, close up on one beam span: with the right hand on the mouse over a
// bar text, the left hand changes the bars with single keys (diameter down or up, one bar
// less or more) and the command line shows the steel area at every key.
#include <cstdio>
#include <string>

#include "tools/gifgen/scenes/scenes.h"
#include "tools/gifgen/structural_kit.h"

namespace torvek::gifgen {

namespace {

struct Bars {
  int count;
  int diameter;
};

std::string Text(Bars b) {
  return std::to_string(b.count) + "}" + std::to_string(b.diameter);
}

int NextDiameter(int d, int step) {
  static const int kSizes[] = {12, 14, 16, 18, 20, 22, 25, 28, 32};
  for (int i = 0; i < 9; ++i)
    if (kSizes[i] == d)
      return kSizes[std::min(std::max(i + step, 0), 8)];
  return d;
}

// Keys: Q/W diameter down/up, A/S one bar less/more.
void Keys(Session& s, int text, Bars bars, const char* keys) {
  s.Glide(s.Model().Get(text).points[0], 12);
  s.Model().Change(text, [](Entity& e) { e.selected = true; });
  s.Wait(3);
  for (const char* k = keys; *k != '\0'; ++k) {
    switch (*k) {
      case 'Q':
        bars.diameter = NextDiameter(bars.diameter, -1);
        break;
      case 'W':
        bars.diameter = NextDiameter(bars.diameter, 1);
        break;
      case 'A':
        bars.count = std::max(bars.count - 1, 2);
        break;
      default:
        bars.count += 1;
        break;
    }
    const std::string now = Text(bars);
    s.Model().Change(text, [&](Entity& e) { e.text = now; });
    char line[80];
    std::snprintf(line, sizeof line, "[%c] %s  As=%d mm2", *k, now.c_str(),
                  bars.count * BarArea(bars.diameter));
    s.Prompt(line, 5);
  }
  s.Model().Change(text, [](Entity& e) { e.selected = false; });
  s.Wait(2);
}

}  // namespace

void RecordLeftHandBarChange(Session& s) {
  KitStyle style;
  style.textHeight = 200;
  style.labelColour = kCyan;
  style.bubbleRadius = 350;
  Kit kit(s.Model(), style);
  s.Model().SetView(s.CentredView({3000, 50}, 13));

  kit.Model().Add(MakeLine({0, -1800}, {0, 1800}, kRed, kDashDot));
  kit.Model().Add(MakeLine({6000, -1800}, {6000, 1800}, kRed, kDashDot));
  kit.Model().Add(MakeLine({-1200, 0}, {7300, 0}, kRed, kDashDot));
  kit.Beam({250, 0}, {5750, 0}, 300);
  kit.Column({0, 0}, 500, 500);
  kit.Column({6000, 0}, 500, 500);
  kit.Beam({0, 250}, {0, 1500}, 250);
  kit.Beam({6000, 250}, {6000, 1500}, 250);
  kit.Beam({0, -250}, {0, -1500}, 250);
  kit.Beam({6000, -250}, {6000, -1500}, 250);
  kit.Label({1500, 1000}, "KL7(3) 250x600  {8@100/200(2)  2}22", Align::kLeft, 0, kWhite);
  const int left = kit.Label({350, 250}, "4}20");
  const int right = kit.Label({5650, 250}, "4}20", Align::kRight);
  const int middle = kit.Label({3000, -500}, "3}20", Align::kCentre);
  kit.Label({3000, -1200}, "G2{12", Align::kCentre, 0, kWhite);

  s.Screen().cursor = s.Model().ToScreen({4200, -900});
  s.Wait(3);
  s.Command("ZSGJ");
  s.Screen().shape = CursorShape::kBox;
  s.Prompt("Point at a bar text: [Q/W] dia -/+  [A/S] bars -/+  [Space] next", 3);
  Keys(s, middle, {3, 20}, "WSSA");
  Keys(s, left, {4, 20}, "WS");
  Keys(s, right, {4, 20}, "WSQ");
  s.Prompt("Command:", 2);
  s.Screen().shape = CursorShape::kCrossBox;
}

}  // namespace torvek::gifgen

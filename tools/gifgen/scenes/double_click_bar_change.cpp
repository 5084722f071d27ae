// Change bars by double-click on a beam plan: the user double-clicks a bar text of a beam's
// notation, types the new bars at the command line, sees the text change and confirms with
// the space bar.
#include <string>
#include <vector>

#include "tools/gifgen/scenes/scenes.h"
#include "tools/gifgen/structural_kit.h"

namespace torvek::gifgen {

namespace {

struct Edit {
  int text;            // entity id of the bar text
  const char* typed;   // what the user types ('C' is a grade-III bar, 'A' a plain one)
  const char* result;  // the text afterwards
};

void ChangeBars(Session& s, const Edit& edit) {
  const Entity& text = s.Model().Get(edit.text);
  const std::string before = text.text;
  Point target = text.points[0];
  target = text.vertical ? Point{target.x - 100, target.y} : Point{target.x, target.y + 80};
  s.Glide(target, 18);
  s.Wait(2);
  s.DoubleClick();
  s.Model().Change(edit.text, [](Entity& e) { e.selected = true; });
  s.Wait(2);
  s.Prompt("Bars <" + before + ">:", 4);
  s.Type(edit.typed, 2);
  s.Wait(2);
  s.Model().Change(edit.text, [&](Entity& e) { e.text = edit.result; });
  s.Prompt("Space or right click to confirm:", 6);
  s.Model().Change(edit.text, [](Entity& e) { e.selected = false; });
  s.Prompt(std::string(before) + " -> " + edit.result, 3);
  s.Prompt("Double-click a bar text:", 4);
}

}  // namespace

void RecordDoubleClickBarChange(Session& s) {
  KitStyle style;
  style.textHeight = 230;
  style.beamColour = kYellow;
  style.columnColour = kLightGrey;
  Kit kit(s.Model(), style);
  s.Model().SetView(s.CentredView({6900, 3900}, 26));

  const std::vector<int> xs{0, 7200, 14400};
  const std::vector<int> ys{0, 6600};
  kit.AxisGrid(xs, ys, {"5", "6", "7"}, {"D", "E"}, 1800);
  kit.DimensionChain({{0, 10500}, {7200, 10500}, {14400, 10500}}, 0);
  for (int y : ys)
    for (int i = 0; i < 2; ++i)
      kit.Beam({xs[i] + 300, y}, {xs[i + 1] - 300, y}, 300);
  for (int x : xs)
    kit.Beam({x, 300}, {x, 6300}, 300);
  kit.Beam({3600, 150}, {3600, 6450}, 250);
  kit.Beam({10800, 150}, {10800, 6450}, 250);
  for (int x : xs)
    for (int y : ys)
      kit.Column({x, y}, 600, 600);

  // KL1 along axis E: its notation above, the in-span bar texts at the supports and below.
  kit.Model().Add(MakePolyline({{1200, 6750}, {1200, 8050}, {4200, 8050}}, kWhite));
  kit.Notation({1350, 8650}, {"KL1(2) 300x700", "{10@100/200(2)", "2}25;4}22"});
  const int kl1Left = kit.Label({450, 6950}, "4}25");
  const int kl1Middle = kit.Label({7200, 6950}, "6}25 4/2", Align::kCentre);
  const int kl1Bottom = kit.Label({3600, 6100}, "4}22", Align::kCentre);
  kit.Label({10800, 6100}, "4}22", Align::kCentre);
  kit.Label({13950, 6950}, "4}25", Align::kRight);
  // KL2 along axis D, noted below.
  kit.Model().Add(MakePolyline({{1200, -150}, {1200, -1050}, {4200, -1050}}, kWhite));
  const std::vector<int> kl2 =
      kit.Notation({1350, -1300}, {"KL2(2) 300x650", "{8@100/200(2)", "2}22;3}20"});
  const int kl2Bottom = kit.Label({10800, -550}, "2}22+1}20", Align::kCentre);
  kit.Label({3600, -550}, "3}20", Align::kCentre);
  // KL4 on axis 6 and the secondary beams, noted along them.
  const int kl4 = kit.LabelUp({6700, 3300}, "KL4(1) 250x600  {8@200(2)  2}20;3}20");
  kit.LabelUp({3300, 3300}, "L1(1) 250x500");
  kit.LabelUp({10500, 3300}, "L2(1) 250x500");
  kit.LabelUp({14900, 3300}, "KL5(1) 250x600");

  s.Screen().cursor = s.Model().ToScreen({9000, 3000});
  s.Wait(5);
  s.Command("SJGJ");
  s.Screen().shape = CursorShape::kBox;
  s.Prompt("Double-click a bar text:", 4);
  const Edit edits[] = {
      {kl1Bottom, "5C22", "5}22"},
      {kl1Middle, "4C25+2C22", "4}25+2}22"},
      {kl2[1], "A10@100/200(2)", "{10@100/200(2)"},
      {kl2Bottom, "3C22", "3}22"},
      {kl1Left, "5C25 3/2", "5}25 3/2"},
  };
  for (const Edit& edit : edits)
    ChangeBars(s, edit);
  (void)kl4;
  s.Wait(4);
  s.Prompt("*Cancel*", 2);
  s.Screen().shape = CursorShape::kCrossBox;
  s.Prompt("Command:", 2);
}

}  // namespace torvek::gifgen

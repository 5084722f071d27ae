// Merging beam numbers on a floor's beam plan: the command checks every beam's number against
// its spans and section, finds beams that are the same under two numbers, then closes the
// gaps in the sequence, changing the labels one by one, and lists the result.
#include <string>
#include <vector>

#include "tools/gifgen/bitmap_font.h"
#include "tools/gifgen/scenes/scenes.h"
#include "tools/gifgen/structural_kit.h"

namespace torvek::gifgen {

namespace {

struct Beam {
  const char* before;
  const char* after;
  const char* check;  // what the check says of it
  int label = -1;
};

}  // namespace

void RecordBeamNumberMerge(Session& s) {
  KitStyle style;
  style.textHeight = 260;
  style.beamColour = kYellow;
  style.labelColour = kWhite;
  Kit kit(s.Model(), style);
  s.Model().SetView(s.CentredView({8600, 5200}, 36));

  const std::vector<int> xs{0, 6000, 12000, 18000};
  const std::vector<int> ys{0, 5400, 10800};
  kit.AxisGrid(xs, ys, {"1", "2", "3", "4"}, {"A", "B", "C"}, 1000);
  for (int y : ys)
    kit.Beam({300, y}, {17700, y}, 300);
  for (int x : xs)
    kit.Beam({x, 300}, {x, 10500}, 250);
  kit.Beam({3000, 150}, {3000, 5250}, 200);
  kit.Beam({15000, 5550}, {15000, 10650}, 200);
  for (int x : xs)
    for (int y : ys)
      kit.Column({x, y}, 500, 500);

  Beam beams[] = {
      {"KL1(3) 300x700", "KL1(3) 300x700", "KL1(3) 300x700: 1 beam"},
      {"KL4(3) 300x700", "KL2(3) 300x700", "KL4(3) 300x700: 1 beam"},
      {"KL9(3) 300x650", "KL3(3) 300x650", "KL9(3) 300x650: 1 beam"},
      {"KL2(2) 250x600", "KL4(2) 250x600", "KL2(2) 250x600: 1 beam"},
      {"KL7(2) 250x600", "KL5(2) 250x600", "KL7(2) = KL5(2): same spans, section, bars"},
      {"KL5(2) 250x600", "KL5(2) 250x600", "KL5(2) 250x600: 2 beams"},
      {"KL12(2) 250x600", "KL6(2) 250x600", "KL12(2) 250x600: 1 beam"},
      {"L3(1) 200x400", "L1(1) 200x400", "L3(1) 200x400: 1 beam"},
      {"L8(1) 200x400", "L2(1) 200x400", "L8(1) 200x400: 1 beam"},
  };
  beams[0].label = kit.Label({600, 10800 + 300}, beams[0].before);
  beams[1].label = kit.Label({6600, 5400 + 300}, beams[1].before);
  beams[2].label = kit.Label({600, 300}, beams[2].before);
  for (int i = 0; i < 4; ++i)
    beams[3 + i].label = kit.LabelUp({xs[i] - 300, i % 2 == 0 ? 2700 : 8100}, beams[3 + i].before);
  beams[7].label = kit.LabelUp({3000 - 250, 2700}, beams[7].before);
  beams[8].label = kit.LabelUp({15000 - 250, 8100}, beams[8].before);

  s.Screen().cursor = s.Model().ToScreen({9000, 2500});
  s.Wait(4);
  s.Command("LBHGB");
  s.Prompt("[Check/Compress/Renumber] <Check>:", 8);
  s.Screen().shape = CursorShape::kBox;
  s.Prompt("Select beams:", 2);
  s.SelectWindow({19600, 11200}, {-900, -800}, 30);
  for (const Beam& b : beams)
    s.Model().Change(b.label, [](Entity& e) { e.selected = true; });
  s.Prompt("9 beams found.", 6);
  // The check walks the beams, one label at a time.
  for (const Beam& b : beams) {
    s.Model().Change(b.label, [](Entity& e) {
      e.selected = false;
      e.colour = kCyan;
    });
    s.Prompt(b.check, 7);
    s.Model().Change(b.label, [](Entity& e) { e.colour = kWhite; });
  }
  s.Prompt("KL7 and KL5 can be merged; KL3, KL6, KL8, KL10, KL11 and L2, L4-L7 are unused.", 10);
  s.Prompt("Command:", 3);
  s.Screen().shape = CursorShape::kCrossBox;
  s.Command("LBHGB");
  s.Answer("[Check/Compress/Renumber] <Check>:", "C");
  s.Prompt("Merge equal beams [Yes/No] <Yes>:", 8);
  s.Prompt("Compressing...", 2);
  for (const Beam& b : beams) {
    if (std::string(b.before) == b.after)
      continue;
    s.Model().Change(b.label, [&](Entity& e) {
      e.text = b.after;
      e.colour = kGreen;
    });
    s.Prompt(std::string(b.before) + " -> " + b.after, 8);
  }
  s.Prompt("9 beams, 8 numbers: KL1-KL6, L1-L2.", 4);

  // The list of numbers the command leaves, in a box over the drawing.
  const Rect& area = s.Model().Area();
  const Rect box{area.right - 250, area.top + 20, area.right - 20, area.top + 210};
  const Rect client = s.Screen().OpenBox(box, "Beam numbers");
  Raster& still = s.Screen().Still();
  const Rect table{client.left, client.top, client.right, client.bottom - 24};
  still.Fill(table, kPaper);
  DrawBevel(still, table, false);
  DrawText(still, {table.left + 6, table.top + 13}, "Old     New     Beams", kInk);
  still.Fill({table.left + 2, table.top + 17, table.right - 2, table.top + 18}, kShadow);
  int y = table.top + 30;
  for (const Beam& b : beams) {
    const std::string before(b.before), after(b.after);
    const std::string row =
        before.substr(0, before.find('(')) + std::string(8 - before.find('('), ' ') +
        after.substr(0, after.find('(')) + std::string(8 - after.find('('), ' ') +
        (std::string(b.before) == "KL5(2) 250x600" ? "2" : "1");
    DrawText(still, {table.left + 6, y}, row, kInk);
    y += 12;
  }
  const Rect ok{(client.left + client.right) / 2 - 30, client.bottom - 20,
                (client.left + client.right) / 2 + 30, client.bottom};
  DrawBevel(still, ok, true);
  DrawText(still, {ok.left + 24, ok.bottom - 6}, "OK", kInk);
  s.Wait(16);
  s.Screen().shape = CursorShape::kArrow;
  s.GlideOnScreen({(ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2}, 12);
  s.Wait(3);
  s.Screen().CloseBox(box);
  s.Screen().shape = CursorShape::kCrossBox;
  for (const Beam& b : beams)
    s.Model().Change(b.label, [](Entity& e) { e.colour = kWhite; });
  s.Prompt("Command:", 3);
}

}  // namespace torvek::gifgen

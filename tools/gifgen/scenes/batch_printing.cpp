// Batch printing: four drawing sheets lie side by side in model space. The user zooms out to
// them, selects them with a window, and the command plots them one after the other with the
// current plot setup, each sheet marked while its plot runs.
#include <string>
#include <vector>

#include "tools/gifgen/bitmap_font.h"
#include "tools/gifgen/scenes/scenes.h"
#include "tools/gifgen/structural_kit.h"

namespace torvek::gifgen {

namespace {

constexpr int kSheetW = 42000;  // A3 at 1:100
constexpr int kSheetH = 29700;
constexpr int kGap = 3000;

struct Sheet {
  Point origin;
  const char* number;
  const char* title;
  int border = -1;
};

// A sheet: trimmed edge, drawing border with the binding margin, title block, and a small
// plan (its grid different on every sheet).
void DrawSheet(Drawing& d, Sheet& sheet, int bays, int span) {
  const Point o = sheet.origin;
  d.Add(
      MakePolyline({o, {o.x + kSheetW, o.y}, {o.x + kSheetW, o.y + kSheetH}, {o.x, o.y + kSheetH}},
                   kGrey, 1, true));
  sheet.border = d.Add(MakePolyline({{o.x + 2500, o.y + 500},
                                     {o.x + kSheetW - 500, o.y + 500},
                                     {o.x + kSheetW - 500, o.y + kSheetH - 500},
                                     {o.x + 2500, o.y + kSheetH - 500}},
                                    kWhite, 2, true));
  const Point t{o.x + kSheetW - 500 - 18000, o.y + 500};
  d.Add(MakePolyline({t, {t.x + 18000, t.y}, {t.x + 18000, t.y + 4000}, {t.x, t.y + 4000}}, kWhite,
                     1, true));
  d.Add(MakeLine({t.x, t.y + 2000}, {t.x + 18000, t.y + 2000}, kWhite));
  d.Add(MakeLine({t.x + 6000, t.y}, {t.x + 6000, t.y + 4000}, kWhite));
  d.Add(MakeLine({t.x + 13000, t.y}, {t.x + 13000, t.y + 4000}, kWhite));
  d.Add(MakeText({t.x + 6500, t.y + 2500}, sheet.title, 900, kWhite));
  d.Add(MakeText({t.x + 13600, t.y + 2500}, sheet.number, 1200, kYellow));
  d.Add(MakeText({t.x + 600, t.y + 600}, "Torvek", 900, kWhite));
  // The plan.
  const Point p{o.x + 6000, o.y + 7500};
  const int w = bays * span;
  for (int i = 0; i <= bays; ++i) {
    d.Add(MakeLine({p.x + i * span, p.y - 1000}, {p.x + i * span, p.y + 14000}, kRed, kDashDot));
    d.Add(MakeCircle({p.x + i * span, p.y + 14700}, 700, kWhite));
  }
  for (int j = 0; j <= 2; ++j) {
    d.Add(MakeLine({p.x - 1000, p.y + j * 6500}, {p.x + w + 1000, p.y + j * 6500}, kRed, kDashDot));
    d.Add(MakeLine({p.x, p.y + j * 6500}, {p.x + w, p.y + j * 6500}, kYellow, kHidden));
    for (int i = 0; i <= bays; ++i)
      d.Add(MakeSolid({p.x + i * span - 400, p.y + j * 6500 - 400},
                      {p.x + i * span + 400, p.y + j * 6500 + 400}, kLightGrey));
  }
  d.Add(MakeText({p.x, p.y - 3500}, std::string(sheet.title) + "  1:100", 1100, kWhite));
}

}  // namespace

void RecordBatchPrinting(Session& s) {
  Drawing& d = s.Model();
  Sheet sheets[] = {{{0, kSheetH + kGap}, "S-01", "Foundation plan"},
                    {{kSheetW + kGap, kSheetH + kGap}, "S-02", "Column plan"},
                    {{0, 0}, "S-03", "Beam plan"},
                    {{kSheetW + kGap, 0}, "S-04", "Slab plan"}};
  d.SetView(s.CentredView({21000, 45000}, 70));
  DrawSheet(d, sheets[0], 3, 8000);
  DrawSheet(d, sheets[1], 4, 6500);
  DrawSheet(d, sheets[2], 4, 6000);
  DrawSheet(d, sheets[3], 3, 7500);

  s.Screen().cursor = d.ToScreen({20000, 40000});
  s.Wait(3);
  // Zoom out to all four sheets.
  s.Zoom({kSheetW + kGap / 2, kSheetH + kGap / 2}, 240, 8);
  s.Wait(2);
  s.CommandFromToolbar(10, "PDY", {-2500, 2 * kSheetH + kGap + 2000});
  s.Prompt("Plot setup: DWG To PDF, A3, 1:100, monochrome", 3);
  s.Prompt("Select drawing frames:", 2);
  s.Screen().shape = CursorShape::kBox;
  s.SelectWindow({-2500, 2 * kSheetH + kGap + 2000}, {2 * kSheetW + kGap + 2500, -2000}, 22);
  for (const Sheet& sheet : sheets)
    d.Change(sheet.border, [](Entity& e) { e.selected = true; });
  s.Prompt("4 frames found, plotted left to right, top to bottom.", 3);
  s.Screen().shape = CursorShape::kNone;

  const Rect& area = d.Area();
  const Rect box{(area.left + area.right) / 2 - 150, (area.top + area.bottom) / 2 - 45,
                 (area.left + area.right) / 2 + 150, (area.top + area.bottom) / 2 + 45};
  int n = 0;
  for (const Sheet& sheet : sheets) {
    ++n;
    d.Change(sheet.border, [](Entity& e) {
      e.selected = false;
      e.colour = kCyan;
    });
    s.Wait(2);
    Raster& still = s.Screen().Still();
    const Rect client = s.Screen().OpenBox(box, "Plotting");
    DrawText(still, {client.left + 4, client.top + 10},
             "Sheet " + std::to_string(n) + " of 4: " + sheet.number + " " + sheet.title, kInk);
    const Rect bar{client.left + 4, client.top + 20, client.right - 4, client.top + 36};
    still.Fill(bar, kPaper);
    DrawBevel(still, bar, false);
    for (int step = 1; step <= 10; ++step) {
      still.Fill(
          {bar.left + 2, bar.top + 2, bar.left + 2 + (bar.Width() - 4) * step / 10, bar.bottom - 2},
          kProgress);
      s.Wait(1);
    }
    s.Wait(1);
    s.Screen().CloseBox(box);
    d.Change(sheet.border, [](Entity& e) { e.colour = kWhite; });
    s.Prompt(std::string(sheet.number) + " plotted to " + sheet.number + ".pdf", 2);
  }
  s.Prompt("4 sheets plotted.", 3);
  s.Prompt("Command:", 2);
  s.Screen().shape = CursorShape::kCrossBox;
}

}  // namespace torvek::gifgen

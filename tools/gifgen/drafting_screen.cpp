#include "tools/gifgen/drafting_screen.h"

#include <algorithm>
#include <cstdio>

#include "tools/gifgen/bitmap_font.h"

namespace torvek::gifgen {

namespace {

constexpr int kLineHeight = 12;
constexpr int kCommandLines = 3;
constexpr int kButton = 22;
constexpr int kToolboxFirst = 16;  // standard buttons before the toolbox's toolbar

constexpr const char* kMenus[] = {"File", "Edit",      "View",   "Insert", "Format", "Tools",
                                  "Draw", "Dimension", "Modify", "Torvek", "Window", "Help"};

// Classic arrow pointer: 'X' outline, 'o' fill.
constexpr const char* kArrow[] = {
    "X",        "XX",       "XoX",       "XooX",       "XoooX",       "XooooX",
    "XoooooX",  "XooooooX", "XoooooooX", "XooooooooX", "XoooooXXXXX", "XooXooX",
    "XoX XooX", "XX  XooX", "X    XooX", "     XooX",  "      XX",
};

void DrawIcon(Raster& r, int icon, Point o) {
  // o is the top-left of a 16 × 16 pictogram.
  auto at = [&](int x, int y) { return Point{o.x + x, o.y + y}; };
  switch (icon) {
    case 0:  // new drawing
      r.Fill({o.x + 3, o.y + 1, o.x + 12, o.y + 15}, kWhite);
      r.Frame({o.x + 3, o.y + 1, o.x + 13, o.y + 15}, kDarkShadow);
      r.Line(at(9, 1), at(12, 4), kDarkShadow);
      break;
    case 1:  // open
      r.Fill({o.x + 1, o.y + 5, o.x + 14, o.y + 14}, kYellow);
      r.Frame({o.x + 1, o.y + 4, o.x + 14, o.y + 14}, kDarkShadow);
      r.Line(at(1, 4), at(5, 4), kOrange, kSolid, 2);
      break;
    case 2:  // save
      r.Fill({o.x + 2, o.y + 2, o.x + 14, o.y + 14}, kProgress);
      r.Fill({o.x + 4, o.y + 2, o.x + 12, o.y + 7}, kWhite);
      r.Fill({o.x + 5, o.y + 10, o.x + 11, o.y + 14}, kLightGrey);
      break;
    case 3:  // plot
      r.Fill({o.x + 4, o.y + 1, o.x + 12, o.y + 6}, kWhite);
      r.Fill({o.x + 1, o.y + 6, o.x + 15, o.y + 12}, kGrey);
      r.Fill({o.x + 4, o.y + 10, o.x + 12, o.y + 15}, kWhite);
      r.Plot(o.x + 12, o.y + 8, kGreen);
      break;
    case 4:  // line
      r.Line(at(2, 13), at(13, 2), kInk);
      r.Fill({o.x + 1, o.y + 12, o.x + 4, o.y + 15}, kRed);
      r.Fill({o.x + 12, o.y + 1, o.x + 15, o.y + 4}, kRed);
      break;
    case 5:  // polyline
      r.Line(at(1, 13), at(5, 4), kInk, kSolid, 2);
      r.Line(at(5, 4), at(10, 11), kInk, kSolid, 2);
      r.Line(at(10, 11), at(14, 2), kInk, kSolid, 2);
      break;
    case 6:  // circle
      r.Circle(at(8, 8), 6, kInk);
      r.Plot(o.x + 8, o.y + 8, kRed);
      break;
    case 7:  // rectangle
      r.Frame({o.x + 2, o.y + 4, o.x + 15, o.y + 13}, kInk);
      break;
    case 8:  // text
      DrawText(r, at(3, 13), "A", kInk, 2);
      break;
    case 9:  // linear dimension
      r.Line(at(1, 3), at(1, 13), kInk);
      r.Line(at(14, 3), at(14, 13), kInk);
      r.Line(at(1, 9), at(14, 9), kBlue);
      DrawText(r, at(4, 6), "12", kBlue);
      break;
    case 10:  // move
      r.Line(at(8, 1), at(8, 15), kInk);
      r.Line(at(1, 8), at(15, 8), kInk);
      r.Line(at(8, 1), at(5, 4), kInk);
      r.Line(at(8, 1), at(11, 4), kInk);
      r.Line(at(15, 8), at(12, 5), kInk);
      r.Line(at(15, 8), at(12, 11), kInk);
      break;
    case 11:  // copy
      r.Frame({o.x + 1, o.y + 1, o.x + 10, o.y + 10}, kInk);
      r.Fill({o.x + 6, o.y + 6, o.x + 15, o.y + 15}, kWhite);
      r.Frame({o.x + 6, o.y + 6, o.x + 15, o.y + 15}, kBlue);
      break;
    case 12:  // offset
      r.Line(at(2, 12), at(13, 2), kInk);
      r.Line(at(4, 14), at(15, 4), kRed, kSolid, 1);
      break;
    case 13:  // trim
      r.Line(at(2, 2), at(13, 13), kInk);
      r.Line(at(13, 2), at(2, 13), kRed);
      r.Circle(at(3, 12), 2, kInk);
      break;
    case 14:  // zoom
      r.Circle(at(6, 6), 5, kInk);
      r.Line(at(10, 10), at(14, 14), kInk, kSolid, 2);
      break;
    default:  // pan
      r.Fill({o.x + 4, o.y + 5, o.x + 12, o.y + 14}, kPink);
      r.Frame({o.x + 4, o.y + 5, o.x + 12, o.y + 14}, kInk);
      for (int f = 0; f < 4; ++f)
        r.Line(at(5 + 2 * f, 2), at(5 + 2 * f, 5), kInk);
      break;
  }
}

}  // namespace

void DrawBevel(Raster& raster, const Rect& r, bool raised) {
  const std::uint8_t light = raised ? kHighlight : kShadow;
  const std::uint8_t dark = raised ? kShadow : kHighlight;
  raster.Fill({r.left, r.top, r.right, r.top + 1}, light);
  raster.Fill({r.left, r.top, r.left + 1, r.bottom}, light);
  raster.Fill({r.left, r.bottom - 1, r.right, r.bottom}, dark);
  raster.Fill({r.right - 1, r.top, r.right, r.bottom}, dark);
}

ScreenLayout LayoutFor(int width, int height) {
  ScreenLayout l;
  l.menu = {0, 0, width, 18};
  l.toolbar = {0, 18, width, 46};
  l.status = {0, height - 20, width, height};
  l.command = {0, l.status.top - (kCommandLines * kLineHeight + 6), width, l.status.top};
  l.tabs = {0, l.command.top - 17, width, l.command.top};
  l.area = {0, l.toolbar.bottom, width - 15, l.tabs.top};
  l.scrollBar = {width - 15, l.toolbar.bottom, width, l.tabs.top};
  return l;
}

DraftingScreen::DraftingScreen(Raster& still, const ScreenStyle& style)
    : still_(still),
      style_(style),
      layout_(LayoutFor(still.Width(), still.Height())),
      drawing_(still, layout_.area, style.background),
      lines_(kCommandLines) {
  DrawWindow();
  drawing_.Redraw(layout_.area);
  cursor = {(layout_.area.left + layout_.area.right) / 2,
            (layout_.area.top + layout_.area.bottom) / 2};
}

void DraftingScreen::DrawWindow() {
  Raster& r = still_;
  r.Fill(r.Bounds(), kFace);

  // Menu bar.
  int x = 6;
  for (const char* menu : kMenus) {
    DrawText(r, {x, layout_.menu.top + 12}, menu, kInk);
    x += TextWidth(menu) + 12;
  }
  r.Fill({0, layout_.menu.bottom - 1, r.Width(), layout_.menu.bottom}, kShadow);

  // Standard toolbar, then the toolbox's own.
  const int top = layout_.toolbar.top + 3;
  DrawBevel(r, {2, top - 1, 2 + 3, top + kButton + 1}, true);
  x = 8;
  for (int icon = 0; icon < kToolboxFirst; ++icon) {
    DrawIcon(r, icon, {x + 3, top + 3});
    x += kButton + 1;
    if (icon == 3 || icon == 9 || icon == 13) {
      r.Fill({x + 1, top + 1, x + 2, top + kButton - 1}, kShadow);
      r.Fill({x + 2, top + 1, x + 3, top + kButton - 1}, kHighlight);
      x += 5;
    }
  }
  x += 6;
  const int count = static_cast<int>(style_.toolboxButtons.size());
  toolboxButtons_ = {x, top, x + count * (kButton + 1), top + kButton};
  if (count > 0) {
    DrawBevel(r, Inflate(toolboxButtons_, 2), true);
    for (int i = 0; i < count; ++i)
      DrawToolboxButton(i, false);
  }
  r.Fill({0, layout_.toolbar.bottom - 1, r.Width(), layout_.toolbar.bottom}, kShadow);

  // Scroll bar beside the drawing area.
  const Rect& s = layout_.scrollBar;
  r.Fill(s, kLightGrey);
  DrawBevel(r, {s.left, s.top, s.right, s.top + 15}, true);
  DrawBevel(r, {s.left, s.bottom - 15, s.right, s.bottom}, true);
  const int middle = (s.top + s.bottom) / 2;
  DrawBevel(r, {s.left, middle - 20, s.right, middle + 20}, true);
  r.Line({s.left + 4, s.top + 9}, {s.left + 7, s.top + 6}, kInk);
  r.Line({s.left + 7, s.top + 6}, {s.left + 10, s.top + 9}, kInk);
  r.Line({s.left + 4, s.bottom - 10}, {s.left + 7, s.bottom - 7}, kInk);
  r.Line({s.left + 7, s.bottom - 7}, {s.left + 10, s.bottom - 10}, kInk);

  // Layout tabs and the drawing's name.
  const Rect& t = layout_.tabs;
  int tabX = 4;
  const char* tabs[] = {"Model", "Layout1", "Layout2"};
  for (int i = 0; i < 3; ++i) {
    const int w = TextWidth(tabs[i]) + 12;
    const Rect tab{tabX, t.top, tabX + w, t.bottom - 1};
    r.Fill(tab, i == 0 ? kWhite : kFace);
    DrawBevel(r, tab, i != 0);
    DrawText(r, {tabX + 6, t.top + 11}, tabs[i], kInk);
    tabX += w + 2;
  }
  DrawText(r, {t.right - TextWidth(style_.fileName) - 8, t.top + 11}, style_.fileName, kDarkShadow);

  // Status bar.
  const Rect& st = layout_.status;
  DrawBevel(r, {2, st.top + 2, 200, st.bottom - 2}, false);
  int bx = 206;
  const char* modes[] = {"SNAP", "GRID", "ORTHO", "POLAR", "OSNAP", "OTRACK", "LWT", "MODEL"};
  for (const char* mode : modes) {
    const int w = TextWidth(mode) + 8;
    if (bx + w > st.right - 4)
      break;
    const bool on = std::string_view(mode) == "OSNAP" || std::string_view(mode) == "MODEL";
    DrawBevel(r, {bx, st.top + 2, bx + w, st.bottom - 2}, !on);
    DrawText(r, {bx + 4, st.top + 13}, mode, kInk);
    bx += w + 2;
  }
  ShowCoordinates({0, 0});
  DrawCommandLine();
}

void DraftingScreen::DrawToolboxButton(int index, bool pressed) {
  const Rect b{toolboxButtons_.left + index * (kButton + 1), toolboxButtons_.top,
               toolboxButtons_.left + index * (kButton + 1) + kButton, toolboxButtons_.bottom};
  still_.Fill(b, pressed ? kLightGrey : kFace);
  DrawBevel(still_, b, !pressed);
  const std::string& label = style_.toolboxButtons[static_cast<std::size_t>(index)];
  const int shift = pressed ? 1 : 0;
  still_.Fill({b.left + 3 + shift, b.top + 3 + shift, b.left + 7 + shift, b.top + 7 + shift},
              index % 3 == 0   ? kRed
              : index % 3 == 1 ? kBlue
                               : kGreen);
  DrawText(still_, {b.left + 5 + shift, b.bottom - 4 + shift}, label.substr(0, 2),
           index % 2 == 0 ? kSelection : kGripRed);
}

void DraftingScreen::PressToolboxButton(int index, bool pressed) {
  if (index >= 0 && index < static_cast<int>(style_.toolboxButtons.size()))
    DrawToolboxButton(index, pressed);
}

Point DraftingScreen::ToolboxButtonCentre(int index) const {
  return {toolboxButtons_.left + index * (kButton + 1) + kButton / 2,
          (toolboxButtons_.top + toolboxButtons_.bottom) / 2};
}

void DraftingScreen::DrawCommandLine() {
  const Rect& c = layout_.command;
  still_.Fill(c, kPaper);
  DrawBevel(still_, c, false);
  const int first = static_cast<int>(lines_.size()) - kCommandLines;
  for (int i = 0; i < kCommandLines; ++i) {
    const int baseline = c.top + 3 + kLineHeight * (i + 1) - 3;
    DrawText(still_, {5, baseline}, lines_[static_cast<std::size_t>(first + i)], kInk);
  }
  // The caret after the text being typed.
  const int caretX = 5 + TextWidth(lines_.back()) + 2;
  still_.Fill({caretX, c.bottom - 3 - kLineHeight + 1, caretX + 1, c.bottom - 4}, kInk);
}

void DraftingScreen::Say(std::string_view line) {
  lines_.emplace_back(line);
  if (lines_.size() > 16)
    lines_.erase(lines_.begin(), lines_.end() - kCommandLines);
  DrawCommandLine();
}

void DraftingScreen::Type(std::string_view text) {
  lines_.back().append(text);
  DrawCommandLine();
}

void DraftingScreen::EraseTyped(int characters) {
  std::string& line = lines_.back();
  line.erase(line.size() - std::min<std::size_t>(line.size(), characters));
  DrawCommandLine();
}

void DraftingScreen::ShowCoordinates(Point model) {
  const Rect box{3, layout_.status.top + 3, 199, layout_.status.bottom - 3};
  still_.Fill(box, kFace);
  char text[64];
  std::snprintf(text, sizeof text, "%d.0000, %d.0000, 0.0000", model.x, model.y);
  DrawText(still_, {box.left + 4, box.bottom - 4}, text, kInk);
}

Rect DraftingScreen::OpenBox(const Rect& frame, std::string_view title) {
  still_.Fill(frame, kFace);
  DrawBevel(still_, frame, true);
  DrawBevel(still_, Inflate(frame, -1), true);
  const Rect bar{frame.left + 3, frame.top + 3, frame.right - 3, frame.top + 19};
  still_.Fill(bar, kDialogTitle);
  DrawText(still_, {bar.left + 5, bar.bottom - 5}, title, kWhite);
  const Rect close{bar.right - 15, bar.top + 2, bar.right - 2, bar.bottom - 2};
  still_.Fill(close, kFace);
  DrawBevel(still_, close, true);
  still_.Line({close.left + 3, close.top + 3}, {close.right - 4, close.bottom - 4}, kInk);
  still_.Line({close.right - 4, close.top + 3}, {close.left + 3, close.bottom - 4}, kInk);
  return {frame.left + 6, bar.bottom + 4, frame.right - 6, frame.bottom - 6};
}

void DraftingScreen::CloseBox(const Rect& frame) {
  drawing_.Redraw(frame);
}

void DraftingScreen::DrawOverlay(Raster& screen) const {
  const Rect& area = layout_.area;
  screen.SetClip(area);
  const Point model = CursorModel();
  if (windowFrom) {
    const Point from = drawing_.ToScreen(*windowFrom);
    const bool crossing = cursor.x < from.x;
    const Point corners[4] = {from, {cursor.x, from.y}, cursor, {from.x, cursor.y}};
    for (int i = 0; i < 4; ++i)
      screen.Line(corners[i], corners[(i + 1) % 4], crossing ? kCrossing : kWindowBlue,
                  crossing ? kDashed : kSolid);
  }
  const Point dragOffset =
      dragFollows ? Point{model.x - dragBase.x, model.y - dragBase.y} : Point{0, 0};
  for (const Entity& ghost : dragged)
    drawing_.DrawEntity(screen, Moved(ghost, dragOffset));
  if (rubberFrom)
    screen.Line(drawing_.ToScreen(*rubberFrom), cursor, kWhite);
  if (snap) {
    const Point p = drawing_.ToScreen(snap->second);
    const int h = 5;
    const char* tip = "Nearest";
    switch (snap->first) {
      case SnapMarker::kEndpoint:
        screen.Frame({p.x - h, p.y - h, p.x + h + 1, p.y + h + 1}, kSnap);
        screen.Frame({p.x - h + 1, p.y - h + 1, p.x + h, p.y + h}, kSnap);
        tip = "Endpoint";
        break;
      case SnapMarker::kMidpoint:
        screen.Line({p.x - h - 1, p.y + h}, {p.x + h + 1, p.y + h}, kSnap, kSolid, 2);
        screen.Line({p.x - h - 1, p.y + h}, {p.x, p.y - h}, kSnap, kSolid, 2);
        screen.Line({p.x + h + 1, p.y + h}, {p.x, p.y - h}, kSnap, kSolid, 2);
        tip = "Midpoint";
        break;
      case SnapMarker::kIntersection:
        screen.Line({p.x - h, p.y - h}, {p.x + h, p.y + h}, kSnap, kSolid, 2);
        screen.Line({p.x + h, p.y - h}, {p.x - h, p.y + h}, kSnap, kSolid, 2);
        tip = "Intersection";
        break;
      case SnapMarker::kPerpendicular:
        screen.Line({p.x - h, p.y + h}, {p.x + h, p.y + h}, kSnap, kSolid, 2);
        screen.Line({p.x - h, p.y - h}, {p.x - h, p.y + h}, kSnap, kSolid, 2);
        screen.Line({p.x - h, p.y}, {p.x, p.y}, kSnap);
        screen.Line({p.x, p.y}, {p.x, p.y + h}, kSnap);
        tip = "Perpendicular";
        break;
      case SnapMarker::kNearest:
        screen.Line({p.x - h, p.y - h}, {p.x + h, p.y - h}, kSnap, kSolid, 2);
        screen.Line({p.x - h, p.y + h}, {p.x + h, p.y + h}, kSnap, kSolid, 2);
        screen.Line({p.x - h, p.y - h}, {p.x + h, p.y + h}, kSnap, kSolid, 2);
        screen.Line({p.x + h, p.y - h}, {p.x - h, p.y + h}, kSnap, kSolid, 2);
        break;
    }
    const Rect label{p.x + 12, p.y + 10, p.x + 12 + TextWidth(tip) + 7, p.y + 23};
    screen.Fill(label, kTooltip);
    screen.Frame(label, kInk);
    DrawText(screen, {label.left + 4, label.bottom - 4}, tip, kInk);
  }

  const int arm = std::max(area.Height() / 12, 12);
  const Point c = cursor;
  // Over the window's bars the pointer is an arrow, whatever the command shows in the drawing.
  const CursorShape drawn = area.Contains(c) ? shape : CursorShape::kArrow;
  if (drawn == CursorShape::kCross || drawn == CursorShape::kCrossBox) {
    const int gap = drawn == CursorShape::kCrossBox ? 5 : 0;
    screen.Line({c.x - arm, c.y}, {c.x - gap, c.y}, kWhite);
    screen.Line({c.x + gap, c.y}, {c.x + arm, c.y}, kWhite);
    screen.Line({c.x, c.y - arm}, {c.x, c.y - gap}, kWhite);
    screen.Line({c.x, c.y + gap}, {c.x, c.y + arm}, kWhite);
  }
  if (drawn == CursorShape::kCrossBox || drawn == CursorShape::kBox)
    screen.Frame({c.x - 4, c.y - 4, c.x + 5, c.y + 5}, kWhite);
  screen.ResetClip();
  if (drawn == CursorShape::kArrow) {
    for (int row = 0; row < static_cast<int>(std::size(kArrow)); ++row)
      for (int col = 0; kArrow[row][col] != '\0'; ++col)
        if (kArrow[row][col] != ' ')
          screen.Plot(c.x + col, c.y + row, kArrow[row][col] == 'X' ? kInk : kWhite);
  }
}

}  // namespace torvek::gifgen

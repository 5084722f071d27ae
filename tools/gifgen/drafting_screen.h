// The window a demonstration records: menu bar, toolbars (the toolbox's own among them), the
// dark drawing area with its cursor, layout tabs, a three-line command line and the status
// bar. The window and the drawing are the still layer; the cursor, rubber band, selection
// window, snap marker and dragged copies are drawn afresh for every frame.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/gifgen/drawing.h"
#include "tools/gifgen/raster.h"

namespace torvek::gifgen {

struct ScreenStyle {
  std::uint8_t background = kBlack;
  std::string fileName;                     // shown on the layout tabs' row
  std::vector<std::string> toolboxButtons;  // two-letter labels of the toolbox's toolbar
};

enum class CursorShape { kCross, kCrossBox, kBox, kArrow, kNone };
enum class SnapMarker { kEndpoint, kMidpoint, kIntersection, kPerpendicular, kNearest };

struct ScreenLayout {
  Rect menu;
  Rect toolbar;
  Rect area;
  Rect scrollBar;
  Rect tabs;
  Rect command;
  Rect status;
};
ScreenLayout LayoutFor(int width, int height);

class DraftingScreen {
 public:
  DraftingScreen(Raster& still, const ScreenStyle& style);

  const ScreenLayout& Layout() const { return layout_; }
  Drawing& Model() { return drawing_; }
  const Drawing& Model() const { return drawing_; }

  // Command line: a new line at the bottom, scrolling the others up; text typed into it.
  void Say(std::string_view line);
  void Type(std::string_view text);
  void EraseTyped(int characters);
  const std::string& CurrentLine() const { return lines_.back(); }
  // The status bar's coordinates, as a pick updates them.
  void ShowCoordinates(Point model);
  // A toolbox button drawn pressed (the command it starts is running) or raised.
  void PressToolboxButton(int index, bool pressed);
  Point ToolboxButtonCentre(int index) const;

  // A small window over the drawing area (a dialog or a progress box), its body drawn by the
  // caller into the returned client rectangle; closing it redraws what was under it.
  Rect OpenBox(const Rect& frame, std::string_view title);
  void CloseBox(const Rect& frame);
  // The still layer, for drawing a box's body.
  Raster& Still() { return still_; }

  // Overlay state.
  Point cursor{};
  CursorShape shape = CursorShape::kCrossBox;
  std::optional<Point> rubberFrom;  // model point: a line from it to the cursor
  std::optional<Point> windowFrom;  // model point: a selection window to the cursor
  std::optional<std::pair<SnapMarker, Point>> snap;  // marker at a model point
  std::vector<Entity> dragged;  // drawn moved by (cursor - dragBase), model units
  Point dragBase{};
  bool dragFollows = true;  // false: dragged copies stand still (a preview)

  void DrawOverlay(Raster& screen) const;

 private:
  void DrawWindow();
  void DrawCommandLine();
  void DrawToolboxButton(int index, bool pressed);
  Point CursorModel() const { return drawing_.ToModel(cursor); }

  Raster& still_;
  ScreenStyle style_;
  ScreenLayout layout_;
  Drawing drawing_;
  std::vector<std::string> lines_;
  Rect toolboxButtons_;
};

// A raised or sunken bevel, as the window's buttons and panels have.
void DrawBevel(Raster& raster, const Rect& r, bool raised);

}  // namespace torvek::gifgen

// What a structural plan is made of, drawn the way Chinese structural drawings show it: axes
// as red dash-dot lines with numbered bubbles, columns as filled sections, beams under the
// slab as dashed pairs, reinforcement as heavy polylines with their labels, and linear
// dimensions with oblique ticks. Lengths are millimetres.
#pragma once

#include <string>
#include <vector>

#include "tools/gifgen/drawing.h"

namespace torvek::gifgen {

struct KitStyle {
  int textHeight = 200;    // dimension and label texts
  int bubbleRadius = 400;  // axis bubbles
  std::uint8_t axisColour = kRed;
  std::uint8_t dimensionColour = kGreen;
  std::uint8_t dimensionTextColour = kWhite;
  std::uint8_t beamColour = kYellow;
  std::uint8_t columnColour = kGrey;
  std::uint8_t barColour = kOrange;
  std::uint8_t labelColour = kWhite;
};

enum class Side { kAbove, kBelow, kLeft, kRight };

class Kit {
 public:
  Kit(Drawing& drawing, const KitStyle& style) : d_(drawing), style_(style) {}
  const KitStyle& Style() const { return style_; }

  // Axes through xs and ys, running `overhang` past the outer ones, bubbles at the top and
  // on the left (or at the bottom and right as well, with `bothEnds`).
  void AxisGrid(const std::vector<int>& xs, const std::vector<int>& ys,
                const std::vector<std::string>& xNames, const std::vector<std::string>& yNames,
                int overhang, bool bothEnds = false);
  int Bubble(Point centre, const std::string& name);

  // A linear dimension between two points on a horizontal or vertical line, its dimension
  // line `offset` away (positive: above or to the right). A text longer than the line stands
  // beyond `b`. Returns the ids it added, the text last. `text` overrides the measured value.
  std::vector<int> Dimension(Point a, Point b, int offset, const std::string& text = {});
  // A chain of dimensions through `stations` along one line.
  void DimensionChain(const std::vector<Point>& stations, int offset);

  // A column section centred on `centre`.
  std::vector<int> Column(Point centre, int width, int depth);
  // A beam under the slab: two dashed lines `width` apart along the axis from a to b.
  std::vector<int> Beam(Point a, Point b, int width);
  // A bar: heavy polyline.
  int Bar(std::vector<Point> points, std::uint8_t colour = 0);
  // A top bar across a support from a to b (horizontal or vertical), with 90° legs at both
  // ends turned toward `leg` (negative: the other way).
  int TopBar(Point a, Point b, int leg);
  int Label(Point at, const std::string& text, Align align = Align::kLeft, int height = 0,
            std::uint8_t colour = 0);
  // Vertical text (reads bottom to top), anchored at the middle of its length.
  int LabelUp(Point at, const std::string& text, int height = 0, std::uint8_t colour = 0);

  // Lines of a beam's notation stacked down from `top`, line by line; returns their ids.
  std::vector<int> Notation(Point top, const std::vector<std::string>& lines,
                            Align align = Align::kLeft);

  Drawing& Model() { return d_; }

 private:
  Drawing& d_;
  KitStyle style_;
};

// The single-bar area in mm² for a diameter, rounded as the tables give it.
int BarArea(int diameter);

}  // namespace torvek::gifgen

#include "tools/gifgen/structural_kit.h"

#include <cstdlib>

namespace torvek::gifgen {

namespace {

int Sign(int v) {
  return (v > 0) - (v < 0);
}

}  // namespace

void Kit::AxisGrid(const std::vector<int>& xs, const std::vector<int>& ys,
                   const std::vector<std::string>& xNames, const std::vector<std::string>& yNames,
                   int overhang, bool bothEnds) {
  const int xMin = xs.front(), xMax = xs.back(), yMin = ys.front(), yMax = ys.back();
  const int r = style_.bubbleRadius;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    d_.Add(
        MakeLine({xs[i], yMin - overhang}, {xs[i], yMax + overhang}, style_.axisColour, kDashDot));
    if (i < xNames.size()) {
      d_.Add(MakeLine({xs[i], yMax + overhang}, {xs[i], yMax + overhang + 600}, kWhite));
      Bubble({xs[i], yMax + overhang + 600 + r}, xNames[i]);
      if (bothEnds) {
        d_.Add(MakeLine({xs[i], yMin - overhang}, {xs[i], yMin - overhang - 600}, kWhite));
        Bubble({xs[i], yMin - overhang - 600 - r}, xNames[i]);
      }
    }
  }
  for (std::size_t i = 0; i < ys.size(); ++i) {
    d_.Add(
        MakeLine({xMin - overhang, ys[i]}, {xMax + overhang, ys[i]}, style_.axisColour, kDashDot));
    if (i < yNames.size()) {
      d_.Add(MakeLine({xMin - overhang, ys[i]}, {xMin - overhang - 600, ys[i]}, kWhite));
      Bubble({xMin - overhang - 600 - r, ys[i]}, yNames[i]);
      if (bothEnds) {
        d_.Add(MakeLine({xMax + overhang, ys[i]}, {xMax + overhang + 600, ys[i]}, kWhite));
        Bubble({xMax + overhang + 600 + r, ys[i]}, yNames[i]);
      }
    }
  }
}

int Kit::Bubble(Point centre, const std::string& name) {
  d_.Add(MakeCircle(centre, style_.bubbleRadius, kWhite));
  Entity text = MakeText(centre, name, style_.bubbleRadius * 9 / 10, kWhite, Align::kCentre);
  text.middle = true;
  return d_.Add(text);
}

std::vector<int> Kit::Dimension(Point a, Point b, int offset, const std::string& text) {
  std::vector<int> ids;
  const bool horizontal = a.y == b.y || std::abs(b.x - a.x) >= std::abs(b.y - a.y);
  const std::uint8_t colour = style_.dimensionColour;
  const int gap = 150;
  const int overshoot = 150;
  const int tick = 120;
  const int measured = horizontal ? std::abs(b.x - a.x) : std::abs(b.y - a.y);
  const std::string value = text.empty() ? std::to_string(measured) : text;
  // A text longer than its dimension line stands beyond the line's far end.
  const int scale = std::max((d_.ToPixels(style_.textHeight) + 3) / 7, 1);
  const bool outside = d_.ToPixels(measured) < static_cast<int>(value.size()) * 6 * scale + 4;
  if (horizontal) {
    const int y = (offset >= 0 ? std::max(a.y, b.y) : std::min(a.y, b.y)) + offset;
    const int s = Sign(offset == 0 ? 1 : offset);
    for (Point p : {a, b})
      if (std::abs(y - p.y) > gap)
        ids.push_back(d_.Add(MakeLine({p.x, p.y + s * gap}, {p.x, y + s * overshoot}, colour)));
    ids.push_back(d_.Add(MakeLine({a.x, y}, {b.x, y}, colour)));
    for (int x : {a.x, b.x})
      ids.push_back(
          d_.Add(MakeLine({x - tick, y - tick}, {x + tick, y + tick}, colour, kSolid, 2)));
    const int beyond = b.x < a.x ? b.x - 200 : b.x + 200;
    const Point at{outside ? beyond : (a.x + b.x) / 2, y + style_.textHeight / 3};
    const Align align = !outside ? Align::kCentre : b.x < a.x ? Align::kRight : Align::kLeft;
    ids.push_back(
        d_.Add(MakeText(at, value, style_.textHeight, style_.dimensionTextColour, align)));
  } else {
    const int x = (offset >= 0 ? std::max(a.x, b.x) : std::min(a.x, b.x)) + offset;
    const int s = Sign(offset == 0 ? 1 : offset);
    for (Point p : {a, b})
      if (std::abs(x - p.x) > gap)
        ids.push_back(d_.Add(MakeLine({p.x + s * gap, p.y}, {x + s * overshoot, p.y}, colour)));
    ids.push_back(d_.Add(MakeLine({x, a.y}, {x, b.y}, colour)));
    for (int y : {a.y, b.y})
      ids.push_back(
          d_.Add(MakeLine({x - tick, y - tick}, {x + tick, y + tick}, colour, kSolid, 2)));
    const int beyond = b.y < a.y ? b.y - 200 : b.y + 200;
    const Point at{x - style_.textHeight / 3, outside ? beyond : (a.y + b.y) / 2};
    const Align align = !outside ? Align::kCentre : b.y < a.y ? Align::kRight : Align::kLeft;
    Entity label = MakeText(at, value, style_.textHeight, style_.dimensionTextColour, align);
    label.vertical = true;
    ids.push_back(d_.Add(label));
  }
  return ids;
}

void Kit::DimensionChain(const std::vector<Point>& stations, int offset) {
  for (std::size_t i = 0; i + 1 < stations.size(); ++i)
    Dimension(stations[i], stations[i + 1], offset);
}

std::vector<int> Kit::Column(Point c, int width, int depth) {
  const Point a{c.x - width / 2, c.y - depth / 2};
  const Point b{a.x + width, a.y + depth};
  return {d_.Add(MakeSolid(a, b, style_.columnColour)),
          d_.Add(MakePolyline({a, {b.x, a.y}, b, {a.x, b.y}}, kWhite, 1, true))};
}

std::vector<int> Kit::Beam(Point a, Point b, int width) {
  const int h = width / 2;
  if (a.y == b.y)
    return {d_.Add(MakeLine({a.x, a.y + h}, {b.x, b.y + h}, style_.beamColour, kHidden)),
            d_.Add(MakeLine({a.x, a.y - h}, {b.x, b.y - h}, style_.beamColour, kHidden))};
  return {d_.Add(MakeLine({a.x + h, a.y}, {b.x + h, b.y}, style_.beamColour, kHidden)),
          d_.Add(MakeLine({a.x - h, a.y}, {b.x - h, b.y}, style_.beamColour, kHidden))};
}

int Kit::Bar(std::vector<Point> points, std::uint8_t colour) {
  return d_.Add(MakePolyline(std::move(points), colour == 0 ? style_.barColour : colour, 2));
}

int Kit::TopBar(Point a, Point b, int leg) {
  if (a.y == b.y)
    return Bar({{a.x, a.y - leg}, a, b, {b.x, b.y - leg}});
  return Bar({{a.x - leg, a.y}, a, b, {b.x - leg, b.y}});
}

int Kit::Label(Point at, const std::string& text, Align align, int height, std::uint8_t colour) {
  return d_.Add(MakeText(at, text, height == 0 ? style_.textHeight : height,
                         colour == 0 ? style_.labelColour : colour, align));
}

int Kit::LabelUp(Point at, const std::string& text, int height, std::uint8_t colour) {
  Entity e = MakeText(at, text, height == 0 ? style_.textHeight : height,
                      colour == 0 ? style_.labelColour : colour, Align::kCentre);
  e.vertical = true;
  return d_.Add(e);
}

std::vector<int> Kit::Notation(Point top, const std::vector<std::string>& lines, Align align) {
  std::vector<int> ids;
  const int pitch = style_.textHeight * 2;
  for (std::size_t i = 0; i < lines.size(); ++i)
    ids.push_back(Label({top.x, top.y - static_cast<int>(i) * pitch}, lines[i], align));
  return ids;
}

int BarArea(int diameter) {
  switch (diameter) {
    case 6:
      return 28;
    case 8:
      return 50;
    case 10:
      return 79;
    case 12:
      return 113;
    case 14:
      return 154;
    case 16:
      return 201;
    case 18:
      return 254;
    case 20:
      return 314;
    case 22:
      return 380;
    case 25:
      return 491;
    case 28:
      return 616;
    case 32:
      return 804;
    default:
      return 0;
  }
}

}  // namespace torvek::gifgen

#include "tools/gifgen/drawing.h"

#include <algorithm>
#include <utility>

#include "tools/gifgen/bitmap_font.h"

namespace torvek::gifgen {

namespace {

constexpr int kGripHalf = 2;

// Rounds toward minus infinity, so that the view maps negative coordinates like positive ones.
int FloorDiv(long long numerator, long long denominator) {
  long long q = numerator / denominator;
  if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0)))
    --q;
  return static_cast<int>(q);
}

void DrawGrip(Raster& raster, Point p) {
  const Rect grip{p.x - kGripHalf, p.y - kGripHalf, p.x + kGripHalf + 1, p.y + kGripHalf + 1};
  raster.Fill(grip, kGripBlue);
  raster.Frame(Inflate(grip, 1), kWhite);
}

}  // namespace

Entity MakeLine(Point from, Point to, std::uint8_t colour, Pattern pattern, int weight) {
  Entity e;
  e.points = {from, to};
  e.colour = colour;
  e.pattern = pattern;
  e.weight = weight;
  return e;
}

Entity MakePolyline(std::vector<Point> points, std::uint8_t colour, int weight, bool closed) {
  Entity e;
  e.points = std::move(points);
  e.colour = colour;
  e.weight = weight;
  e.closed = closed;
  return e;
}

Entity MakeCircle(Point centre, int radius, std::uint8_t colour) {
  Entity e;
  e.kind = EntityKind::kCircle;
  e.points = {centre};
  e.radius = radius;
  e.colour = colour;
  return e;
}

Entity MakeText(Point anchor, std::string text, int height, std::uint8_t colour, Align align) {
  Entity e;
  e.kind = EntityKind::kText;
  e.points = {anchor};
  e.text = std::move(text);
  e.height = height;
  e.colour = colour;
  e.align = align;
  return e;
}

Entity MakeSolid(Point corner, Point opposite, std::uint8_t colour) {
  Entity e;
  e.kind = EntityKind::kFilled;
  e.points = {corner, opposite};
  e.colour = colour;
  return e;
}

Entity Moved(Entity entity, Point offset) {
  for (Point& p : entity.points)
    p = {p.x + offset.x, p.y + offset.y};
  return entity;
}

Drawing::Drawing(Raster& still, const Rect& area, std::uint8_t background)
    : still_(still), area_(area), background_(background) {}

void Drawing::SetView(const View& view) {
  view_ = view;
  Redraw(area_);
}

Point Drawing::ToScreen(Point model) const {
  const long long dx = static_cast<long long>(model.x) - view_.origin.x;
  const long long dy = static_cast<long long>(model.y) - view_.origin.y;
  return {area_.left + FloorDiv(dx * view_.pixels, view_.units),
          area_.bottom - 1 - FloorDiv(dy * view_.pixels, view_.units)};
}

Point Drawing::ToModel(Point screen) const {
  const long long dx = screen.x - area_.left;
  const long long dy = area_.bottom - 1 - screen.y;
  return {view_.origin.x + FloorDiv(dx * view_.units, view_.pixels),
          view_.origin.y + FloorDiv(dy * view_.units, view_.pixels)};
}

int Drawing::ToPixels(int length) const {
  return FloorDiv(static_cast<long long>(length) * view_.pixels, view_.units);
}

int Drawing::Add(Entity entity) {
  entities_.push_back(std::move(entity));
  still_.SetClip(area_);
  DrawEntity(still_, entities_.back());
  still_.ResetClip();
  return Count() - 1;
}

void Drawing::Redraw(const Rect& area) {
  const Rect region = Intersection(area, area_);
  if (region.Empty())
    return;
  still_.SetClip(region);
  still_.Fill(region, background_);
  DrawUcsIcon();
  for (const Entity& entity : entities_)
    if (!Intersection(Extent(entity), region).Empty())
      DrawEntity(still_, entity);
  still_.ResetClip();
}

Drawing::TextPlacement Drawing::PlaceText(const Entity& text) const {
  TextPlacement place;
  place.capPixels = std::max(ToPixels(text.height), 1);
  place.scale = (place.capPixels + 3) / kGlyphHeight;
  if (place.scale > 0) {
    place.capPixels = kGlyphHeight * place.scale;
    place.length = TextWidth(text.text, place.scale);
  } else {
    place.length =
        static_cast<int>(text.text.size()) * place.capPixels * kGlyphAdvance / kGlyphHeight;
  }
  const Point a = ToScreen(text.points[0]);
  const int shift = text.align == Align::kCentre  ? place.length / 2
                    : text.align == Align::kRight ? place.length
                                                  : 0;
  if (!text.vertical) {
    place.origin = {a.x - shift, a.y + (text.middle ? place.capPixels / 2 : 0)};
  } else {
    place.origin = {a.x - (text.middle ? place.capPixels / 2 : place.capPixels), a.y + shift};
  }
  return place;
}

Rect Drawing::Extent(const Entity& entity) const {
  if (entity.hidden || entity.points.empty())
    return {};
  Rect box;
  switch (entity.kind) {
    case EntityKind::kPolyline:
    case EntityKind::kFilled:
      for (const Point& p : entity.points)
        box = Union(box, Span(ToScreen(p), ToScreen(p)));
      box = Inflate(box, entity.weight);
      break;
    case EntityKind::kCircle: {
      const Point c = ToScreen(entity.points[0]);
      box = Inflate(Span(c, c), ToPixels(entity.radius) + 1);
      break;
    }
    case EntityKind::kText: {
      const TextPlacement place = PlaceText(entity);
      const int descent = 2 * std::max(place.scale, 1);
      if (!entity.vertical)
        box = {place.origin.x, place.origin.y - place.capPixels + 1, place.origin.x + place.length,
               place.origin.y + 1 + descent};
      else
        box = {place.origin.x, place.origin.y - place.length + 1,
               place.origin.x + place.capPixels + descent, place.origin.y + 1};
      box = Union(box, Span(ToScreen(entity.points[0]), ToScreen(entity.points[0])));
      break;
    }
  }
  return Inflate(box, kGripHalf + 2);
}

void Drawing::DrawEntity(Raster& raster, const Entity& entity) const {
  if (entity.hidden || entity.points.empty())
    return;
  const Pattern pattern = entity.selected ? kDashed : entity.pattern;
  std::vector<Point> grips;
  switch (entity.kind) {
    case EntityKind::kPolyline: {
      const std::size_t n = entity.points.size();
      for (std::size_t i = 0; i + 1 < n; ++i)
        raster.Line(ToScreen(entity.points[i]), ToScreen(entity.points[i + 1]), entity.colour,
                    pattern, entity.weight);
      if (entity.closed && n > 2)
        raster.Line(ToScreen(entity.points[n - 1]), ToScreen(entity.points[0]), entity.colour,
                    pattern, entity.weight);
      for (const Point& p : entity.points)
        grips.push_back(ToScreen(p));
      break;
    }
    case EntityKind::kFilled: {
      const Rect r = Span(ToScreen(entity.points[0]), ToScreen(entity.points[1]));
      if (entity.selected)
        raster.Frame(r, entity.colour);
      else
        raster.Fill(r, entity.colour);
      grips = {{r.left, r.top}, {r.right - 1, r.bottom - 1}};
      break;
    }
    case EntityKind::kCircle: {
      const Point c = ToScreen(entity.points[0]);
      const int r = ToPixels(entity.radius);
      raster.Circle(c, r, entity.colour, pattern);
      grips = {c, {c.x + r, c.y}, {c.x - r, c.y}, {c.x, c.y + r}, {c.x, c.y - r}};
      break;
    }
    case EntityKind::kText: {
      const TextPlacement place = PlaceText(entity);
      const auto direction = entity.vertical ? TextDirection::kUp : TextDirection::kRight;
      if (place.scale > 0) {
        DrawText(raster, place.origin, entity.text, entity.colour, place.scale, direction);
      } else if (!entity.vertical) {
        // Too small to read: a bar where the text stands, as a zoomed-out drawing shows it.
        raster.Line(place.origin, {place.origin.x + place.length, place.origin.y}, entity.colour);
      } else {
        raster.Line(place.origin, {place.origin.x, place.origin.y - place.length}, entity.colour);
      }
      if (entity.selected)
        raster.Frame(Inflate(Extent(entity), -kGripHalf), entity.colour);
      grips = {ToScreen(entity.points[0])};
      break;
    }
  }
  if (entity.selected)
    for (const Point& p : grips)
      DrawGrip(raster, p);
}

void Drawing::DrawUcsIcon() {
  const Point o{area_.left + 14, area_.bottom - 14};
  constexpr int kArm = 34;
  still_.Frame({o.x - 3, o.y - 3, o.x + 4, o.y + 4}, kWhite);
  still_.Line({o.x + 4, o.y}, {o.x + kArm, o.y}, kWhite);
  still_.Line({o.x, o.y - 4}, {o.x, o.y - kArm}, kWhite);
  still_.Line({o.x + kArm, o.y}, {o.x + kArm - 5, o.y - 3}, kWhite);
  still_.Line({o.x + kArm, o.y}, {o.x + kArm - 5, o.y + 3}, kWhite);
  still_.Line({o.x, o.y - kArm}, {o.x - 3, o.y - kArm + 5}, kWhite);
  still_.Line({o.x, o.y - kArm}, {o.x + 3, o.y - kArm + 5}, kWhite);
  DrawText(still_, {o.x + kArm - 6, o.y - 6}, "X", kWhite);
  DrawText(still_, {o.x + 6, o.y - kArm + 6}, "Y", kWhite);
}

}  // namespace torvek::gifgen

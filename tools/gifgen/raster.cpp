#include "tools/gifgen/raster.h"

#include <algorithm>
#include <cstdlib>

namespace torvek::gifgen {

Rect Union(const Rect& a, const Rect& b) {
  if (a.Empty())
    return b;
  if (b.Empty())
    return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

Rect Intersection(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  return r.Empty() ? Rect{} : r;
}

Rect Inflate(const Rect& r, int margin) {
  return {r.left - margin, r.top - margin, r.right + margin, r.bottom + margin};
}

Rect Span(Point a, Point b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
}

Raster::Raster(int width, int height, std::uint8_t fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill),
      clip_(Bounds()) {}

void Raster::SetClip(const Rect& clip) {
  clip_ = Intersection(clip, Bounds());
}

Rect Raster::TakeChanged() {
  Rect changed = changed_;
  changed_ = {};
  return changed;
}

void Raster::Plot(int x, int y, std::uint8_t colour) {
  if (!clip_.Contains({x, y}))
    return;
  pixels_[Index(x, y)] = colour;
  Mark({x, y, x + 1, y + 1});
}

void Raster::Fill(const Rect& area, std::uint8_t colour) {
  Rect r = Intersection(area, clip_);
  if (r.Empty())
    return;
  for (int y = r.top; y < r.bottom; ++y)
    std::fill_n(&pixels_[Index(r.left, y)], r.Width(), colour);
  Mark(r);
}

void Raster::Frame(const Rect& area, std::uint8_t colour) {
  if (area.Empty())
    return;
  Fill({area.left, area.top, area.right, area.top + 1}, colour);
  Fill({area.left, area.bottom - 1, area.right, area.bottom}, colour);
  Fill({area.left, area.top, area.left + 1, area.bottom}, colour);
  Fill({area.right - 1, area.top, area.right, area.bottom}, colour);
}

void Raster::Line(Point from, Point to, std::uint8_t colour, Pattern pattern, int weight) {
  // A line that cannot touch the clip costs nothing, however long it is.
  if (Intersection(Inflate(Span(from, to), weight), clip_).Empty())
    return;
  const int dx = std::abs(to.x - from.x);
  const int dy = -std::abs(to.y - from.y);
  const int sx = from.x < to.x ? 1 : -1;
  const int sy = from.y < to.y ? 1 : -1;
  const int lead = (weight - 1) / 2;
  int error = dx + dy;
  int step = 0;
  Point p = from;
  for (;;) {
    if ((pattern.bits >> (step % pattern.length)) & 1u) {
      if (weight <= 1)
        Plot(p.x, p.y, colour);
      else
        Fill({p.x - lead, p.y - lead, p.x - lead + weight, p.y - lead + weight}, colour);
    }
    ++step;
    if (p == to)
      break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      p.x += sx;
    }
    if (twice <= dx) {
      error += dx;
      p.y += sy;
    }
  }
}

void Raster::Circle(Point c, int radius, std::uint8_t colour, Pattern pattern) {
  if (radius <= 0) {
    Plot(c.x, c.y, colour);
    return;
  }
  if (Intersection(Inflate(Span(c, c), radius), clip_).Empty())
    return;
  // Midpoint circle: all eight octants advance together, so a pattern repeats symmetrically.
  int x = radius;
  int y = 0;
  int error = 1 - radius;
  for (int step = 0; x >= y; ++step) {
    if ((pattern.bits >> (step % pattern.length)) & 1u) {
      const Point octants[8] = {{x, y},   {y, x},   {-y, x}, {-x, y},
                                {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
      for (const Point& o : octants)
        Plot(c.x + o.x, c.y + o.y, colour);
    }
    ++y;
    if (error < 0) {
      error += 2 * y + 1;
    } else {
      --x;
      error += 2 * (y - x) + 1;
    }
  }
}

void Raster::Disc(Point c, int radius, std::uint8_t colour) {
  for (int dy = -radius; dy <= radius; ++dy) {
    int half = 0;
    while ((half + 1) * (half + 1) + dy * dy <= radius * radius + radius)
      ++half;
    Fill({c.x - half, c.y + dy, c.x + half + 1, c.y + dy + 1}, colour);
  }
}

void Raster::CopyFrom(const Raster& source, const Rect& area) {
  Rect r = Intersection(Intersection(area, Bounds()), source.Bounds());
  for (int y = r.top; y < r.bottom; ++y)
    std::copy_n(&source.pixels_[source.Index(r.left, y)], r.Width(), &pixels_[Index(r.left, y)]);
}

}  // namespace torvek::gifgen

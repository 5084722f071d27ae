// An 8-bit indexed picture with the few integer drawing operations a drafting screen needs.
// Every write is clipped and widens the raster's changed area, which the recorder reads to
// find what a frame has to carry.
#pragma once

#include <cstdint>
#include <vector>

namespace torvek::gifgen {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// Right and bottom are outside the rectangle.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  bool operator==(const Rect&) const = default;
};

Rect Union(const Rect& a, const Rect& b);
Rect Intersection(const Rect& a, const Rect& b);
// The rectangle grown by `margin` on every side.
Rect Inflate(const Rect& r, int margin);
// The smallest rectangle holding both points, with their pixels.
Rect Span(Point a, Point b);

// A repeating on/off run along a line, in pixels; all ones draws a solid line.
struct Pattern {
  std::uint32_t bits = 1;
  int length = 1;
};
inline constexpr Pattern kSolid{1, 1};
inline constexpr Pattern kDashed{0b0000'1111'1111, 12};             // 8 on, 4 off
inline constexpr Pattern kHidden{0b000'11111, 8};                   // 5 on, 3 off
inline constexpr Pattern kDashDot{0b000'1'000'1111'1111'1111, 19};  // long dash, dot
inline constexpr Pattern kDotted{0b01, 2};

class Raster {
 public:
  Raster(int width, int height, std::uint8_t fill = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  std::uint8_t At(int x, int y) const { return pixels_[Index(x, y)]; }
  const std::uint8_t* Row(int y) const { return &pixels_[Index(0, y)]; }

  // Drawing stays inside the clip (always inside the raster).
  void SetClip(const Rect& clip);
  void ResetClip() { clip_ = Bounds(); }
  const Rect& Clip() const { return clip_; }

  // The area written since the last call, and forgets it.
  Rect TakeChanged();

  void Plot(int x, int y, std::uint8_t colour);
  void Fill(const Rect& area, std::uint8_t colour);
  void Frame(const Rect& area, std::uint8_t colour);
  // Both end points included; `weight` pixels wide (a square brush).
  void Line(Point from, Point to, std::uint8_t colour, Pattern pattern = kSolid, int weight = 1);
  void Circle(Point centre, int radius, std::uint8_t colour, Pattern pattern = kSolid);
  void Disc(Point centre, int radius, std::uint8_t colour);
  // Copies `area` of `source` (a raster of the same size) without counting it as a change.
  void CopyFrom(const Raster& source, const Rect& area);

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  void Mark(const Rect& area) { changed_ = Union(changed_, area); }

  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
  Rect clip_;
  Rect changed_;
};

}  // namespace torvek::gifgen

// A 32-bit pixel buffer that controls paint into. Rows run top-down; a pixel is stored as the
// bytes blue, green, red, unused (0x00RRGGBB read as a little-endian word), the layout of a
// top-down 32-bit DIB, so that on Windows GDI draws into the very same memory. Colours going in
// and out are COLORREF values (0x00BBGGRR), as everywhere else in the programs.
#pragma once

#include <cstdint>
#include <vector>

namespace torvek::platform {

using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) |
         (static_cast<Colour>(blue) << 16);
}
constexpr std::uint8_t RedOf(Colour colour) {
  return static_cast<std::uint8_t>(colour);
}
constexpr std::uint8_t GreenOf(Colour colour) {
  return static_cast<std::uint8_t>(colour >> 8);
}
constexpr std::uint8_t BlueOf(Colour colour) {
  return static_cast<std::uint8_t>(colour >> 16);
}

// A colour as a surface stores it, and back.
constexpr std::uint32_t PixelOf(Colour colour) {
  return (static_cast<std::uint32_t>(RedOf(colour)) << 16) |
         (static_cast<std::uint32_t>(GreenOf(colour)) << 8) | BlueOf(colour);
}
constexpr Colour ColourOf(std::uint32_t pixel) {
  return Rgb(static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
             static_cast<std::uint8_t>(pixel));
}

// Right and bottom are outside the rectangle, as in a Win32 RECT.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

class Surface {
 public:
  virtual ~Surface() = default;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::uint32_t* Row(int y) { return pixels_ + static_cast<std::size_t>(y) * width_; }
  const std::uint32_t* Row(int y) const { return pixels_ + static_cast<std::size_t>(y) * width_; }

  // Black outside the surface.
  Colour ColourAt(int x, int y) const;
  void SetColour(int x, int y, Colour colour);
  // Clipped to the surface.
  void Fill(const Rect& area, Colour colour);
  // Copies `source` with its top-left corner at (x, y), clipped to this surface.
  void CopyFrom(const Surface& source, int x, int y);
  // Copies `area` of `source` with its top-left corner at (x, y), clipped to both surfaces;
  // the source may be this surface, the areas overlapping.
  void CopyFrom(const Surface& source, const Rect& area, int x, int y);

 protected:
  Surface() = default;
  void Attach(std::uint32_t* pixels, int width, int height);

 private:
  std::uint32_t* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// A surface in ordinary memory, black when made; a size that is not positive gives an empty one.
class MemorySurface : public Surface {
 public:
  MemorySurface(int width, int height);

 private:
  std::vector<std::uint32_t> storage_;
};

}  // namespace torvek::platform

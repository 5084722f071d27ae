// IPicture::Render's geometry for the portable pictures: the destination rectangle in pixels,
// the source rectangle in HIMETRIC running bottom-up (source y = extent height and source
// height = minus the extent height draw the picture upright), the picture scaled to the
// destination by nearest neighbour, clipped to the target. Integer arithmetic only, so every
// build draws the same pixels.
#pragma once

#include <algorithm>
#include <cstdint>

#include "common/platform/mul_div.h"
#include "common/platform/surface.h"

namespace torvek::portable {

// The extent of `pixels` in HIMETRIC, as the picture loader of Windows reports it at 96 dots
// per inch.
constexpr std::int32_t HimetricOf(int pixels) {
  return platform::MulDiv(pixels, 2540, 96);
}

struct RenderRequest {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  std::int32_t sourceX = 0;
  std::int32_t sourceY = 0;
  std::int32_t sourceWidth = 0;
  std::int32_t sourceHeight = 0;
};

namespace sampling {

// Bounds that keep every product below in 64 bits: a picture side fits in 16 bits (its
// extent in 21), a source value in 22 bits (42 m), a destination side in 20 bits.
inline constexpr int kMaxPictureSide = 65535;
inline constexpr std::int64_t kMaxSourceValue = std::int64_t{1} << 22;
inline constexpr std::int64_t kMaxDestinationSide = std::int64_t{1} << 20;

// Rounds toward minus infinity; `divisor` is positive.
constexpr std::int64_t FloorDivide(std::int64_t dividend, std::int64_t divisor) {
  const std::int64_t quotient = dividend / divisor;
  return (dividend % divisor != 0 && dividend < 0) ? quotient - 1 : quotient;
}

constexpr bool Within(std::int64_t value, std::int64_t bound) {
  return value >= -bound && value <= bound;
}

// One axis of a StretchBlt, in the picture's pixels: the source starts at start x pixels /
// extent and runs size x pixels / extent (HIMETRIC turned into pixels); the destination starts
// at `destinationStart` and runs `destinationSize`. A rectangle of negative size runs back
// from its start, the start included, as GDI takes it. Destination pixel k (counted from the
// destination's start in its own direction) takes the source pixel under its centre,
//   v = start + (k + 1/2) * size / |destinationSize|,
// which is ceil(v) - 1 for a source running forward and floor(v + 1) for one running back: on
// the line between two pixels, the one met first.
struct Axis {
  // The canvas coordinate of the lowest destination pixel, and how many there are.
  std::int64_t origin = 0;
  std::int64_t length = 0;
  // The source pixel of destination pixel origin + i is floor((first + i * step) / divisor).
  std::int64_t first = 0;
  std::int64_t step = 0;
  std::int64_t divisor = 0;
};

constexpr Axis MapAxis(std::int64_t destinationStart, std::int64_t destinationSize,
                       std::int64_t start, std::int64_t size, std::int64_t pixels,
                       std::int64_t extent) {
  Axis axis;
  axis.length = destinationSize < 0 ? -destinationSize : destinationSize;
  axis.divisor = 2 * axis.length * extent;
  // v x divisor at k = 0, and its growth per k.
  const std::int64_t atZero = 2 * axis.length * start * pixels + size * pixels;
  const std::int64_t perPixel = 2 * size * pixels;
  const std::int64_t rounding = size > 0 ? -1 : axis.divisor;
  if (destinationSize > 0) {
    axis.origin = destinationStart;
    axis.first = atZero + rounding;
    axis.step = perPixel;
  } else {
    axis.origin = destinationStart + destinationSize + 1;
    axis.first = atZero + (axis.length - 1) * perPixel + rounding;
    axis.step = -perPixel;
  }
  return axis;
}

}  // namespace sampling

// Draws a picture of `width` x `height` pixels and extent `extentWidth` x `extentHeight` onto
// `target` as `request` asks. `sample(column, row, pixel)` writes the picture's pixel at
// (column, row) into `pixel`, or leaves it alone where the picture is transparent. False for
// an empty rectangle (as IPicture::Render answers E_INVALIDARG) or one beyond the bounds
// above; true otherwise, also when nothing of the destination lies on the target.
template <typename Sample>
bool RenderSampled(platform::Surface& target, const RenderRequest& request, int width, int height,
                   std::int32_t extentWidth, std::int32_t extentHeight, Sample&& sample) {
  using sampling::FloorDivide;
  using sampling::Within;
  if (request.width == 0 || request.height == 0 || request.sourceWidth == 0 ||
      request.sourceHeight == 0)
    return false;
  if (width <= 0 || height <= 0 || width > sampling::kMaxPictureSide ||
      height > sampling::kMaxPictureSide || extentWidth <= 0 || extentHeight <= 0)
    return false;
  if (!Within(request.width, sampling::kMaxDestinationSide) ||
      !Within(request.height, sampling::kMaxDestinationSide) ||
      !Within(request.sourceX, sampling::kMaxSourceValue) ||
      !Within(request.sourceY, sampling::kMaxSourceValue) ||
      !Within(request.sourceWidth, sampling::kMaxSourceValue) ||
      !Within(request.sourceHeight, sampling::kMaxSourceValue))
    return false;

  // HIMETRIC runs up from the picture's bottom edge, pixels down from its top: source y in
  // pixels is (extentHeight - sourceY) x height / extentHeight, running by -sourceHeight.
  const sampling::Axis columns = sampling::MapAxis(request.x, request.width, request.sourceX,
                                                   request.sourceWidth, width, extentWidth);
  const sampling::Axis rows =
      sampling::MapAxis(request.y, request.height, std::int64_t{extentHeight} - request.sourceY,
                        -std::int64_t{request.sourceHeight}, height, extentHeight);

  const std::int64_t firstColumn = std::max<std::int64_t>(-columns.origin, 0);
  const std::int64_t endColumn =
      std::min<std::int64_t>(target.Width() - columns.origin, columns.length);
  const std::int64_t firstRow = std::max<std::int64_t>(-rows.origin, 0);
  const std::int64_t endRow = std::min<std::int64_t>(target.Height() - rows.origin, rows.length);
  if (firstColumn >= endColumn || firstRow >= endRow)
    return true;

  // Columns are stepped along a row without a division.
  const std::int64_t stepWhole = FloorDivide(columns.step, columns.divisor);
  const std::int64_t stepPart = columns.step - stepWhole * columns.divisor;
  const std::int64_t numerator = columns.first + firstColumn * columns.step;
  const std::int64_t firstWhole = FloorDivide(numerator, columns.divisor);
  const std::int64_t firstPart = numerator - firstWhole * columns.divisor;

  for (std::int64_t j = firstRow; j < endRow; ++j) {
    const std::int64_t row = FloorDivide(rows.first + j * rows.step, rows.divisor);
    if (row < 0 || row >= height)
      continue;
    std::uint32_t* out =
        target.Row(static_cast<int>(rows.origin + j)) + (columns.origin + firstColumn);
    std::int64_t column = firstWhole;
    std::int64_t part = firstPart;
    for (std::int64_t i = firstColumn; i < endColumn; ++i, ++out) {
      if (column >= 0 && column < width)
        sample(static_cast<int>(column), static_cast<int>(row), *out);
      column += stepWhole;
      part += stepPart;
      if (part >= columns.divisor) {
        part -= columns.divisor;
        ++column;
      }
    }
  }
  return true;
}

}  // namespace torvek::portable

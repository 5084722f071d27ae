// A Surface, or raw RGBA pixels, as a PNG file (8-bit RGB or RGBA, unfiltered rows, stored
// deflate blocks): large, but written without a compression library, for screenshots and for
// looking at what a control painted.
#pragma once

#include <cstdint>
#include <vector>

#include "common/platform/surface.h"

namespace torvek::testing {

// False for an empty surface.
bool EncodePng(const platform::Surface& surface, std::vector<std::uint8_t>& png);
// `rgba`: red, green, blue and alpha of each pixel, row by row from the top. False for an empty
// image or one whose bytes do not fit its size.
bool EncodePngRgba(int width, int height, const std::vector<std::uint8_t>& rgba,
                   std::vector<std::uint8_t>& png);

}  // namespace torvek::testing

// A Surface as a PNG file (8-bit RGB, unfiltered rows, stored deflate blocks): large, but
// written without a compression library, for screenshots and for looking at what a control
// painted.
#pragma once

#include <cstdint>
#include <vector>

#include "common/platform/surface.h"

namespace torvek::testing {

// False for an empty surface.
bool EncodePng(const platform::Surface& surface, std::vector<std::uint8_t>& png);

}  // namespace torvek::testing

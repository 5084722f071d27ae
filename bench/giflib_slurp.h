// giflib's own whole-file decoder, the yardstick of the portable loader's benchmarks.
#pragma once

#include <cstdint>
#include <vector>

namespace torvek::bench {

// DGifOpen, DGifSlurp and DGifCloseFile over `file` in memory: the number of images decoded, or
// -1 when giflib fails.
int SlurpGif(const std::vector<std::uint8_t>& file);

}  // namespace torvek::bench

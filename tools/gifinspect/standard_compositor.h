// The canvas of a GIF as GIF89a viewers and the public conformance suites compose it, which is
// not how the demonstration viewer plays it: the screen starts transparent, disposal 2 clears
// to transparent, disposal 3 puts back what was under the image, and images are clipped to the
// logical screen. The frames are cut by the viewer's frame splitter and decoded by the portable
// picture loader, the same code the viewer runs natively; only the composition differs.
#pragma once

#include <cstdint>
#include <vector>

namespace torvek::gifinspect {

// A descriptor claims up to 65535 x 65535 pixels (16 GB of RGBA) in four bytes; a screen of
// more than 16M pixels (64 MB) is refused instead of allocated.
inline constexpr std::uint64_t kMaxStandardScreenPixels = std::uint64_t{1} << 24;

struct RgbaImage {
  int width = 0;
  int height = 0;
  // Red, green, blue and alpha of each pixel, row by row from the top.
  std::vector<std::uint8_t> pixels;
};

enum class StandardOutcome {
  kComposed,
  kNotGif,
  // A screen of no pixels, or of more than kMaxStandardScreenPixels.
  kNoScreen,
};

// The canvas right after image `images` (counted from 1) is drawn, before its disposal. Plain
// text frames are not images and are left out. A file with fewer images gives the canvas after
// its last one; an image that cannot be decoded draws nothing but is disposed of as its control
// block says.
StandardOutcome ComposeStandard(const std::uint8_t* data, std::uint32_t size, int images,
                                RgbaImage& canvas);

}  // namespace torvek::gifinspect

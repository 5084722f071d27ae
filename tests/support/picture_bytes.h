// Small GIF and BMP files made byte by byte, so that both builds test with the same data
// (the Windows build has no encoder at hand). The GIF's pixel data is LZW of literal codes
// only, with a clear code often enough that the code size never grows.
#pragma once

#include <cstdint>
#include <vector>

#include "common/platform/surface.h"

namespace torvek::testing {

struct GifImageSpec {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  // width x height colour indices, row by row from the top, as the image shows them.
  std::vector<std::uint8_t> indices;
  // None when empty.
  std::vector<platform::Colour> localTable;
  bool interlaced = false;
  // A graphic control block is written when this is 0 or more.
  int transparent = -1;
};

struct GifSpec {
  bool gif87a = false;
  int screenWidth = 0;
  int screenHeight = 0;
  // None when empty.
  std::vector<platform::Colour> globalTable;
  GifImageSpec image;
};

std::vector<std::uint8_t> BuildGif(const GifSpec& spec);

// An image's pixel data as a GIF stores it: the minimum code size, then `indices`, in the order
// they are stored, as LZW of literal codes in sub-blocks, and the terminator.
void PutLiteralLzw(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& indices,
                   int minimumCodeSize);

// A 24-bit bitmap file of `width` x `height`, `pixels` row by row from the top.
std::vector<std::uint8_t> BuildBmp(int width, int height,
                                   const std::vector<platform::Colour>& pixels);

}  // namespace torvek::testing

// Writes an animation laid out as the viewer's demonstrations are: GIF89a, one 256-colour
// global table, the looping application extension, one comment, then for every frame a
// graphic control block (no delay, left in place, kTransparent as the transparent index) and
// an image with no local table and no interlace, then the trailer. giflib does the LZW coding.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "tools/gifgen/palette.h"
#include "tools/gifgen/raster.h"

namespace torvek::gifgen {

class GifWriter {
 public:
  GifWriter();
  ~GifWriter();
  GifWriter(const GifWriter&) = delete;
  GifWriter& operator=(const GifWriter&) = delete;

  // Header, screen descriptor, table, looping extension and comment.
  bool Begin(int width, int height, const Palette& palette, std::string_view comment);
  // One frame: `pixels` holds area.Width() × area.Height() indices, row by row.
  bool AddFrame(const Rect& area, std::vector<std::uint8_t>& pixels);
  // The trailer; the file's bytes are then in Bytes().
  bool Finish();

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  struct Encoder;
  // The encoder writes into bytes_ until it is closed, so it goes first.
  std::vector<std::uint8_t> bytes_;
  std::unique_ptr<Encoder> encoder_;
};

}  // namespace torvek::gifgen

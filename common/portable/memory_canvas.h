// The canvas of the portable build: a surface in ordinary memory, which the portable pictures
// draw into.
#pragma once

#include <cstdint>
#include <memory>

#include "common/platform/canvas.h"

namespace torvek::portable {

class MemoryCanvas : public platform::Canvas {
 public:
  // What a screen-compatible bitmap can be; the same bound as a decoded picture's.
  static constexpr std::int64_t kMaxPixels = std::int64_t{64} << 20;

  // Null when a side is not positive or the pixels cannot be had.
  static std::unique_ptr<MemoryCanvas> Create(int width, int height);

  int Width() const override { return surface_.Width(); }
  int Height() const override { return surface_.Height(); }
  void Fill(const platform::Rect& area, platform::Colour colour) override;
  bool CopyFrom(const platform::Canvas& source, int x, int y, int width, int height, int sourceX,
                int sourceY) override;
  void CopyTo(platform::Surface& target, int width, int height) const override;

  platform::Surface& Pixels() { return surface_; }
  const platform::Surface& Pixels() const { return surface_; }

 private:
  MemoryCanvas(int width, int height) : surface_(width, height) {}

  platform::MemorySurface surface_;
};

}  // namespace torvek::portable

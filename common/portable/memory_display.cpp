#include "common/portable/memory_display.h"

#include <cstdint>
#include <new>

#include "common/portable/memory_canvas.h"

namespace torvek::portable {

std::unique_ptr<platform::Canvas> MemoryDisplay::CreateCanvas(platform::WindowRef, int width,
                                                              int height) {
  return MemoryCanvas::Create(width, height);
}

std::unique_ptr<platform::Canvas> MemoryDisplay::CreateCompatibleCanvas(const platform::Canvas&,
                                                                        int width, int height) {
  return MemoryCanvas::Create(width, height);
}

std::unique_ptr<platform::Surface> MemoryDisplay::CreateSurface(int width, int height) {
  if (width <= 0 || height <= 0 || std::int64_t{width} * height > MemoryCanvas::kMaxPixels)
    return nullptr;
  try {
    return std::make_unique<platform::MemorySurface>(width, height);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace torvek::portable

#include "common/portable/memory_display.h"

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

}  // namespace torvek::portable

// The display of the Windows build: canvases compatible with the screen a window is on, the
// system's menu colour and the screen's resolution.
#pragma once

#include "common/platform/canvas.h"

namespace torvek::win32 {

class GdiDisplay : public platform::Display {
 public:
  std::unique_ptr<platform::Canvas> CreateCanvas(platform::WindowRef window, int width,
                                                 int height) override;
  std::unique_ptr<platform::Canvas> CreateCompatibleCanvas(const platform::Canvas& like, int width,
                                                           int height) override;
  std::unique_ptr<platform::Surface> CreateSurface(int width, int height) override;
  platform::Colour MenuColour() override;
  int LogPixelsX() override;
  int LogPixelsY() override;
};

}  // namespace torvek::win32

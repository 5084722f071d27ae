// The display of the portable build: canvases in memory, and a menu colour and resolution
// that a test or tool sets. By default those of Windows 7: 240, 240, 240 and 96 dots per inch.
#pragma once

#include "common/platform/canvas.h"

namespace torvek::portable {

class MemoryDisplay : public platform::Display {
 public:
  std::unique_ptr<platform::Canvas> CreateCanvas(platform::WindowRef window, int width,
                                                 int height) override;
  std::unique_ptr<platform::Canvas> CreateCompatibleCanvas(const platform::Canvas& like, int width,
                                                           int height) override;
  std::unique_ptr<platform::Surface> CreateSurface(int width, int height) override;
  platform::Colour MenuColour() override { return menuColour_; }
  int LogPixelsX() override { return logPixelsX_; }
  int LogPixelsY() override { return logPixelsY_; }

  void SetMenuColour(platform::Colour colour) { menuColour_ = colour; }
  void SetLogPixels(int x, int y) {
    logPixelsX_ = x;
    logPixelsY_ = y;
  }

 private:
  platform::Colour menuColour_ = platform::Rgb(240, 240, 240);
  int logPixelsX_ = 96;
  int logPixelsY_ = 96;
};

}  // namespace torvek::portable

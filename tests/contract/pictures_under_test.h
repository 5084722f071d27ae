// The display and canvases of this build: the portable ones natively, the
// Win32 ones under Wine.
#pragma once

#include <memory>
#include <vector>

#include "common/platform/canvas.h"
#include "common/platform/surface.h"

namespace torvek::contract {

std::unique_ptr<platform::Display> MakeDisplayUnderTest();
// A surface a canvas can be copied into and read back: a DIB section on Windows.
std::unique_ptr<platform::Surface> MakeReadableSurface(int width, int height);

// The canvas's colours, row by row, copied out as the control's paint copies them.
inline std::vector<platform::Colour> ReadCanvas(const platform::Canvas& canvas) {
  std::unique_ptr<platform::Surface> surface = MakeReadableSurface(canvas.Width(), canvas.Height());
  canvas.CopyTo(*surface, canvas.Width(), canvas.Height());
  std::vector<platform::Colour> colours;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x)
      colours.push_back(surface->ColourAt(x, y));
  }
  return colours;
}

// What the two builds answer differently. Each build states its own side, and the cases check
// the side they run on.
struct LoaderSide {
  const char* name;
  // What a fresh display reports for COLOR_MENU.
  platform::Colour menuColour;
};
extern const LoaderSide kSideUnderTest;

}  // namespace torvek::contract

// The picture loader, display and canvases of this build: the portable ones natively, the
// Win32 ones under Wine.
#pragma once

#include <memory>
#include <vector>

#include "common/platform/canvas.h"
#include "common/platform/picture.h"
#include "common/platform/surface.h"

namespace torvek::contract {

// OLE is initialised for the calling thread on Windows, as the program's entry point does.
std::unique_ptr<platform::PictureLoader> MakePictureLoaderUnderTest();
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

// Where Windows' picture loader as Wine 8 shows it and the portable one part ways. Each build
// states its own side, and the cases check the side they run on.
struct LoaderSide {
  const char* name;
  // What a fresh display reports for COLOR_MENU.
  platform::Colour menuColour;
  // PNG and JPEG data give pictures.
  bool readsPngAndJpeg;
  // A run-length encoded 8-bit bitmap (BI_RLE8) gives a picture.
  bool readsRunLengthBitmaps;
  // A stream that ends right after its last pixel data block, without the zero block that
  // closes the data (and without the trailer), gives a picture.
  bool readsUnterminatedPixelData;
  // An image 0 pixels wide gives a picture of one black pixel.
  bool readsZeroWidthImage;
  // An LZW minimum code size over 8 (11 in the test file) is decoded.
  bool readsCodeSizeOver8;
  // Drawn smaller than it is, a picture's dropped pixels are combined (GDI's default stretch
  // mode, BLACKONWHITE, ANDs them) rather than left out.
  bool shrinkCombinesPixels;
  // The loader survives a GIF stream without any colour table.
  bool survivesMissingColourTable;
};
extern const LoaderSide kSideUnderTest;

}  // namespace torvek::contract

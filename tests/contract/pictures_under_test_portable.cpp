#include "common/portable/memory_display.h"
#include "common/portable/portable_picture_loader.h"
#include "tests/contract/pictures_under_test.h"

namespace torvek::contract {

std::unique_ptr<platform::PictureLoader> MakePictureLoaderUnderTest() {
  return std::make_unique<portable::PortablePictureLoader>();
}

std::unique_ptr<platform::Display> MakeDisplayUnderTest() {
  return std::make_unique<portable::MemoryDisplay>();
}

std::unique_ptr<platform::Surface> MakeReadableSurface(int width, int height) {
  return std::make_unique<platform::MemorySurface>(width, height);
}

const LoaderSide kSideUnderTest = {
    .name = "portable",
    // Windows 7's, the default of the portable display.
    .menuColour = platform::Rgb(240, 240, 240),
    // Only GIF and BMP: Windows' loader reads no PNG, and JPEG is nothing the viewer shows.
    .readsPngAndJpeg = false,
    // stb_image reads no compressed bitmaps.
    .readsRunLengthBitmaps = false,
    // giflib looks for the closing block once the last row is decoded.
    .readsUnterminatedPixelData = false,
    .readsZeroWidthImage = false,
    // giflib's limit.
    .readsCodeSizeOver8 = false,
    // Nearest neighbour throughout.
    .shrinkCombinesPixels = false,
    // Every index lies past the end of an absent table, so nothing of the image is drawn.
    .survivesMissingColourTable = true,
};

}  // namespace torvek::contract

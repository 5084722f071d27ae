#include "common/win32/dib_surface.h"
#include "common/win32/gdi_display.h"
#include "common/win32/ole_picture_loader.h"
#include "common/win32/ole_session.h"
#include "tests/contract/pictures_under_test.h"

namespace torvek::contract {

std::unique_ptr<platform::PictureLoader> MakePictureLoaderUnderTest() {
  static win32::OleSession session;
  return std::make_unique<win32::OlePictureLoader>();
}

std::unique_ptr<platform::Display> MakeDisplayUnderTest() {
  return std::make_unique<win32::GdiDisplay>();
}

std::unique_ptr<platform::Surface> MakeReadableSurface(int width, int height) {
  return win32::DibSurface::Create(width, height);
}

const LoaderSide kSideUnderTest = {
    .name = "Wine",
    // Wine 8's system colours; Windows 7 reports F0F0F0.
    .menuColour = platform::Rgb(255, 255, 255),
    // Wine decodes both through its imaging component; Windows' OleLoadPicture reads JPEG but
    // no PNG.
    .readsPngAndJpeg = true,
    .readsRunLengthBitmaps = true,
    .readsUnterminatedPixelData = true,
    .readsZeroWidthImage = true,
    .readsCodeSizeOver8 = true,
    .shrinkCombinesPixels = true,
    // A page fault in Wine 8's GIF decoder, which reads the absent table.
    .survivesMissingColourTable = false,
};

}  // namespace torvek::contract

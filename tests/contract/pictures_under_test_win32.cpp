#include "common/win32/dib_surface.h"
#include "common/win32/gdi_display.h"
#include "tests/contract/pictures_under_test.h"

namespace torvek::contract {

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
};

}  // namespace torvek::contract

#include "common/portable/memory_display.h"
#include "tests/contract/pictures_under_test.h"

namespace torvek::contract {

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
};

}  // namespace torvek::contract

// The virtual screen as the user sees it, read back with GDI.
#pragma once

#include <memory>
#include <string>

#include "common/win32/dib_surface.h"

namespace torvek::testing {

// Null when the screen cannot be read.
std::unique_ptr<win32::DibSurface> CaptureScreen();
// Writes the screen as a PNG file at `path` (code page 936); false when it cannot.
bool SaveScreenshot(const std::string& path);

}  // namespace torvek::testing

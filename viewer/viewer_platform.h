// The platform services the viewer's controls are given by the program's entry point: the
// program's resources, the picture loader and the screen.
#pragma once

#include "common/platform/canvas.h"
#include "common/platform/picture.h"
#include "common/platform/resources.h"

namespace torvek::viewer {

struct ViewerPlatform {
  platform::Resources& resources;
  platform::PictureLoader& pictures;
  platform::Display& display;
};

}  // namespace torvek::viewer

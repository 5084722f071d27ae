// The platform services a program's entry point picks and hands to everything above them.
#pragma once

#include "common/platform/file_system.h"
#include "common/platform/message_box.h"
#include "common/platform/registry.h"
#include "common/platform/resources.h"

namespace torvek::platform {

struct Platform {
  Registry& registry;
  FileSystem& files;
  Resources& resources;
  MessageBoxes& messageBoxes;
};

}  // namespace torvek::platform

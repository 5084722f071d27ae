#pragma once

#include <memory>

#include "common/platform/resources.h"

namespace torvek::win32 {

// The PE resources of the running program (FindResourceA, LoadResource, LockResource).
std::unique_ptr<platform::Resources> MakeResources();

}  // namespace torvek::win32

#pragma once

#include <memory>

#include "common/platform/resources.h"

namespace torvek::contract {

// The resources of the test program itself, through this build's implementation.
std::unique_ptr<platform::Resources> MakeResourcesUnderTest();

}  // namespace torvek::contract

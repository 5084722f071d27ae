#pragma once

#include <span>

#include "common/portable/embedded_resources.h"

namespace torvek::portable {

// The table of the native program being linked, generated from its resource list.
std::span<const EmbeddedResource> ProgramResources();

}  // namespace torvek::portable

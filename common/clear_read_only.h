#pragma once

#include "common/platform/file_system.h"

namespace torvek {

// Takes the read-only attribute off a file so that it can be replaced or deleted. A missing
// path and every failure are ignored: callers go on either way.
void ClearReadOnly(platform::FileSystem& files, const char* path);

}  // namespace torvek

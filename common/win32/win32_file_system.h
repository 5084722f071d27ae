#pragma once

#include <memory>

#include "common/platform/file_system.h"

namespace torvek::win32 {

// Files through the ANSI calls and the C runtime, paths passed on as they are (code page 936).
std::unique_ptr<platform::FileSystem> MakeFileSystem();

// True under Wine (its ntdll exports wine_get_version), so that tests can tell Wine's known
// departures from Windows apart from faults of ours.
bool RunningUnderWine();

}  // namespace torvek::win32

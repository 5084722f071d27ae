#pragma once

#include <memory>

#include "common/platform/registry.h"

namespace torvek::win32 {

// The system's registry through its ANSI calls, with no view flags: a 32-bit program on 64-bit
// Windows is redirected to Wow6432Node by the system, as it will be on the user's machine.
std::unique_ptr<platform::Registry> MakeRegistry();

// True when the program is a 32-bit one on 64-bit Windows, which shows it HKLM\SOFTWARE through
// Wow6432Node.
bool RegistryIsRedirected();

// True when Wine, not Windows, answers the calls: for tests that record where the two differ.
bool IsWine();

}  // namespace torvek::win32

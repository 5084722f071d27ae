// Which registry the contract cases run against: the portable one natively, the Win32 one under
// Wine. Each build links one of registry_under_test_*.cpp.
#pragma once

#include <memory>

#include "common/platform/registry.h"
#include "common/portable/memory_registry.h"

namespace torvek::contract {

std::unique_ptr<platform::Registry> MakeRegistryUnderTest();

// The machine the registry belongs to: natively TORVEK_REGISTRY_VIEW ("plain32", else a 64-bit
// machine); under Wine the prefix the program runs in.
portable::RegistryView RegistryViewUnderTest();

// True for the Win32 registry when Wine provides it. Where Wine is known to differ from
// Windows, the cases say how and expect Windows everywhere else.
bool RegistryIsWine();

}  // namespace torvek::contract

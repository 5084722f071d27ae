// How many GDI objects a process holds, for tests that look for leaks in a program they drive.
#pragma once

#include <cstdint>
#include <string>

namespace torvek::testing {

// GetGuiResources(GR_GDIOBJECTS) of `process` (a process HANDLE). Wine 8 does not implement it;
// there the process's own GDI handle table is read instead, once the reading has been checked
// against this process's objects. False, with the reason, when neither way gives a count.
bool CountGdiObjects(std::uintptr_t process, std::uint32_t& count, std::string& fault);

}  // namespace torvek::testing

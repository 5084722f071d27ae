#include <windows.h>

#include "common/platform/dll_search.h"

namespace torvek::platform {

namespace {

// Newer than the oldest system the programs run on, so reached by name.
constexpr DWORD kLoadLibrarySearchSystem32 = 0x00000800;
using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

}  // namespace

bool RestrictDllSearchToSystemFolder() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  const auto setDefault =
      kernel != nullptr
          ? reinterpret_cast<SetDefaultDllDirectoriesFunction>(
                reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")))
          : nullptr;
  if (setDefault != nullptr && setDefault(kLoadLibrarySearchSystem32))
    return true;
  SetDllDirectoryA("");
  return false;
}

}  // namespace torvek::platform

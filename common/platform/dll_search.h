// Where a program loads DLLs from. An installer runs from a download folder full of other
// people's files, so it loads nothing from beside itself or from the current directory.
#pragma once

namespace torvek::platform {

// From now on, DLLs come only from the system folder: SetDefaultDllDirectories where the
// system has it; elsewhere (Windows 7 without its update) at least the current directory is
// taken out of the search. True when the stricter rule is in force.
bool RestrictDllSearchToSystemFolder();

}  // namespace torvek::platform

// Windows paths as the ANSI file calls read them, before any disk is looked at: a drive and the
// names below it, relative paths taken against a current directory, the names Windows refuses,
// and the wildcards of a search. Text is code page 936 throughout.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/platform/win_error.h"

namespace torvek::portable {

struct WindowsPath {
  char drive = 0;  // upper case
  std::vector<std::string> components;
};

// An absolute, relative or drive-relative ("D:name") path read against `current`, with "." and
// ".." taken out; ".." above a drive's root stays at the root. An empty path and a UNC name
// ("\\server\share") name no drive: kErrorPathNotFound.
platform::WinError ParseWindowsPath(std::string_view path, const WindowsPath& current,
                                    WindowsPath& parsed);

// A path read against C:'s root; one that names no drive is that root.
WindowsPath ParseAbsoluteWindowsPath(std::string_view path);

// "C:\a\b", or "C:\" for a drive's root.
std::string WindowsPathText(const WindowsPath& path);

// The ANSI calls take a path through a buffer of MAX_PATH UTF-16 characters, terminating zero
// included; a longer path fails there, before any folder is looked at.
bool TooLongForAnsiCalls(std::string_view path);

// False for a name holding a character Windows refuses (the wildcards * and ? only where a
// pattern is not allowed). Only single-byte characters count: a trail byte may be 0x7C ('|').
bool IsValidWindowsName(std::string_view name, bool wildcards);

// A search pattern's match: '*' is any run of characters, '?' one character. Both texts are
// upper-cased by the caller.
bool MatchesMask(std::string_view mask, std::string_view name);

}  // namespace torvek::portable

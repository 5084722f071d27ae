// The host's side of the portable file system, as Wine keeps a Windows tree on a Unix disk:
// names in UTF-8, read-only as the missing owner-write bit, hidden and system in an extended
// attribute, and the C runtime's text mode over binary files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "common/platform/file_system.h"

namespace torvek::portable {

// What MoveFile and ReplaceFile answer across drives; the C runtime's EXDEV.
inline constexpr platform::WinError kErrorNotSameDevice = 17;

std::filesystem::path HostName(const std::string& utf8);
// The last name of a host path, in UTF-8.
std::string Utf8Name(const std::filesystem::path& host);
// A host name as the ANSI calls show it: a character code page 936 lacks becomes '?', as
// WideCharToMultiByte makes it.
std::string Cp936FromHost(const std::string& utf8);

platform::WinError WinErrorFrom(const std::error_code& error);
platform::WinError WinErrorFromErrno();

// The attributes Wine shows for a host file or folder; kInvalidAttributes when there is none.
// Every file of a read-only drive is read-only; a drive's root is never hidden.
std::uint32_t HostAttributes(const std::filesystem::path& host, bool readOnlyDrive, bool root);
// Hidden and system, where the host keeps extended attributes; nothing elsewhere.
void WriteDosAttributes(const std::filesystem::path& host, std::uint32_t attributes);
bool SetHostReadOnly(const std::filesystem::path& host, bool readOnly);

// Copies the bytes; a copy that fails part-way is removed, as CopyFile removes it.
platform::WinError CopyHostFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Reading, writing (created or truncated) or writing a file that must not exist yet.
std::unique_ptr<platform::TextStream> OpenHostTextStream(const std::filesystem::path& host,
                                                         platform::TextMode mode,
                                                         platform::WinError& error);

}  // namespace torvek::portable

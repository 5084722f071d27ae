// Files as the Win32 ANSI calls and the C runtime's text streams show them. Paths are Windows
// paths in code page 936 ("C:\Program Files\..."); results are Win32 error codes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/platform/win_error.h"

namespace torvek::platform {

struct FindData {
  std::string name;  // the entry's own name, code page 936
  std::uint32_t attributes = 0;
};

// One FindFirstFileA search; destroying it is FindClose.
class DirectorySearch {
 public:
  virtual ~DirectorySearch() = default;
  // FindNextFileA: kErrorNoMoreFiles past the last entry.
  virtual WinError Next(FindData& entry) = 0;
};

enum class ReadStatus { kLine, kEnd, kError };

// A stream opened in text mode: CR LF on disk is one line feed in memory, a Ctrl+Z ends the
// input, and every line feed written becomes CR LF.
class TextStream {
 public:
  virtual ~TextStream() = default;
  // Reads one whole line, whatever its length, with its line feed when it has one.
  virtual ReadStatus ReadLine(std::string& line) = 0;
  // False when not everything could be written (a full disk, a read error on the stream).
  virtual bool Write(std::string_view text) = 0;
  // Flushes and closes; false when the flush failed. Destroying an open stream closes it too.
  virtual bool Close() = 0;
};

// kCreateNew writes a file that must not exist yet (CreateFileA with CREATE_NEW): an existing
// file is never opened, let alone truncated, and the open fails with kErrorFileExists.
enum class TextMode { kRead, kWrite, kCreateNew };

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // GetCurrentDirectoryA, whole, however long; "C:\" at a drive root.
  virtual std::string CurrentDirectory() = 0;
  // GetTempPathA: the system's temporary folder, with its trailing backslash.
  virtual std::string TempDirectory() = 0;
  // GetFullPathNameA: `path` made absolute against the current directory, "." and ".." taken
  // out; empty when it cannot be.
  virtual std::string FullPath(const char* path) = 0;

  // FindFirstFileA on a pattern such as "C:\Kit\*.*". On success `first` holds the first entry
  // and `search` the open search.
  virtual WinError FindFirst(const char* pattern, FindData& first,
                             std::unique_ptr<DirectorySearch>& search) = 0;

  // CopyFileA. The copy takes the source's attributes, read-only included.
  virtual WinError CopyFile(const char* from, const char* to, bool failIfExists) = 0;
  // MoveFileExA, with MOVEFILE_REPLACE_EXISTING when `replaceExisting`: `from` takes the place
  // of `to`, with its own attributes. Without it an existing `to` fails with
  // kErrorAlreadyExists.
  virtual WinError MoveFile(const char* from, const char* to, bool replaceExisting) = 0;
  // ReplaceFileA without a backup: `replacement` takes the place of `replaced`, which must exist
  // and keeps its attributes and security. A read-only `replaced` is refused.
  virtual WinError ReplaceFile(const char* replaced, const char* replacement) = 0;
  virtual WinError DeleteFile(const char* path) = 0;
  virtual WinError CreateDirectory(const char* path) = 0;
  virtual WinError RemoveDirectory(const char* path) = 0;
  // _mkdir: 0, or the C runtime's errno (EEXIST 17, ENOENT 2, EACCES 13).
  virtual int MakeDirectory(const char* path) = 0;
  // _access: 0 when the path exists and allows `mode` (0 exists, 2 write, 4 read, 6 both),
  // otherwise -1.
  virtual int Access(const char* path, int mode) = 0;

  // GetFileAttributesA: kInvalidAttributes for a path that cannot be read.
  virtual std::uint32_t GetAttributes(const char* path) = 0;
  virtual WinError SetAttributes(const char* path, std::uint32_t attributes) = 0;
  // GetFileAttributesExA's size: the bytes a copy of the file needs (zero for a folder).
  virtual WinError FileSize(const char* path, std::uint64_t& size) = 0;

  // fopen in text mode ("rt" or "wt": writing creates or truncates; kCreateNew as above). Null
  // on failure, with the reason in `error`.
  virtual std::unique_ptr<TextStream> OpenText(const char* path, TextMode mode,
                                               WinError& error) = 0;
};

}  // namespace torvek::platform

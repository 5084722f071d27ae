#include <windows.h>

#include <direct.h>
#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

// The interface's names are those of the Win32 calls; <windows.h> makes them macros.
#undef CopyFile
#undef CreateDirectory
#undef DeleteFile
#undef MoveFile
#undef RemoveDirectory
#undef ReplaceFile

#include "common/win32/win32_file_system.h"

namespace torvek::win32 {

namespace {

using platform::ReadStatus;
using platform::WinError;

WinError Result(BOOL ok) {
  return ok ? platform::kErrorSuccess : GetLastError();
}

// GetCurrentDirectoryA and GetTempPathA answer with the length written, or with the size they
// need when the buffer is too small (the terminating zero counted or not: one more fits either
// way). The folder may change between two calls, hence the few rounds.
template <typename Call>
std::string GrowingString(Call call) {
  std::string text(MAX_PATH, '\0');
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD length = call(static_cast<DWORD>(text.size()), text.data());
    if (length == 0)
      return {};
    if (length < text.size()) {
      text.resize(length);
      return text;
    }
    text.resize(length + 1);
  }
  return {};
}

void Fill(platform::FindData& entry, const WIN32_FIND_DATAA& data) {
  entry.name.assign(data.cFileName, strnlen(data.cFileName, sizeof data.cFileName));
  entry.attributes = data.dwFileAttributes;
}

class Win32Search : public platform::DirectorySearch {
 public:
  explicit Win32Search(HANDLE handle) : handle_(handle) {}
  ~Win32Search() override { FindClose(handle_); }
  Win32Search(const Win32Search&) = delete;
  Win32Search& operator=(const Win32Search&) = delete;

  WinError Next(platform::FindData& entry) override {
    WIN32_FIND_DATAA data;
    if (!FindNextFileA(handle_, &data))
      return GetLastError();
    Fill(entry, data);
    return platform::kErrorSuccess;
  }

 private:
  HANDLE handle_;
};

class Win32TextStream : public platform::TextStream {
 public:
  Win32TextStream(std::FILE* file, bool writing) : file_(file), writing_(writing) {}
  ~Win32TextStream() override { Close(); }
  Win32TextStream(const Win32TextStream&) = delete;
  Win32TextStream& operator=(const Win32TextStream&) = delete;

  ReadStatus ReadLine(std::string& line) override {
    line.clear();
    if (file_ == nullptr || writing_)
      return ReadStatus::kError;
    // A line longer than the buffer comes in pieces; the last piece ends with the line feed.
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, file_) != nullptr) {
      const std::size_t length = strnlen(buffer, sizeof buffer);
      line.append(buffer, length);
      if (length > 0 && buffer[length - 1] == '\n')
        return ReadStatus::kLine;
    }
    if (std::ferror(file_))
      return ReadStatus::kError;
    return line.empty() ? ReadStatus::kEnd : ReadStatus::kLine;
  }

  bool Write(std::string_view text) override {
    if (file_ == nullptr || !writing_)
      return false;
    return std::fwrite(text.data(), 1, text.size(), file_) == text.size();
  }

  bool Close() override {
    if (file_ == nullptr)
      return false;
    bool ok = !writing_ || (std::fflush(file_) == 0 && !std::ferror(file_));
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    return ok;
  }

 private:
  std::FILE* file_;
  bool writing_;
};

// For the rare fopen failure that leaves no Win32 error behind.
WinError WinErrorFromErrno(int error) {
  switch (error) {
    case ENOENT:
      return platform::kErrorFileNotFound;
    case EEXIST:
      return platform::kErrorFileExists;
    case ENOSPC:
      return platform::kErrorDiskFull;
    case EINVAL:
      return platform::kErrorInvalidParameter;
    default:
      return platform::kErrorAccessDenied;
  }
}

class Win32FileSystem : public platform::FileSystem {
 public:
  std::string CurrentDirectory() override {
    return GrowingString(
        [](DWORD size, char* buffer) { return GetCurrentDirectoryA(size, buffer); });
  }

  std::string TempDirectory() override {
    return GrowingString([](DWORD size, char* buffer) { return GetTempPathA(size, buffer); });
  }

  std::string FullPath(const char* path) override {
    return GrowingString(
        [path](DWORD size, char* buffer) { return GetFullPathNameA(path, size, buffer, nullptr); });
  }

  WinError FindFirst(const char* pattern, platform::FindData& first,
                     std::unique_ptr<platform::DirectorySearch>& search) override {
    search.reset();
    WIN32_FIND_DATAA data;
    const HANDLE handle = FindFirstFileA(pattern, &data);
    if (handle == INVALID_HANDLE_VALUE)
      return GetLastError();
    Fill(first, data);
    search = std::make_unique<Win32Search>(handle);
    return platform::kErrorSuccess;
  }

  WinError CopyFile(const char* from, const char* to, bool failIfExists) override {
    return Result(CopyFileA(from, to, failIfExists ? TRUE : FALSE));
  }

  WinError MoveFile(const char* from, const char* to, bool replaceExisting) override {
    return Result(MoveFileExA(from, to, replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0));
  }

  WinError ReplaceFile(const char* replaced, const char* replacement) override {
    return Result(ReplaceFileA(replaced, replacement, nullptr, 0, nullptr, nullptr));
  }

  WinError DeleteFile(const char* path) override { return Result(DeleteFileA(path)); }

  WinError CreateDirectory(const char* path) override {
    return Result(CreateDirectoryA(path, nullptr));
  }

  WinError RemoveDirectory(const char* path) override { return Result(RemoveDirectoryA(path)); }

  int MakeDirectory(const char* path) override {
    errno = 0;
    return _mkdir(path) == 0 ? 0 : errno;
  }

  int Access(const char* path, int mode) override { return _access(path, mode); }

  std::uint32_t GetAttributes(const char* path) override { return GetFileAttributesA(path); }

  WinError SetAttributes(const char* path, std::uint32_t attributes) override {
    return Result(SetFileAttributesA(path, attributes));
  }

  WinError FileSize(const char* path, std::uint64_t& size) override {
    size = 0;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data))
      return GetLastError();
    size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return platform::kErrorSuccess;
  }

  std::unique_ptr<platform::TextStream> OpenText(const char* path, platform::TextMode mode,
                                                 WinError& error) override {
    if (mode == platform::TextMode::kCreateNew)
      return CreateNewText(path, error);
    const bool write = mode == platform::TextMode::kWrite;
    SetLastError(ERROR_SUCCESS);
    errno = 0;
    std::FILE* file = std::fopen(path, write ? "wt" : "rt");
    if (file == nullptr) {
      // The C runtime keeps the error of the CreateFile call that failed.
      error = GetLastError();
      if (error == platform::kErrorSuccess)
        error = WinErrorFromErrno(errno);
      return nullptr;
    }
    error = platform::kErrorSuccess;
    return std::make_unique<Win32TextStream>(file, write);
  }

 private:
  // fopen has no mode that refuses an existing file in this runtime: the file is created by
  // CreateFileA and handed to a text stream.
  static std::unique_ptr<platform::TextStream> CreateNewText(const char* path, WinError& error) {
    const HANDLE handle =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      error = GetLastError();
      return nullptr;
    }
    const int descriptor =
        _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_WRONLY | _O_TEXT);
    if (descriptor == -1) {
      CloseHandle(handle);
      DeleteFileA(path);
      error = platform::kErrorInvalidHandle;
      return nullptr;
    }
    std::FILE* file = _fdopen(descriptor, "wt");
    if (file == nullptr) {
      error = WinErrorFromErrno(errno);
      _close(descriptor);
      DeleteFileA(path);
      return nullptr;
    }
    error = platform::kErrorSuccess;
    return std::make_unique<Win32TextStream>(file, true);
  }
};

}  // namespace

std::unique_ptr<platform::FileSystem> MakeFileSystem() {
  return std::make_unique<Win32FileSystem>();
}

bool RunningUnderWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace torvek::win32

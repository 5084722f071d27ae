// Another file system with the failures a test asks for: a call that fails a few times, a file
// that a running AutoCAD holds open, a disk that fills up part-way through a write, a file
// that cannot be read to its end. Everything else goes through to the wrapped file system.
//
// Paths are compared as they are written, without regard to case: "C:\Kit\acad.rx" matches
// "c:\kit\ACAD.RX" but not "C:\Kit\.\acad.rx". A copy or a replace matches by either path.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/platform/file_system.h"

namespace torvek::testing {

class FaultyFileSystem : public platform::FileSystem {
 public:
  enum class Operation {
    kFindFirst,  // matched by the pattern
    kCopyFile,
    kMoveFile,
    kReplaceFile,
    kDeleteFile,
    kCreateDirectory,
    kRemoveDirectory,
    kMakeDirectory,  // fails with the C runtime's errno for the error (ErrnoFromWinError)
    kAccess,         // fails with -1
    kGetAttributes,  // fails with kInvalidAttributes
    kSetAttributes,
    kFileSize,
    kOpenRead,
    kOpenWrite,  // writing, created new or not
  };

  static constexpr std::uint64_t kUnlimited = ~std::uint64_t{0};

  explicit FaultyFileSystem(platform::FileSystem& inner);
  ~FaultyFileSystem() override;

  // The next `times` calls of `operation` naming `path` fail with `error` and change nothing.
  void FailNext(Operation operation, std::string_view path, platform::WinError error,
                int times = 1);
  // Lets the next `passing` calls of `operation` naming `path` through, then fails one.
  void FailAfter(Operation operation, std::string_view path, int passing, platform::WinError error);

  // Held open by another program that lets others only read it, as a running AutoCAD holds
  // its modules: copying onto it, replacing it or moving it away, deleting it and opening it
  // for writing fail with ERROR_SHARING_VIOLATION until it is unlocked.
  void Lock(std::string_view path);
  void Unlock(std::string_view path);

  // The disk fills up after `bytes` more bytes, counted as they land on the disk (a line feed
  // written in text mode is two); deleting gives nothing back. A text stream writes what fits,
  // then its Write and its Close answer false, as the C runtime's do on a full disk. A copy
  // that does not fit fails with ERROR_DISK_FULL and leaves no file behind, as Windows'
  // CopyFile deletes a copy it could not finish; a file that was there before is lost as well,
  // since the copy had already overwritten it. kUnlimited makes room again.
  void FillDiskAfter(std::uint64_t bytes);
  std::uint64_t FreeBytes() const;

  // Every text stream that reads `path` gives `lines` lines and then kError.
  void FailReadingAfter(std::string_view path, int lines);

  // The drive takes no change, as a CD: its files show the read-only attribute (and copies of
  // them take it), and whatever would write, create, rename or delete on it fails with
  // ERROR_ACCESS_DENIED. For machines whose own file system cannot make such a drive.
  void MakeDriveReadOnly(char letter);

  // Takes every fault away and frees the disk.
  void Reset();

  std::string CurrentDirectory() override;
  std::string TempDirectory() override;
  std::string FullPath(const char* path) override;
  platform::WinError FindFirst(const char* pattern, platform::FindData& first,
                               std::unique_ptr<platform::DirectorySearch>& search) override;
  platform::WinError CopyFile(const char* from, const char* to, bool failIfExists) override;
  platform::WinError MoveFile(const char* from, const char* to, bool replaceExisting) override;
  platform::WinError ReplaceFile(const char* replaced, const char* replacement) override;
  platform::WinError DeleteFile(const char* path) override;
  platform::WinError CreateDirectory(const char* path) override;
  platform::WinError RemoveDirectory(const char* path) override;
  int MakeDirectory(const char* path) override;
  int Access(const char* path, int mode) override;
  std::uint32_t GetAttributes(const char* path) override;
  platform::WinError SetAttributes(const char* path, std::uint32_t attributes) override;
  platform::WinError FileSize(const char* path, std::uint64_t& size) override;
  std::unique_ptr<platform::TextStream> OpenText(const char* path, platform::TextMode mode,
                                                 platform::WinError& error) override;

  struct State;  // the faults; defined where the streams that share it are

 private:
  bool Injected(Operation operation, std::string_view path, std::string_view other,
                platform::WinError& error);
  bool Locked(std::string_view path) const;
  bool OnReadOnlyDrive(std::string_view path) const;

  platform::FileSystem& inner_;
  // Shared with the streams handed out, so that one left open when this goes does no harm.
  std::shared_ptr<State> state_;
};

}  // namespace torvek::testing

// Windows files on a host disk, as Wine keeps them: each drive letter is a host folder (Wine's
// dosdevices), names are looked up without regard to case and stored as UTF-8, and the
// attributes live where Wine keeps them too (read-only as the absent owner-write bit, hidden
// and system in the "user.DOSATTRIB" extended attribute where the host has one). So the same
// tree can be used by this class and by Wine alike.
//
// The read-only attribute is enforced here rather than left to the host: tests run as root,
// and root's writes are stopped by no permission bit.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "common/platform/file_system.h"
#include "common/portable/host_name_index.h"

namespace torvek::portable {

class HostFileSystem : public platform::FileSystem {
 public:
  // `drives` maps an upper- or lower-case letter to a host folder. The current and the temporary
  // folder are Windows paths on those drives; they need not exist yet.
  HostFileSystem(const std::map<char, std::filesystem::path>& drives,
                 std::string_view currentDirectory, std::string_view tempDirectory);

  void MapDrive(char letter, const std::filesystem::path& folder);
  // A drive that takes no change, as a CD-ROM: every file on it is read-only, and whatever would
  // write, create, rename or delete fails with ERROR_ACCESS_DENIED.
  void SetDriveReadOnly(char letter, bool readOnly);
  // Relative paths are taken against the current directory from now on.
  void SetCurrentDirectory(std::string_view path);
  void SetTempDirectory(std::string_view path);

  // The host path a Windows path names (existing components with their host spelling, the rest
  // as given); false when it names nothing on a mapped drive.
  bool HostPath(const char* path, std::filesystem::path& host);

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

 private:
  struct Drive {
    std::filesystem::path folder;
    bool readOnly = false;
  };
  struct Resolved;

  Resolved Resolve(std::string_view path);

  std::map<char, Drive> drives_;
  std::string currentDirectory_;
  std::string tempDirectory_;
  HostNameIndex names_;
};

// The C runtime's errno for a failed call's Win32 error, as _mkdir and fopen report it.
int ErrnoFromWinError(platform::WinError error);

}  // namespace torvek::portable

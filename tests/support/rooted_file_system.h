// Another file system seen through drive letters of its own: "C:\x" is passed on as
// "<folder for C>\x". Tests run Wine's real file calls this way on fresh folders that stand in
// for whole drives, so that a test may install into C:\Program Files or start a kit from the
// root of D: without touching the prefix's own drives. The current and temporary folders are the
// stand-in drives' own.
#pragma once

#include <map>
#include <string>

#include "common/platform/file_system.h"

namespace torvek::testing {

class RootedFileSystem : public platform::FileSystem {
 public:
  // `drives` maps an upper-case letter to a folder of `inner`, without a trailing backslash.
  RootedFileSystem(platform::FileSystem& inner, std::map<char, std::string> drives);

  void SetCurrentDirectory(std::string path) { currentDirectory_ = std::move(path); }
  // The path `inner` is given for a path of these drives; unchanged when no drive maps it.
  std::string Map(std::string_view path) const;
  // The other way: a path of `inner` below a drive's folder as a path of that drive.
  std::string Unmap(std::string_view path) const;

  std::string CurrentDirectory() override { return currentDirectory_; }
  std::string TempDirectory() override { return "C:\\Temp\\"; }
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
  platform::FileSystem& inner_;
  std::map<char, std::string> drives_;
  std::string currentDirectory_ = "C:\\";
};

}  // namespace torvek::testing

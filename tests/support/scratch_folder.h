// A folder of the host's own for one test's drives, made afresh under a name no other test (or
// run) has, and taken away with everything in it, read-only copies included.
#pragma once

#include <filesystem>
#include <string>

namespace torvek::testing {

class ScratchFolder {
 public:
  // Below the host's temporary folder, named `stem` and a number no one else has taken.
  explicit ScratchFolder(const std::string& stem);
  // Below `base`, for tests whose paths must stay short (a drive right below C:\ under Wine).
  ScratchFolder(const std::filesystem::path& base, const std::string& stem);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Makes `relative` (and what lies above it) below the folder, and answers its path.
  std::filesystem::path Make(const std::filesystem::path& relative) const;

 private:
  std::filesystem::path path_;
};

}  // namespace torvek::testing

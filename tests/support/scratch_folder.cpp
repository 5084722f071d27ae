#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>

namespace torvek::testing {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(const std::string& stem)
    : ScratchFolder(fs::temp_directory_path(),
                    stem + std::to_string(std::random_device()()) + "-") {}

ScratchFolder::ScratchFolder(const fs::path& base, const std::string& stem) {
  static std::atomic<unsigned> counter = 0;
  for (;;) {
    path_ = base / (stem + std::to_string(counter++));
    std::error_code error;
    if (fs::create_directory(path_, error))
      return;
    if (error) {
      ADD_FAILURE() << "no scratch folder at " << path_ << ": " << error.message();
      return;
    }
  }
}

ScratchFolder::~ScratchFolder() {
  // Copies from a CD are read-only, and a Windows host refuses to delete those.
  std::error_code error;
  for (fs::recursive_directory_iterator it(path_, error), end; !error && it != end;
       it.increment(error)) {
    fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, error);
  }
  fs::remove_all(path_, error);
}

fs::path ScratchFolder::Make(const fs::path& relative) const {
  std::error_code error;
  fs::create_directories(path_ / relative, error);
  return path_ / relative;
}

}  // namespace torvek::testing

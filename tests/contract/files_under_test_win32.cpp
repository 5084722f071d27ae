// The Win32 file system, each test in a fresh folder below the system's temporary folder.
#include <direct.h>
#include <process.h>

#include <cstdio>
#include <cstdlib>

#include "common/clear_read_only.h"
#include "common/win32/win32_file_system.h"
#include "tests/contract/files_under_test.h"

namespace torvek::contract {

namespace {

// Empties and removes a folder through the calls under test; read-only files are freed first.
void RemoveTree(platform::FileSystem& files, const std::string& folder) {
  platform::FindData entry;
  std::unique_ptr<platform::DirectorySearch> search;
  if (files.FindFirst((folder + "\\*.*").c_str(), entry, search) == platform::kErrorSuccess) {
    do {
      if (entry.name == "." || entry.name == "..")
        continue;
      const std::string path = folder + "\\" + entry.name;
      if ((entry.attributes & platform::kAttributeDirectory) != 0) {
        RemoveTree(files, path);
      } else {
        ClearReadOnly(files, path.c_str());
        files.DeleteFile(path.c_str());
      }
    } while (search->Next(entry) == platform::kErrorSuccess);
  }
  search.reset();
  files.RemoveDirectory(folder.c_str());
}

class Win32Files : public FilesUnderTest {
 public:
  Win32Files() : files_(win32::MakeFileSystem()) {
    static int counter = 0;
    const std::string base =
        files_->TempDirectory() + "torvek-files-" + std::to_string(_getpid()) + "-";
    do {
      scratch_ = base + std::to_string(counter++);
    } while (files_->CreateDirectory(scratch_.c_str()) == platform::kErrorAlreadyExists);
  }

  ~Win32Files() override {
    if (!formerDirectory_.empty())
      _chdir(formerDirectory_.c_str());
    RemoveTree(*files_, scratch_);
  }

  void EnterScratch() override {
    if (formerDirectory_.empty())
      formerDirectory_ = files_->CurrentDirectory();
    _chdir(scratch_.c_str());
  }

  platform::FileSystem& Files() override { return *files_; }
  const std::string& Scratch() const override { return scratch_; }
  std::string DriveRoot() const override { return scratch_.substr(0, 3); }

  char UnmappedDrive() override {
    for (char letter = 'Y'; letter > 'C'; --letter) {
      const std::string root = std::string(1, letter) + ":\\";
      if (files_->GetAttributes(root.c_str()) == platform::kInvalidAttributes)
        return letter;
    }
    return 0;
  }

  bool ReadOnlyEnforced() const override {
    return !win32::RunningUnderWine() || std::getenv("TORVEK_READONLY_ENFORCED") != nullptr;
  }
  Side WhichSide() const override {
    return win32::RunningUnderWine() ? Side::kWine : Side::kWindows;
  }

  bool ReadBytes(const std::string& path, std::string& bytes) override {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
      return false;
    bytes.clear();
    char buffer[512];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
      bytes.append(buffer, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
  }

  bool WriteBytes(const std::string& path, std::string_view bytes) override {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
      return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
  }

 private:
  std::unique_ptr<platform::FileSystem> files_;
  std::string scratch_;
  std::string formerDirectory_;
};

}  // namespace

std::unique_ptr<FilesUnderTest> FilesUnderTest::Make() {
  return std::make_unique<Win32Files>();
}

}  // namespace torvek::contract

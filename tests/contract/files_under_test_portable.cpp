// The portable file system, its C: drive a fresh host folder for each test.
#include <filesystem>
#include <fstream>

#include "common/portable/host_file_system.h"
#include "tests/contract/files_under_test.h"
#include "tests/support/scratch_folder.h"

namespace torvek::contract {

namespace {

namespace fs = std::filesystem;

class PortableFiles : public FilesUnderTest {
 public:
  PortableFiles()
      : host_("torvek-files-"),
        files_({{'C', host_.Path()}}, "C:\\", "C:\\Temp\\"),
        scratch_("C:\\Scratch") {
    host_.Make("Temp");
    host_.Make("Scratch");
  }

  platform::FileSystem& Files() override { return files_; }
  const std::string& Scratch() const override { return scratch_; }
  std::string DriveRoot() const override { return "C:\\"; }
  char UnmappedDrive() override { return 'Q'; }
  bool ReadOnlyEnforced() const override { return true; }
  Side WhichSide() const override { return Side::kPortable; }

  void EnterScratch() override { files_.SetCurrentDirectory(scratch_); }

  bool ReadBytes(const std::string& path, std::string& bytes) override {
    fs::path host;
    if (!files_.HostPath(path.c_str(), host))
      return false;
    std::ifstream in(host, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return static_cast<bool>(in) || in.eof();
  }

  bool WriteBytes(const std::string& path, std::string_view bytes) override {
    fs::path host;
    if (!files_.HostPath(path.c_str(), host))
      return false;
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
  }

 private:
  torvek::testing::ScratchFolder host_;
  portable::HostFileSystem files_;
  std::string scratch_;
};

}  // namespace

std::unique_ptr<FilesUnderTest> FilesUnderTest::Make() {
  return std::make_unique<PortableFiles>();
}

}  // namespace torvek::contract

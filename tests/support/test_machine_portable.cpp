// The portable machine: host folders for C: and D: and an in-memory registry.
#include <gtest/gtest.h>

#include <atomic>
#include <random>

#include "common/portable/host_file_system.h"
#include "common/portable/reg_file.h"
#include "tests/support/test_machine.h"

namespace torvek::testing {

namespace {

namespace fs = std::filesystem;

fs::path FreshHostFolder() {
  static std::atomic<unsigned> counter = 0;
  std::error_code error;
  const fs::path base = fs::temp_directory_path(error);
  for (;;) {
    fs::path folder = base / ("torvek-machine-" + std::to_string(std::random_device()()) + "-" +
                              std::to_string(counter++));
    if (fs::create_directory(folder, error)) {
      fs::create_directories(folder / "c" / "Temp", error);
      fs::create_directory(folder / "d", error);
      return folder;
    }
  }
}

class PortableMachine : public MachineBackend {
 public:
  explicit PortableMachine(portable::RegistryView view)
      : root_(FreshHostFolder()),
        files_({{'C', root_ / "c"}, {'D', root_ / "d"}}, "C:\\", "C:\\Temp\\"),
        registry_(view) {}

  ~PortableMachine() override {
    std::error_code error;
    for (fs::recursive_directory_iterator it(root_, error), end; !error && it != end;
         it.increment(error)) {
      fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, error);
    }
    fs::remove_all(root_, error);
  }

  platform::FileSystem& Files() override { return files_; }
  platform::Registry& Registry() override { return registry_; }
  void SetCurrentDirectory(std::string_view path) override { files_.SetCurrentDirectory(path); }
  bool MakeDriveReadOnly(char letter) override {
    files_.SetDriveReadOnly(letter, true);
    return true;
  }
  fs::path RealPath(std::string_view windowsPath) override {
    fs::path host;
    EXPECT_TRUE(files_.HostPath(std::string(windowsPath).c_str(), host)) << windowsPath;
    return host;
  }
  void ImportReg(std::string_view utf8Text) override {
    const portable::RegFileResult result = portable::ImportRegFile(registry_, utf8Text);
    ASSERT_TRUE(result.ok()) << "line " << result.line << ": " << result.message;
  }
  void ExportLiteral(const std::vector<std::string>& keys,
                     portable::MemoryRegistry& into) override {
    std::string text;
    for (const std::string& key : keys) {
      platform::RegKey probe = platform::kNoKey;
      const std::string below = key.substr(key.find('\\') + 1);
      if (registry_.OpenLiteralKey(platform::kLocalMachine, below.c_str(), probe) !=
          platform::kErrorSuccess) {
        continue;
      }
      registry_.CloseKey(probe);
      ASSERT_TRUE(
          portable::ExportRegFile(registry_, portable::RegFileFormat::kUtf8, text, key).ok());
      ASSERT_TRUE(portable::ImportRegFile(into, text).ok());
    }
  }
  bool Real() const override { return false; }
  bool ReadOnlyEnforced() const override { return true; }

 private:
  fs::path root_;
  portable::HostFileSystem files_;
  portable::MemoryRegistry registry_;
};

}  // namespace

bool CanMakeMachine(portable::RegistryView) {
  return true;
}

std::unique_ptr<MachineBackend> MakeMachineBackend(portable::RegistryView view) {
  return std::make_unique<PortableMachine>(view);
}

}  // namespace torvek::testing

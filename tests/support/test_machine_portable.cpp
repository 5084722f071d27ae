// The portable machine: host folders for C: and D: and an in-memory registry.
#include <gtest/gtest.h>

#include "common/portable/host_file_system.h"
#include "common/portable/reg_file.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/test_machine.h"

namespace torvek::testing {

namespace {

namespace fs = std::filesystem;

class PortableMachine : public MachineBackend {
 public:
  explicit PortableMachine(portable::RegistryView view)
      : root_("torvek-machine-"),
        files_({{'C', root_.Make("c")}, {'D', root_.Make("d")}}, "C:\\", "C:\\Temp\\"),
        registry_(view) {
    root_.Make("c/Temp");
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
  ScratchFolder root_;
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

// A machine for the installer's tests: drives C: and D: on fresh host folders, the portable
// file system over them with a fault wrapper in front, and an in-memory registry seen as a
// 32-bit program sees a 64-bit Windows (or as a 32-bit Windows has it).
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/portable/faulty_file_system.h"
#include "common/portable/host_file_system.h"
#include "common/portable/memory_registry.h"

namespace torvek::testing {

class TestMachine {
 public:
  explicit TestMachine(portable::RegistryView view = portable::RegistryView::kWow64);
  ~TestMachine();
  TestMachine(const TestMachine&) = delete;
  TestMachine& operator=(const TestMachine&) = delete;

  // What the code under test is handed.
  platform::FileSystem& files() { return faulty_; }
  platform::Registry& registry() { return registry_; }
  portable::FaultyFileSystem& faults() { return faulty_; }
  portable::HostFileSystem& host() { return host_; }
  portable::MemoryRegistry& memoryRegistry() { return registry_; }

  // Loads a .reg file's text (UTF-8, as the fixtures are written) into the registry; fails the
  // test on a malformed file.
  void ImportReg(std::string_view utf8Text);
  // The registry below HKEY_LOCAL_MACHINE\`key` as UTF-8 .reg text, for comparisons.
  std::string ExportReg(std::string_view key);

  // Writes a file's bytes as they lie on the disk, making its folders.
  void Put(std::string_view windowsPath, std::string_view bytes);
  // The bytes on the disk; nullopt when there is no such file.
  std::optional<std::string> Get(std::string_view windowsPath);
  void MakeFolder(std::string_view windowsPath);
  bool Exists(std::string_view windowsPath);
  std::uint32_t Attributes(std::string_view windowsPath) {
    return host_.GetAttributes(std::string(windowsPath).c_str());
  }
  void SetReadOnly(std::string_view windowsPath);
  std::filesystem::path HostPath(std::string_view windowsPath);

 private:
  std::filesystem::path root_;
  portable::HostFileSystem host_;
  portable::FaultyFileSystem faulty_;
  portable::MemoryRegistry registry_;
};

}  // namespace torvek::testing

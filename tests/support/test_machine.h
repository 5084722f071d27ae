// A machine for the installer's tests: drives C: and D:, a file system with a fault wrapper in
// front, and a registry seen as a 32-bit program sees a 64-bit Windows (or as a 32-bit Windows
// has it). Natively it is all portable: host folders and an in-memory registry. In the Windows
// build under Wine it is the real thing: Wine's file calls on two fresh folders standing in for
// C: and D:, and the prefix's own registry, filled and read back with the system's reg tool.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/portable/memory_registry.h"
#include "common/testing/faulty_file_system.h"

namespace torvek::testing {

// What differs between the two kinds of machine.
class MachineBackend {
 public:
  virtual ~MachineBackend() = default;
  virtual platform::FileSystem& Files() = 0;
  virtual platform::Registry& Registry() = 0;
  virtual void SetCurrentDirectory(std::string_view windowsPath) = 0;
  // A drive that takes no change, as a CD. False when this machine cannot make one.
  virtual bool MakeDriveReadOnly(char letter) = 0;
  // Where a Windows path of the machine lies for this process's own file streams.
  virtual std::filesystem::path RealPath(std::string_view windowsPath) = 0;
  // Applies a .reg file (UTF-8) to the literal registry tree.
  virtual void ImportReg(std::string_view utf8Text) = 0;
  // Copies the literal subtrees below each key (full paths) into `into`.
  virtual void ExportLiteral(const std::vector<std::string>& keys,
                             portable::MemoryRegistry& into) = 0;
  // True for Wine's own files and registry.
  virtual bool Real() const = 0;
  virtual bool ReadOnlyEnforced() const = 0;
};

// The backend of this build, for a machine of the given kind.
std::unique_ptr<MachineBackend> MakeMachineBackend(portable::RegistryView view);

// The machine's kind under Wine is the prefix's; natively any kind can be made.
bool CanMakeMachine(portable::RegistryView view);

class TestMachine {
 public:
  explicit TestMachine(portable::RegistryView view = portable::RegistryView::kWow64);
  ~TestMachine();
  TestMachine(const TestMachine&) = delete;
  TestMachine& operator=(const TestMachine&) = delete;

  // What the code under test is handed.
  platform::FileSystem& files() { return *faulty_; }
  platform::Registry& registry() { return backend_->Registry(); }
  torvek::testing::FaultyFileSystem& faults() { return *faulty_; }

  bool Real() const { return backend_->Real(); }
  // Whether a read-only file refuses to be written (not so for Wine run as root).
  bool ReadOnlyEnforced() const { return backend_->ReadOnlyEnforced(); }
  void SetCurrentDirectory(std::string_view windowsPath) {
    backend_->SetCurrentDirectory(windowsPath);
  }
  // A drive that takes no change, as a CD: the machine's own where it has them, the fault
  // wrapper's otherwise (Wine keeps no read-only drives).
  void MakeDriveReadOnly(char letter) {
    if (!backend_->MakeDriveReadOnly(letter))
      faulty_->MakeDriveReadOnly(letter);
  }

  // Loads a .reg file's text (UTF-8, as the fixtures are written) into the registry; fails the
  // test on a malformed file.
  void ImportReg(std::string_view utf8Text);
  // The registry below each of `keys` (below HKEY_LOCAL_MACHINE) as UTF-8 .reg text in one
  // form for both kinds of machine: keys in registry order, values sorted by name, the
  // SOFTWARE key spelt as Windows spells it.
  std::string ExportReg(const std::vector<std::string>& keys);
  std::string ExportReg(std::string_view key) {
    return ExportReg(std::vector<std::string>{std::string(key)});
  }

  // Writes a file's bytes as they lie on the disk, making its folders.
  void Put(std::string_view windowsPath, std::string_view bytes);
  // The bytes on the disk; nullopt when there is no such file.
  std::optional<std::string> Get(std::string_view windowsPath);
  void MakeFolder(std::string_view windowsPath);
  bool Exists(std::string_view windowsPath);
  // The names of the files directly in a folder, in the platform's order; none for a folder that
  // is not there.
  std::vector<std::string> FileNames(std::string_view folder);
  std::uint32_t Attributes(std::string_view windowsPath);
  void SetReadOnly(std::string_view windowsPath);
  std::filesystem::path RealPath(std::string_view windowsPath) {
    return backend_->RealPath(windowsPath);
  }

 private:
  std::unique_ptr<MachineBackend> backend_;
  std::unique_ptr<torvek::testing::FaultyFileSystem> faulty_;
};

// A key path with HKEY_LOCAL_MACHINE's "Software" spelt as Windows spells it ("SOFTWARE"), as
// the fixtures and goldens do; Wine spells it "Software". `below` is what stands before that
// key in `path`: "" for paths below HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE\" for full ones.
std::string WindowsSpelling(std::string path, std::string_view below);

// Rewrites `from` as .reg text in the canonical form ExportReg describes.
std::string CanonicalReg(portable::MemoryRegistry& from, const std::vector<std::string>& keys);

}  // namespace torvek::testing

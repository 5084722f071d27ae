// The real machine under Wine: the prefix's file calls on two fresh folders standing in for
// C: and D:, and the prefix's own registry. The registry is filled and read back with the
// system's reg tool, which sees the literal tree (/reg:64) as the 64-bit regedit does; what a
// test leaves in it is deleted again, so the prefix stays as it was for the next test.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "common/portable/reg_file.h"
#include "common/text/code_page.h"
#include "common/win32/win32_file_system.h"
#include "common/win32/win32_registry.h"
#include "tests/support/rooted_file_system.h"
#include "tests/support/test_machine.h"

namespace torvek::testing {

namespace {

// What tests write below HKLM\SOFTWARE, as a 32-bit program names it. On a 32-bit machine
// Wow6432Node is a key like any other, which fixtures of such machines may fill too.
constexpr const char* kTestKeys[] = {"SOFTWARE\\Autodesk", "SOFTWARE\\Torvek",
                                     "SOFTWARE\\Wow6432Node\\Autodesk"};

bool ThisPrefixIs64Bit() {
  return win32::RegistryIsRedirected();
}

// Runs a command of the system quietly; its exit status.
int Run(const std::string& command) {
  return std::system((command + " >NUL 2>&1").c_str());
}

void DeleteTree(platform::Registry& registry, platform::RegKey parent, const std::string& name) {
  platform::RegKey key = platform::kNoKey;
  if (registry.OpenKeyEx(parent, name.c_str(), platform::kKeyAllAccess, key) ==
      platform::kErrorSuccess) {
    for (;;) {
      char child[256] = {};
      std::uint32_t length = sizeof child;
      if (registry.EnumKey(key, 0, child, length) != platform::kErrorSuccess)
        break;
      DeleteTree(registry, key, child);
    }
    registry.CloseKey(key);
  }
  registry.DeleteKey(parent, name.c_str());
}

class WineMachine : public MachineBackend {
 public:
  explicit WineMachine(portable::RegistryView)
      : files_(win32::MakeFileSystem()), registry_(win32::MakeRegistry()) {
    // Right below the prefix's own C:, so that a path near the platform's limit on the stand-in
    // drives is near it on the disk too: "C:\x" lies at "C:\t<n>\c\x", five or six bytes on.
    for (unsigned n = 0;; ++n) {
      root_ = "C:\\t" + std::to_string(n);
      const platform::WinError made = files_->CreateDirectory(root_.c_str());
      if (made == platform::kErrorSuccess)
        break;
      if (made != platform::kErrorAlreadyExists) {
        ADD_FAILURE() << "cannot make " << root_ << ": error " << made;
        break;
      }
    }
    for (const char* sub : {"\\c", "\\c\\Temp", "\\d"}) {
      files_->CreateDirectory((root_ + sub).c_str());
    }
    rooted_ = std::make_unique<RootedFileSystem>(
        *files_, std::map<char, std::string>{{'C', root_ + "\\c"}, {'D', root_ + "\\d"}});
    // A test program that stopped half-way may have left its keys behind: once per program,
    // the native root is cleared as well.
    static bool clearedAtStart = false;
    nativeRootTouched_ = !clearedAtStart;
    clearedAtStart = true;
    CleanRegistry();
    nativeRootTouched_ = false;
  }

  ~WineMachine() override {
    CleanRegistry();
    RemoveTree(root_);
  }

  platform::FileSystem& Files() override { return *rooted_; }
  platform::Registry& Registry() override { return *registry_; }
  void SetCurrentDirectory(std::string_view path) override {
    rooted_->SetCurrentDirectory(std::string(path));
  }
  // Wine keeps no read-only drives; a read-only folder stops only an unprivileged user.
  bool MakeDriveReadOnly(char) override { return false; }
  // Built from UTF-16: a narrow path would be read as UTF-8 by the C++ library, not as the
  // code page 936 text it is.
  std::filesystem::path RealPath(std::string_view windowsPath) override {
    std::u16string wide;
    EXPECT_TRUE(Cp936ToUtf16(rooted_->Map(windowsPath), wide)) << windowsPath;
    return std::filesystem::path(std::wstring(wide.begin(), wide.end()));
  }

  void ImportReg(std::string_view utf8Text) override {
    std::u16string wide;
    ASSERT_TRUE(Utf8ToUtf16(utf8Text, wide));
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : wide) {
      if (unit == u'\n')
        bytes.append("\r\0", 2);
      bytes.push_back(static_cast<char>(unit & 0xFF));
      bytes.push_back(static_cast<char>(unit >> 8));
    }
    const std::string file = root_ + "\\import.reg";
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_EQ(Run("reg import \"" + file + "\"" + ViewFlag()), 0) << utf8Text;
    nativeRootTouched_ =
        nativeRootTouched_ ||
        utf8Text.find("HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk") != std::string_view::npos;
  }

  void ExportLiteral(const std::vector<std::string>& keys,
                     portable::MemoryRegistry& into) override {
    const std::string file = root_ + "\\export.reg";
    for (const std::string& key : keys) {
      if (Run("reg export \"" + key + "\" \"" + file + "\" /y" + ViewFlag()) != 0)
        continue;
      std::ifstream in(file, std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      const portable::RegFileResult result = portable::ImportRegFile(into, bytes);
      ASSERT_TRUE(result.ok()) << key << ": line " << result.line << ": " << result.message;
    }
  }

  bool Real() const override { return true; }
  bool ReadOnlyEnforced() const override {
    return std::getenv("TORVEK_READONLY_ENFORCED") != nullptr;
  }

 private:
  static std::string ViewFlag() { return ThisPrefixIs64Bit() ? " /reg:64" : ""; }

  void CleanRegistry() {
    for (const char* key : kTestKeys)
      DeleteTree(*registry_, platform::kLocalMachine, key);
    // The native root of a 64-bit machine is out of a 32-bit program's sight.
    if (nativeRootTouched_ && ThisPrefixIs64Bit()) {
      Run("reg delete \"HKLM\\SOFTWARE\\Autodesk\" /f /reg:64");
    }
  }

  void RemoveTree(const std::string& folder) {
    platform::FindData entry;
    std::unique_ptr<platform::DirectorySearch> search;
    if (files_->FindFirst((folder + "\\*.*").c_str(), entry, search) == platform::kErrorSuccess) {
      do {
        if (entry.name == "." || entry.name == "..")
          continue;
        const std::string path = folder + "\\" + entry.name;
        files_->SetAttributes(path.c_str(), platform::kAttributeNormal);
        if ((entry.attributes & platform::kAttributeDirectory) != 0) {
          RemoveTree(path);
        } else {
          files_->DeleteFile(path.c_str());
        }
      } while (search->Next(entry) == platform::kErrorSuccess);
    }
    search.reset();
    files_->RemoveDirectory(folder.c_str());
  }

  std::unique_ptr<platform::FileSystem> files_;
  std::unique_ptr<platform::Registry> registry_;
  std::unique_ptr<RootedFileSystem> rooted_;
  std::string root_;
  bool nativeRootTouched_ = false;
};

}  // namespace

bool CanMakeMachine(portable::RegistryView view) {
  return (view == portable::RegistryView::kWow64) == ThisPrefixIs64Bit();
}

std::unique_ptr<MachineBackend> MakeMachineBackend(portable::RegistryView view) {
  return std::make_unique<WineMachine>(view);
}

}  // namespace torvek::testing

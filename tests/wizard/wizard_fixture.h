// A machine for the wizard's cases, the same in both builds: drives C: and D: on a fresh host
// folder with a fault wrapper in front, an in-memory registry as a 32-bit program sees a
// 64-bit Windows, the folder dialog's stand-in, and the user of this build's host. The kit lies
// in D:\Kit, the current directory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/portable/headless_folder_dialog.h"
#include "common/portable/host_file_system.h"
#include "common/portable/memory_registry.h"
#include "common/testing/faulty_file_system.h"
#include "installer/acad/acad_install_table.h"
#include "installer/wizard/install_options.h"
#include "installer/wizard/setup_services.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scripted_host.h"

namespace torvek::setup::testing {

class WizardFixture : public ::testing::Test {
 protected:
  WizardFixture();
  ~WizardFixture() override;

  // The sample machine's registry (AutoCAD 2008 and 2014 for 32 bits, 2015 for 64 bits), the
  // 32-bit installations' folders, and a small kit.
  void UseSampleMachine();
  // Applies a .reg text (UTF-8) to the registry.
  void ImportReg(std::string_view utf8Text);
  void ImportReg(std::u8string_view utf8Text) {
    ImportReg(std::string_view(reinterpret_cast<const char*>(utf8Text.data()), utf8Text.size()));
  }
  // The table start-up fills, empty.
  acad::AcadInstallTable& Table();
  // The table, filled from the registry as start-up does.
  acad::AcadInstallTable& Discover();

  void Put(std::string_view path, std::string_view text);
  std::optional<std::string> Get(std::string_view path);
  void MakeFolder(std::string_view path);
  bool Exists(std::string_view path);
  // The registry value HKLM\SOFTWARE\Torvek "Torvek_Path" as the installer reads it.
  std::optional<std::string> RecordedFolder();

  SetupServices Services();
  void ExpectNoFaults();

  torvek::testing::ScratchFolder root_;
  portable::HostFileSystem host_;
  torvek::testing::FaultyFileSystem files_;
  portable::MemoryRegistry registry_;
  std::unique_ptr<torvek::testing::ScriptedHost> user_;
  portable::HeadlessFolderDialogs folders_;
  std::unique_ptr<acad::AcadInstallTable> table_;
  InstallOptions options_;
};

// The product folder below an install folder.
std::string ProductFolder(std::string_view installFolder);

}  // namespace torvek::setup::testing

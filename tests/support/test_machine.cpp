#include "tests/support/test_machine.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <random>

#include "common/cp936_text.h"
#include "common/portable/reg_file.h"

namespace torvek::testing {

namespace fs = std::filesystem;

namespace {

fs::path FreshHostFolder() {
  static std::atomic<unsigned> counter = 0;
  std::error_code error;
  const fs::path base = fs::temp_directory_path(error);
  for (;;) {
    fs::path folder = base / ("torvek-machine-" + std::to_string(std::random_device()()) + "-" +
                              std::to_string(counter++));
    if (fs::create_directory(folder, error)) {
      fs::create_directory(folder / "c", error);
      fs::create_directory(folder / "d", error);
      fs::create_directories(folder / "c" / "Temp", error);
      return folder;
    }
  }
}

}  // namespace

TestMachine::TestMachine(portable::RegistryView view)
    : root_(FreshHostFolder()),
      host_({{'C', root_ / "c"}, {'D', root_ / "d"}}, "C:\\", "C:\\Temp\\"),
      faulty_(host_),
      registry_(view) {}

TestMachine::~TestMachine() {
  std::error_code error;
  for (fs::recursive_directory_iterator it(root_, error), end; !error && it != end;
       it.increment(error)) {
    fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, error);
  }
  fs::remove_all(root_, error);
}

void TestMachine::ImportReg(std::string_view utf8Text) {
  const portable::RegFileResult result = portable::ImportRegFile(registry_, utf8Text);
  ASSERT_TRUE(result.ok()) << "line " << result.line << ": " << result.message;
}

std::string TestMachine::ExportReg(std::string_view key) {
  std::string out;
  const portable::RegFileResult result = portable::ExportRegFile(
      registry_, portable::RegFileFormat::kUtf8, out, "HKEY_LOCAL_MACHINE\\" + std::string(key));
  EXPECT_TRUE(result.ok()) << result.message;
  return out;
}

fs::path TestMachine::HostPath(std::string_view windowsPath) {
  fs::path host;
  EXPECT_TRUE(host_.HostPath(std::string(windowsPath).c_str(), host)) << windowsPath;
  return host;
}

void TestMachine::MakeFolder(std::string_view windowsPath) {
  // One level at a time, through the file system itself, so that each level is spelled the
  // way the code under test will look it up.
  for (std::size_t i = 3; i <= windowsPath.size(); i += CharLength(windowsPath, i)) {
    if (i == windowsPath.size() || windowsPath[i] == '\\') {
      host_.CreateDirectory(std::string(windowsPath.substr(0, i)).c_str());
    }
    if (i == windowsPath.size())
      break;
  }
}

void TestMachine::Put(std::string_view windowsPath, std::string_view bytes) {
  const std::size_t slash = windowsPath.rfind('\\');
  if (slash != std::string_view::npos && slash > 2)
    MakeFolder(windowsPath.substr(0, slash));
  const fs::path host = HostPath(windowsPath);
  std::ofstream out(host, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << windowsPath;
}

std::optional<std::string> TestMachine::Get(std::string_view windowsPath) {
  fs::path host;
  std::error_code error;
  if (!host_.HostPath(std::string(windowsPath).c_str(), host) ||
      !fs::is_regular_file(host, error)) {
    return std::nullopt;
  }
  std::ifstream in(host, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TestMachine::Exists(std::string_view windowsPath) {
  return host_.GetAttributes(std::string(windowsPath).c_str()) != platform::kInvalidAttributes;
}

void TestMachine::SetReadOnly(std::string_view windowsPath) {
  const std::string path(windowsPath);
  ASSERT_EQ(host_.SetAttributes(path.c_str(),
                                host_.GetAttributes(path.c_str()) | platform::kAttributeReadOnly),
            platform::kErrorSuccess);
}

}  // namespace torvek::testing

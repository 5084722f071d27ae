#include "tests/support/test_machine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "common/portable/reg_file.h"
#include "common/text/cp936_text.h"
#include "common/text/path_split.h"

namespace torvek::testing {

namespace {

void CopySorted(portable::MemoryRegistry& from, platform::RegKey source, const std::string& path,
                portable::MemoryRegistry& to) {
  platform::RegKey target = platform::kNoKey;
  if (to.CreateLiteralKey(platform::kLocalMachine, WindowsSpelling(path, "").c_str(), target) !=
      platform::kErrorSuccess) {
    ADD_FAILURE() << "cannot create " << path;
    return;
  }
  std::vector<portable::RegValue> values;
  portable::RegValue value;
  for (std::uint32_t i = 0; from.EnumValue(source, i, value) == platform::kErrorSuccess; ++i) {
    values.push_back(value);
  }
  std::sort(values.begin(), values.end(), [](const auto& a, const auto& b) {
    return ToUpperAscii(a.name) < ToUpperAscii(b.name);
  });
  for (const portable::RegValue& each : values) {
    // One byte of room after the data, not zero, so that it is stored exactly as it is.
    std::vector<std::uint8_t> data = each.data;
    data.push_back(1);
    to.SetValue(target, each.name.c_str(), each.type, data.data(),
                static_cast<std::uint32_t>(each.data.size()));
  }
  to.CloseKey(target);
  std::string name;
  for (std::uint32_t i = 0; from.EnumKeyName(source, i, name) == platform::kErrorSuccess; ++i) {
    platform::RegKey child = platform::kNoKey;
    if (from.OpenLiteralKey(source, name.c_str(), child) != platform::kErrorSuccess)
      continue;
    CopySorted(from, child, path + "\\" + name, to);
    from.CloseKey(child);
  }
}

}  // namespace

std::string WindowsSpelling(std::string path, std::string_view below) {
  const std::string wine = std::string(below) + "Software";
  if (path.compare(0, wine.size(), wine) == 0 &&
      (path.size() == wine.size() || path[wine.size()] == '\\')) {
    path.replace(below.size(), wine.size() - below.size(), "SOFTWARE");
  }
  return path;
}

std::string CanonicalReg(portable::MemoryRegistry& from, const std::vector<std::string>& keys) {
  portable::MemoryRegistry canonical(portable::RegistryView::kPlain32);
  std::vector<std::string> present;
  for (const std::string& key : keys) {
    platform::RegKey source = platform::kNoKey;
    if (from.OpenLiteralKey(platform::kLocalMachine, key.c_str(), source) !=
        platform::kErrorSuccess) {
      continue;
    }
    CopySorted(from, source, key, canonical);
    from.CloseKey(source);
    present.push_back("HKEY_LOCAL_MACHINE\\" + WindowsSpelling(key, ""));
  }
  std::string out;
  if (present.empty())
    return out;
  const portable::RegFileResult result =
      portable::ExportRegFile(canonical, portable::RegFileFormat::kUtf8, out, present);
  EXPECT_TRUE(result.ok()) << result.message;
  return out;
}

TestMachine::TestMachine(portable::RegistryView view)
    : backend_(MakeMachineBackend(view)),
      faulty_(std::make_unique<torvek::testing::FaultyFileSystem>(backend_->Files())) {}

TestMachine::~TestMachine() = default;

void TestMachine::ImportReg(std::string_view utf8Text) {
  backend_->ImportReg(utf8Text);
}

std::string TestMachine::ExportReg(const std::vector<std::string>& keys) {
  portable::MemoryRegistry literal(portable::RegistryView::kPlain32);
  std::vector<std::string> full;
  for (const std::string& key : keys)
    full.push_back("HKEY_LOCAL_MACHINE\\" + key);
  backend_->ExportLiteral(full, literal);
  return CanonicalReg(literal, keys);
}

void TestMachine::MakeFolder(std::string_view windowsPath) {
  // One level at a time, through the file system itself, so that each level is spelled the
  // way the code under test will look it up.
  for (std::size_t i = 3; i <= windowsPath.size(); i += CharLength(windowsPath, i)) {
    if (i == windowsPath.size() || windowsPath[i] == '\\') {
      backend_->Files().CreateDirectory(std::string(windowsPath.substr(0, i)).c_str());
    }
    if (i == windowsPath.size())
      break;
  }
}

void TestMachine::Put(std::string_view windowsPath, std::string_view bytes) {
  // By characters, not bytes: the trail byte of 乗 is a backslash. A file right below the drive's
  // root has no folder to make.
  const std::size_t nameStart = LastNameStart(windowsPath);
  if (nameStart > 3)
    MakeFolder(windowsPath.substr(0, nameStart - 1));
  std::ofstream out(RealPath(windowsPath), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << windowsPath;
}

std::optional<std::string> TestMachine::Get(std::string_view windowsPath) {
  const std::uint32_t attributes = Attributes(windowsPath);
  if (attributes == platform::kInvalidAttributes ||
      (attributes & platform::kAttributeDirectory) != 0) {
    return std::nullopt;
  }
  std::ifstream in(RealPath(windowsPath), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> TestMachine::FileNames(std::string_view folder) {
  std::vector<std::string> names;
  platform::FindData entry;
  std::unique_ptr<platform::DirectorySearch> search;
  if (backend_->Files().FindFirst((std::string(folder) + "\\*.*").c_str(), entry, search) !=
      platform::kErrorSuccess) {
    return names;
  }
  do {
    if ((entry.attributes & platform::kAttributeDirectory) == 0)
      names.push_back(entry.name);
  } while (search->Next(entry) == platform::kErrorSuccess);
  return names;
}

bool TestMachine::Exists(std::string_view windowsPath) {
  return Attributes(windowsPath) != platform::kInvalidAttributes;
}

std::uint32_t TestMachine::Attributes(std::string_view windowsPath) {
  return backend_->Files().GetAttributes(std::string(windowsPath).c_str());
}

void TestMachine::SetReadOnly(std::string_view windowsPath) {
  const std::string path(windowsPath);
  ASSERT_EQ(backend_->Files().SetAttributes(path.c_str(),
                                            Attributes(windowsPath) | platform::kAttributeReadOnly),
            platform::kErrorSuccess);
}

}  // namespace torvek::testing

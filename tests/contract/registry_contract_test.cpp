// What the core relies on from the registry, run against the portable registry natively and
// against the Win32 one under Wine. Everything happens below a scratch key, deleted again at
// the end of each case: the Wine prefix is shared by every test program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/text/cp936_text.h"
#include "tests/contract/registry_under_test.h"

namespace torvek {
namespace {

using platform::kErrorSuccess;
using platform::kLocalMachine;
using platform::RegKey;
using platform::WinError;
using portable::RegistryView;

constexpr WinError kErrorBadPathname = 161;  // not among the codes the core speaks
constexpr char kScratch[] = "SOFTWARE\\TorvekContractTest";

const std::uint8_t* Bytes(const char* text) {
  return reinterpret_cast<const std::uint8_t*>(text);
}

class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override {
    registry_ = contract::MakeRegistryUnderTest();
    view_ = contract::RegistryViewUnderTest();
    DeleteTree(kLocalMachine, kScratch);  // left over by a run that was killed
    ASSERT_EQ(registry_->CreateKey(kLocalMachine, kScratch, scratch_), kErrorSuccess);
  }

  void TearDown() override {
    for (const RegKey key : opened_)
      registry_->CloseKey(key);
    registry_->CloseKey(scratch_);
    EXPECT_EQ(DeleteTree(kLocalMachine, kScratch), kErrorSuccess);
  }

  // RegDeleteTree, through the interface.
  WinError DeleteTree(RegKey parent, const char* path) {
    RegKey key = platform::kNoKey;
    if (const WinError error = registry_->OpenKeyEx(parent, path, platform::kKeyAllAccess, key))
      return error;
    char name[512];
    for (std::uint32_t length = sizeof name;
         registry_->EnumKey(key, 0, name, length) == kErrorSuccess; length = sizeof name) {
      if (const WinError error = DeleteTree(key, name)) {
        registry_->CloseKey(key);
        return error;
      }
    }
    registry_->CloseKey(key);
    return registry_->DeleteKey(parent, path);
  }

  // The handles these two give are closed at the end of the case.
  RegKey Create(const char* path, RegKey parent = platform::kNoKey) {
    RegKey key = platform::kNoKey;
    EXPECT_EQ(registry_->CreateKey(parent ? parent : scratch_, path, key), kErrorSuccess) << path;
    opened_.push_back(key);
    return key;
  }

  WinError Open(RegKey parent, const char* path, RegKey& key,
                std::uint32_t access = platform::kKeyRead) {
    const WinError error = registry_->OpenKeyEx(parent, path, access, key);
    if (error == kErrorSuccess)
      opened_.push_back(key);
    return error;
  }

  void SetString(RegKey key, const char* name, const std::string& text) {
    EXPECT_EQ(registry_->SetValue(key, name, platform::kRegSz, Bytes(text.c_str()),
                                  static_cast<std::uint32_t>(text.size() + 1)),
              kErrorSuccess);
  }

  // The value's bytes, exactly as many as the registry says it holds.
  std::string Read(RegKey key, const char* name) {
    std::uint32_t length = 0;
    if (registry_->QueryValue(key, name, nullptr, nullptr, &length) != kErrorSuccess)
      return "<missing>";
    std::vector<std::uint8_t> buffer(length + 1);
    EXPECT_EQ(registry_->QueryValue(key, name, nullptr, buffer.data(), &length), kErrorSuccess);
    return std::string(buffer.begin(), buffer.begin() + length);
  }

  std::vector<std::string> SubKeys(RegKey key) {
    std::vector<std::string> names;
    char name[256];
    for (std::uint32_t length = sizeof name;
         registry_->EnumKey(key, static_cast<std::uint32_t>(names.size()), name, length) ==
         kErrorSuccess;
         length = sizeof name) {
      names.emplace_back(name, length);
    }
    return names;
  }

  std::unique_ptr<platform::Registry> registry_;
  RegistryView view_ = RegistryView::kWow64;
  RegKey scratch_ = platform::kNoKey;
  std::vector<RegKey> opened_;
};

TEST_F(RegistryContract, KeyNamesMatchWithoutCaseAndKeepTheCaseTheyWereCreatedWith) {
  Create("MixedCase");
  RegKey key = platform::kNoKey;
  ASSERT_EQ(Open(scratch_, "MIXEDCASE", key), kErrorSuccess);
  EXPECT_TRUE(registry_->KeyPath(key).ends_with("\\TorvekContractTest\\MixedCase"));
  Create("mixedcase");
  EXPECT_EQ(SubKeys(scratch_), std::vector<std::string>{"MixedCase"});

  // Greek and full-width letters have a case too; a double-byte character whose trail byte is
  // an ASCII letter has none (癆 is B0 41, 癮 B0 61).
  Create("αβ");
  Create("ａ");
  Create("癆");
  EXPECT_EQ(Open(scratch_, "ΑΒ", key), kErrorSuccess);
  EXPECT_EQ(Open(scratch_, "Ａ", key), kErrorSuccess);
  EXPECT_EQ(Open(scratch_, "癮", key), platform::kErrorFileNotFound);
  std::uint32_t count = 0;
  ASSERT_EQ(registry_->QuerySubKeyCount(scratch_, count), kErrorSuccess);
  EXPECT_EQ(count, 4u);
}

TEST_F(RegistryContract, ValueNamesMatchWithoutCase) {
  SetString(scratch_, "InstallPath", "C:\\A");
  SetString(scratch_, "INSTALLPATH", "C:\\B");
  EXPECT_EQ(Read(scratch_, "installpath"), std::string("C:\\B", 5));
  SetString(scratch_, "σ", "sigma");
  EXPECT_EQ(Read(scratch_, "Σ"), std::string("sigma", 6));
  EXPECT_EQ(Read(scratch_, "Missing"), "<missing>");

  // The default value: no name, or an empty one.
  EXPECT_EQ(Read(scratch_, ""), "<missing>");
  SetString(scratch_, nullptr, "default");
  EXPECT_EQ(Read(scratch_, ""), std::string("default", 8));
}

TEST_F(RegistryContract, SubkeysComeSortedByTheirUpperCaseInUtf16) {
  for (const char* name :
       {"b", "A_B", "AB", "a1", "Z", "_x", "中", "文", "ａ", "Ｂ", "10", "9", "Ab2"})
    Create(name);
  // Byte order would put 文 (CE C4) before 中 (D6 D0), and Ｂ (FF22) before ａ (FF41) unfolded.
  const std::vector<std::string> windows = {"10", "9",  "a1", "AB", "Ab2", "A_B", "b",
                                            "Z",  "_x", "中", "文", "ａ",  "Ｂ"};
  // Wine 8 sorts by the lower case instead, which puts '_' (between 'Z' and 'a') before the
  // letters: a difference from Windows, whose order the portable registry keeps.
  const std::vector<std::string> wine = {"10", "9", "_x", "a1", "A_B", "AB", "Ab2",
                                         "b",  "Z", "中", "文", "ａ",  "Ｂ"};
  EXPECT_EQ(SubKeys(scratch_), contract::RegistryIsWine() ? wine : windows);
}

TEST_F(RegistryContract, EnumKeyWantsRoomForTheNamesZero) {
  Create("中文名");
  char name[16] = {};
  std::uint32_t length = 6;
  EXPECT_EQ(registry_->EnumKey(scratch_, 0, name, length), platform::kErrorMoreData);
  EXPECT_EQ(length, 6u);
  length = 7;
  ASSERT_EQ(registry_->EnumKey(scratch_, 0, name, length), kErrorSuccess);
  EXPECT_EQ(length, 6u);
  EXPECT_STREQ(name, "中文名");
  length = sizeof name;
  EXPECT_EQ(registry_->EnumKey(scratch_, 1, name, length), platform::kErrorNoMoreItems);
}

TEST_F(RegistryContract, DeleteKeyRefusesAKeyWithSubkeysAndReportsAMissingOne) {
  Create("Parent\\Child");
  EXPECT_EQ(registry_->DeleteKey(scratch_, "Parent"), platform::kErrorAccessDenied);
  EXPECT_EQ(registry_->DeleteKey(scratch_, "Missing"), platform::kErrorFileNotFound);
  EXPECT_EQ(registry_->DeleteKey(scratch_, "Missing\\Deeper"), platform::kErrorFileNotFound);
  EXPECT_EQ(registry_->DeleteKey(scratch_, "Parent\\Child"), kErrorSuccess);
  EXPECT_EQ(registry_->DeleteKey(scratch_, "PARENT"), kErrorSuccess);
  EXPECT_TRUE(SubKeys(scratch_).empty());

  // An empty name deletes the key the handle is on; a null one is refused.
  const RegKey self = Create("Self");
  EXPECT_EQ(registry_->DeleteKey(self, nullptr), platform::kErrorInvalidParameter);
  EXPECT_EQ(registry_->DeleteKey(self, ""), kErrorSuccess);
  RegKey gone = platform::kNoKey;
  EXPECT_EQ(Open(scratch_, "Self", gone), platform::kErrorFileNotFound);
}

TEST_F(RegistryContract, QueryValueReportsTheSizeItNeeds) {
  SetString(scratch_, "Path", "C:\\Torvek");
  std::uint32_t type = 0;
  std::uint8_t buffer[4] = {};
  std::uint32_t length = sizeof buffer;
  EXPECT_EQ(registry_->QueryValue(scratch_, "Path", &type, buffer, &length),
            platform::kErrorMoreData);
  EXPECT_EQ(length, 10u);
  EXPECT_EQ(type, platform::kRegSz);

  length = 0;
  EXPECT_EQ(registry_->QueryValue(scratch_, "Path", nullptr, nullptr, &length), kErrorSuccess);
  EXPECT_EQ(length, 10u);
  EXPECT_EQ(registry_->QueryValue(scratch_, "Path", nullptr, nullptr, nullptr), kErrorSuccess);
  EXPECT_EQ(registry_->QueryValue(scratch_, "Path", nullptr, buffer, nullptr),
            platform::kErrorInvalidParameter);

  const std::uint8_t dword[4] = {1, 0, 0, 0};
  ASSERT_EQ(registry_->SetValue(scratch_, "Count", platform::kRegDword, dword, 4), kErrorSuccess);
  length = 2;
  EXPECT_EQ(registry_->QueryValue(scratch_, "Count", &type, buffer, &length),
            platform::kErrorMoreData);
  EXPECT_EQ(length, 4u);
  EXPECT_EQ(type, platform::kRegDword);
}

TEST_F(RegistryContract, StringDataKeepsTheLengthItWasStoredWith) {
  // The 'X' after the data keeps Windows from adding the zero it would find there.
  ASSERT_EQ(registry_->SetValue(scratch_, "Bare", platform::kRegSz, Bytes("abcX"), 3),
            kErrorSuccess);
  std::uint8_t buffer[8];
  std::memset(buffer, '#', sizeof buffer);
  std::uint32_t length = sizeof buffer;
  ASSERT_EQ(registry_->QueryValue(scratch_, "Bare", nullptr, buffer, &length), kErrorSuccess);
  EXPECT_EQ(length, 3u);
  EXPECT_EQ(std::memcmp(buffer, "abc", 3), 0);
  EXPECT_EQ(buffer[3], 0) << "a zero after unterminated string data when there is room";
  std::memset(buffer, '#', sizeof buffer);
  length = 3;
  ASSERT_EQ(registry_->QueryValue(scratch_, "Bare", nullptr, buffer, &length), kErrorSuccess);
  EXPECT_EQ(buffer[3], '#');

  // From a C string, the zero just past the length is stored too.
  ASSERT_EQ(registry_->SetValue(scratch_, "FromCString", platform::kRegSz, Bytes("abc"), 3),
            kErrorSuccess);
  EXPECT_EQ(Read(scratch_, "FromCString"), std::string("abc", 4));
  ASSERT_EQ(registry_->SetValue(scratch_, "Binary", platform::kRegBinary, Bytes("abc"), 3),
            kErrorSuccess);
  EXPECT_EQ(Read(scratch_, "Binary"), "abc");
  ASSERT_EQ(registry_->SetValue(scratch_, "Empty", platform::kRegSz, Bytes(""), 0), kErrorSuccess);
  EXPECT_EQ(Read(scratch_, "Empty"), "");
  ASSERT_EQ(registry_->SetValue(scratch_, "Multi", platform::kRegMultiSz, Bytes("a\0b\0"), 5),
            kErrorSuccess);
  EXPECT_EQ(Read(scratch_, "Multi"), std::string("a\0b\0", 5));
}

TEST_F(RegistryContract, AHandleMayDoOnlyWhatItWasOpenedFor) {
  Create("Sub");
  SetString(scratch_, "Value", "x");
  RegKey reader = platform::kNoKey;
  RegKey writer = platform::kNoKey;
  RegKey bare = platform::kNoKey;
  ASSERT_EQ(Open(kLocalMachine, kScratch, reader, platform::kKeyRead), kErrorSuccess);
  ASSERT_EQ(Open(kLocalMachine, kScratch, writer, platform::kKeyWrite), kErrorSuccess);
  ASSERT_EQ(Open(kLocalMachine, kScratch, bare, 0), kErrorSuccess);
  char name[8];
  std::uint32_t length = sizeof name;
  EXPECT_EQ(Read(reader, "Value"), std::string("x", 2));
  EXPECT_EQ(registry_->EnumKey(reader, 0, name, length), kErrorSuccess);
  EXPECT_EQ(registry_->SetValue(reader, "Value", platform::kRegBinary, Bytes("y"), 1),
            platform::kErrorAccessDenied);
  EXPECT_EQ(registry_->SetValue(writer, "Value", platform::kRegBinary, Bytes("y"), 1),
            kErrorSuccess);
  EXPECT_EQ(registry_->QueryValue(writer, "Value", nullptr, nullptr, &length),
            platform::kErrorAccessDenied);
  EXPECT_EQ(registry_->EnumKey(writer, 0, name, length), platform::kErrorAccessDenied);
  // Windows wants KEY_QUERY_VALUE for RegQueryInfoKeyA; Wine 8 wants nothing.
  std::uint32_t count = 0;
  EXPECT_EQ(registry_->QuerySubKeyCount(writer, count),
            contract::RegistryIsWine() ? kErrorSuccess : platform::kErrorAccessDenied);

  // Keys below a handle are opened, made and deleted whatever it was opened for.
  RegKey sub = platform::kNoKey;
  EXPECT_EQ(Open(bare, "Sub", sub), kErrorSuccess);
  Create("New", bare);
  EXPECT_EQ(registry_->DeleteKey(bare, "New"), kErrorSuccess);
}

TEST_F(RegistryContract, AnEmptySubkeyNameOpensTheSameKey) {
  RegKey same = platform::kNoKey;
  ASSERT_EQ(registry_->OpenKey(scratch_, "", same), kErrorSuccess);
  EXPECT_EQ(same, scratch_);
  ASSERT_EQ(registry_->OpenKey(scratch_, nullptr, same), kErrorSuccess);
  EXPECT_EQ(same, scratch_);

  RegKey second = platform::kNoKey;
  ASSERT_EQ(registry_->OpenKeyEx(scratch_, "", platform::kKeyAllAccess, second), kErrorSuccess);
  EXPECT_NE(second, scratch_);
  EXPECT_EQ(registry_->KeyPath(second), registry_->KeyPath(scratch_));
  SetString(second, "Seen", "yes");
  EXPECT_EQ(registry_->CloseKey(second), kErrorSuccess);
  EXPECT_EQ(Read(scratch_, "Seen"), std::string("yes", 4));
  EXPECT_NE(Create(""), scratch_);

  RegKey root = platform::kNoKey;
  ASSERT_EQ(registry_->OpenKeyEx(kLocalMachine, "", platform::kKeyRead, root), kErrorSuccess);
  EXPECT_EQ(root, kLocalMachine) << "a predefined root comes back as itself";
}

TEST_F(RegistryContract, CreateKeyMakesEveryMissingLevel) {
  const RegKey deep = Create("One\\Two\\Three");
  EXPECT_TRUE(registry_->KeyPath(deep).ends_with("\\TorvekContractTest\\One\\Two\\Three"));
  RegKey middle = platform::kNoKey;
  ASSERT_EQ(Open(scratch_, "one\\two", middle), kErrorSuccess);
  EXPECT_EQ(SubKeys(middle), std::vector<std::string>{"Three"});
  EXPECT_EQ(registry_->KeyPath(Create("One\\Two\\Three\\")), registry_->KeyPath(deep));

  RegKey none = platform::kNoKey;
  EXPECT_EQ(registry_->CreateKey(scratch_, "\\Lead", none), kErrorBadPathname);
  EXPECT_EQ(Open(scratch_, "One\\Missing", none), platform::kErrorFileNotFound);
}

TEST_F(RegistryContract, CreateKeyKeepsToWindowsLimitsOnDepth) {
  // Windows makes at most 32 levels in one call and no key more than 512 levels below its root;
  // past either it makes nothing. Wine 8 enforces neither limit.
  const WinError refused =
      contract::RegistryIsWine() ? kErrorSuccess : platform::kErrorFilenameExcedRange;
  const auto levels = [](std::size_t count) {
    std::string path = "k";
    for (std::size_t i = 1; i < count; ++i)
      path += "\\k";
    return path;
  };
  RegKey key = platform::kNoKey;
  EXPECT_EQ(registry_->CreateKey(scratch_, levels(33).c_str(), key), refused);
  EXPECT_EQ(SubKeys(scratch_).empty(), refused != kErrorSuccess);

  const std::string scratchPath = registry_->KeyPath(scratch_);
  std::size_t depth = std::count(scratchPath.begin(), scratchPath.end(), '\\');
  RegKey at = scratch_;
  for (; depth < 512; depth += std::min<std::size_t>(32, 512 - depth))
    at = Create(levels(std::min<std::size_t>(32, 512 - depth)).c_str(), at);
  EXPECT_EQ(registry_->CreateKey(at, "k", key), refused);
  if (refused == kErrorSuccess)
    registry_->CloseKey(key);
}

TEST_F(RegistryContract, AHandleStaysUsableUntilClosedAndSeesItsKeyDeleted) {
  RegKey first = platform::kNoKey;
  RegKey second = platform::kNoKey;
  ASSERT_EQ(registry_->CreateKey(scratch_, "Doomed", first), kErrorSuccess);
  ASSERT_EQ(registry_->OpenKeyEx(scratch_, "Doomed", platform::kKeyRead, second), kErrorSuccess);
  EXPECT_EQ(registry_->CloseKey(second), kErrorSuccess);
  SetString(first, "Still", "open");

  ASSERT_EQ(registry_->DeleteKey(scratch_, "Doomed"), kErrorSuccess);
  std::uint32_t count = 0;
  std::uint32_t length = 4;
  char name[4];
  RegKey child = platform::kNoKey;
  EXPECT_EQ(registry_->QueryValue(first, "Still", nullptr, nullptr, &length),
            platform::kErrorKeyDeleted);
  EXPECT_EQ(registry_->SetValue(first, "New", platform::kRegBinary, Bytes("x"), 1),
            platform::kErrorKeyDeleted);
  EXPECT_EQ(registry_->QuerySubKeyCount(first, count), platform::kErrorKeyDeleted);
  EXPECT_EQ(registry_->EnumKey(first, 0, name, length), platform::kErrorKeyDeleted);
  EXPECT_EQ(registry_->CreateKey(first, "Child", child), platform::kErrorKeyDeleted);
  EXPECT_EQ(registry_->OpenKeyEx(first, "", platform::kKeyRead, child), platform::kErrorKeyDeleted);
  EXPECT_EQ(registry_->KeyPath(first), "");

  // Made again under the same name, it is another key.
  Create("Doomed");
  EXPECT_EQ(registry_->QuerySubKeyCount(first, count), platform::kErrorKeyDeleted);
  EXPECT_EQ(registry_->CloseKey(first), kErrorSuccess);
  EXPECT_EQ(registry_->CloseKey(first), platform::kErrorInvalidHandle);

  EXPECT_EQ(registry_->CloseKey(kLocalMachine), kErrorSuccess);
  EXPECT_EQ(Open(kLocalMachine, kScratch, child), kErrorSuccess);
  EXPECT_EQ(registry_->CloseKey(platform::kNoKey), platform::kErrorInvalidHandle);
  EXPECT_EQ(registry_->OpenKeyEx(platform::kNoKey, "Doomed", platform::kKeyRead, child),
            platform::kErrorInvalidHandle);
}

TEST_F(RegistryContract, ChineseNamesAndDataRoundTrip) {
  // 乗 is 81 5C: its trail byte is a backslash's, and still no separator.
  const RegKey key = Create("结构工具箱\\乗");
  EXPECT_TRUE(registry_->KeyPath(key).ends_with("\\TorvekContractTest\\结构工具箱\\乗"));
  RegKey parent = platform::kNoKey;
  ASSERT_EQ(Open(scratch_, "结构工具箱", parent), kErrorSuccess);
  EXPECT_EQ(SubKeys(parent), std::vector<std::string>{"乗"});

  const std::string path = "C:\\Program Files\\结构工具箱\\乗\\";
  SetString(key, "安装路径", path);
  EXPECT_EQ(Read(key, "安装路径"), std::string(path.c_str(), path.size() + 1));
}

TEST_F(RegistryContract, Wow64ViewShowsSoftwareThroughWow6432Node) {
  if (view_ != RegistryView::kWow64)
    GTEST_SKIP() << "a 64-bit machine's view";
  const std::string path = registry_->KeyPath(scratch_);
  // Windows names the key SOFTWARE, Wine Software.
  EXPECT_TRUE(EqualsNoCase(path, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\TorvekContractTest"))
      << path;
  EXPECT_EQ(registry_->KeyPath(kLocalMachine), "HKEY_LOCAL_MACHINE");

  RegKey literal = platform::kNoKey;
  ASSERT_EQ(Open(kLocalMachine, "SOFTWARE\\Wow6432Node\\TorvekContractTest", literal,
                 platform::kKeyAllAccess),
            kErrorSuccess);
  EXPECT_EQ(registry_->KeyPath(literal), path);
  SetString(literal, "Via", "literal");
  EXPECT_EQ(Read(scratch_, "Via"), std::string("literal", 8));

  RegKey software = platform::kNoKey;
  RegKey found = platform::kNoKey;
  ASSERT_EQ(Open(kLocalMachine, "SOFTWARE", software), kErrorSuccess);
  EXPECT_TRUE(
      EqualsNoCase(registry_->KeyPath(software), "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node"));
  EXPECT_EQ(Open(software, "TorvekContractTest", found), kErrorSuccess);
  EXPECT_EQ(Open(software, "Wow6432Node", found), platform::kErrorFileNotFound);

  Create("Made", Create("SOFTWARE\\Wow6432Node\\TorvekContractTest", kLocalMachine));
  EXPECT_EQ(Open(scratch_, "Made", found), kErrorSuccess);
  // Wine 8 creates a path of several missing keys right below the literal Wow6432Node one
  // Wow6432Node too deep (SOFTWARE\Wow6432Node\Wow6432Node\New\Deep); Windows does not.
  if (!contract::RegistryIsWine()) {
    Create("SOFTWARE\\Wow6432Node\\TorvekContractTest2\\Deep", kLocalMachine);
    EXPECT_EQ(Open(kLocalMachine, "SOFTWARE\\TorvekContractTest2\\Deep", found), kErrorSuccess);
    EXPECT_EQ(DeleteTree(kLocalMachine, "SOFTWARE\\TorvekContractTest2"), platform::kErrorSuccess);
  }
}

TEST_F(RegistryContract, Plain32ViewReadsPathsAsWritten) {
  if (view_ != RegistryView::kPlain32)
    GTEST_SKIP() << "a 32-bit machine's view";
  EXPECT_TRUE(EqualsNoCase(registry_->KeyPath(scratch_),
                           "HKEY_LOCAL_MACHINE\\SOFTWARE\\TorvekContractTest"));
  RegKey software = platform::kNoKey;
  ASSERT_EQ(Open(kLocalMachine, "SOFTWARE", software), kErrorSuccess);
  EXPECT_TRUE(EqualsNoCase(registry_->KeyPath(software), "HKEY_LOCAL_MACHINE\\SOFTWARE"));

  RegKey node = platform::kNoKey;
  const bool hadNode = Open(kLocalMachine, "SOFTWARE\\Wow6432Node", node) == kErrorSuccess;
  const RegKey other = Create("SOFTWARE\\Wow6432Node\\TorvekContractTest", kLocalMachine);
  EXPECT_TRUE(EqualsNoCase(registry_->KeyPath(other),
                           "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\TorvekContractTest"));
  SetString(other, "Where", "literal");
  EXPECT_EQ(Read(scratch_, "Where"), "<missing>");
  EXPECT_EQ(DeleteTree(kLocalMachine, "SOFTWARE\\Wow6432Node\\TorvekContractTest"), kErrorSuccess);
  if (!hadNode) {
    EXPECT_EQ(registry_->DeleteKey(kLocalMachine, "SOFTWARE\\Wow6432Node"), kErrorSuccess);
  }
}

TEST_F(RegistryContract, CurrentUserSoftwareIsNotRedirected) {
  const RegKey key = Create("Software\\TorvekContractTest", platform::kCurrentUser);
  EXPECT_TRUE(
      EqualsNoCase(registry_->KeyPath(key), "HKEY_CURRENT_USER\\Software\\TorvekContractTest"))
      << registry_->KeyPath(key);
  EXPECT_EQ(DeleteTree(platform::kCurrentUser, "Software\\TorvekContractTest"), kErrorSuccess);
}

}  // namespace
}  // namespace torvek

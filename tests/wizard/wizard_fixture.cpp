#include "tests/wizard/wizard_fixture.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cstring>

#include "common/portable/reg_file.h"
#include "common/text/path_split.h"
#include "tests/support/source_file.h"

namespace torvek::setup::testing {

std::string ProductFolder(std::string_view installFolder) {
  std::string folder(installFolder);
  if (!folder.empty() && folder.back() == '\\')
    folder.pop_back();
  return folder + "\\Torvek结构工具箱";
}

WizardFixture::WizardFixture()
#ifdef _WIN32
    // Windows' temporary folder lies deep: the drives stand right below C:\ instead, so that a
    // path near the platform's limit on them is near it on the disk too.
    : root_(L"C:\\", "tw"),
#else
    : root_("torvek-wizard-"),
#endif
      host_({{'C', root_.Make("c")}, {'D', root_.Make("d")}}, "D:\\Kit", "C:\\Temp"),
      files_(host_),
      user_(torvek::testing::ScriptedHost::Make()),
      folders_(user_->Host(), files_) {
  MakeFolder("C:\\Temp");
  MakeFolder("C:\\Program Files");
  MakeFolder("D:\\Kit");
}

WizardFixture::~WizardFixture() {
  table_.reset();
}

void WizardFixture::UseSampleMachine() {
  ImportReg(torvek::testing::SourceFile("tools/sample-machine/machine.reg"));
  for (const char* location : {"C:\\Program Files (x86)\\AutoCAD 2008",
                               "C:\\Program Files (x86)\\Autodesk\\AutoCAD 2014"}) {
    Put(std::string(location) + "\\acad.rx", "acetutil.arx\n");
    MakeFolder(std::string(location) + "\\Fonts");
  }
  for (const char* name : {"TORVEK2008.ARX", "TORVEK2013.ARX", "Torvek_EN.shx", "Torvek_HZ.shx",
                           "TORVEK.CFG", "STEEL.SEC", "SetUp.exe"})
    Put(std::string("D:\\Kit\\") + name, std::string("kit file ") + name + "\n");
  Put("D:\\Kit\\Torvek扩展绘图库\\梁.SJY", "library\n");
}

void WizardFixture::ImportReg(std::string_view utf8Text) {
  const portable::RegFileResult result = portable::ImportRegFile(registry_, utf8Text);
  ASSERT_TRUE(result.ok()) << "line " << result.line << ": " << result.message;
}

acad::AcadInstallTable& WizardFixture::Table() {
  table_ = std::make_unique<acad::AcadInstallTable>(registry_, files_);
  return *table_;
}

acad::AcadInstallTable& WizardFixture::Discover() {
  Table().DiscoverAcadInstallations();
  return *table_;
}

void WizardFixture::Put(std::string_view path, std::string_view text) {
  const std::string file(path);
  // By characters, not bytes: the trail byte of 乗 is a backslash.
  MakeFolder(file.substr(0, LastNameStart(file) - 1));
  platform::WinError error = platform::kErrorSuccess;
  auto stream = host_.OpenText(file.c_str(), platform::TextMode::kWrite, error);
  ASSERT_NE(stream, nullptr) << file;
  ASSERT_TRUE(stream->Write(text));
  ASSERT_TRUE(stream->Close());
}

std::optional<std::string> WizardFixture::Get(std::string_view path) {
  platform::WinError error = platform::kErrorSuccess;
  auto stream = host_.OpenText(std::string(path).c_str(), platform::TextMode::kRead, error);
  if (stream == nullptr)
    return std::nullopt;
  std::string text;
  std::string line;
  while (stream->ReadLine(line) == platform::ReadStatus::kLine)
    text += line;
  return text;
}

// Every level, as the folder checks would make them; the paths here hold no double-byte
// character whose second byte is a backslash.
void WizardFixture::MakeFolder(std::string_view path) {
  for (std::size_t at = path.find('\\', 3);; at = path.find('\\', at + 1)) {
    host_.CreateDirectory(std::string(path.substr(0, at)).c_str());
    if (at == std::string_view::npos)
      return;
  }
}

bool WizardFixture::Exists(std::string_view path) {
  return host_.GetAttributes(std::string(path).c_str()) != platform::kInvalidAttributes;
}

std::optional<std::string> WizardFixture::RecordedFolder() {
  platform::RegKey key = platform::kNoKey;
  if (registry_.OpenKeyEx(platform::kLocalMachine, "SOFTWARE\\Torvek", platform::kKeyRead, key) !=
      platform::kErrorSuccess)
    return std::nullopt;
  char data[512] = {};
  std::uint32_t length = sizeof(data) - 1;
  const platform::WinError error = registry_.QueryValue(
      key, "Torvek_Path", nullptr, reinterpret_cast<std::uint8_t*>(data), &length);
  registry_.CloseKey(key);
  if (error != platform::kErrorSuccess)
    return std::nullopt;
  // The record is written without its terminating zero; a reader may find one anyway.
  return std::string(data, std::min<std::size_t>(length, std::strlen(data)));
}

SetupServices WizardFixture::Services() {
  return {registry_, files_, user_->Host(), folders_, "SetUp"};
}

void WizardFixture::ExpectNoFaults() {
  EXPECT_THAT(user_->Faults(), ::testing::IsEmpty());
}

}  // namespace torvek::setup::testing

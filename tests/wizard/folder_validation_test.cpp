// The folder checks on their own: the form a path must have, folder names character by
// character, creation level by level, and the messages the user sees.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/portable/host_file_system.h"
#include "common/testing/faulty_file_system.h"
#include "common/testing/scripted_message_boxes.h"
#include "installer/wizard/application_name.h"
#include "installer/wizard/folder_validation.h"
#include "tests/support/scratch_folder.h"

namespace torvek::setup {
namespace {

using platform::MessageBoxAnswer;
using platform::MessageBoxIcon;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class FolderValidation : public ::testing::Test {
 protected:
  FolderValidation()
      : root_("torvek-folders-"), host_({{'C', root_.Make("c")}}, "C:\\", "C:\\"), files_(host_) {
    host_.CreateDirectory("C:\\Existing");
    host_.CreateDirectory("C:\\Existing\\乗");
  }
  bool IsFolder(const char* path) {
    const std::uint32_t attributes = host_.GetAttributes(path);
    return attributes != platform::kInvalidAttributes &&
           (attributes & platform::kAttributeDirectory) != 0;
  }

  int Check(std::string_view path) { return WalkFolderPath(files_, path, FolderWalk::kCheckOnly); }
  int Validate(std::string_view path) {
    return ValidateFolder({files_, boxes_, 0x4711, "SetUp"}, path);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& box : boxes_.Shown())
      texts.push_back(box.text);
    return texts;
  }

  torvek::testing::ScratchFolder root_;
  portable::HostFileSystem host_;
  torvek::testing::FaultyFileSystem files_;
  torvek::testing::ScriptedMessageBoxes boxes_;
};

TEST_F(FolderValidation, ANameIsJudgedByItsCharacters) {
  for (const char* good : {"Tools", "新建文件夹", "a.b", "x y", "乗", "億", "Torvek结构工具箱"})
    EXPECT_TRUE(IsValidFolderName(good)) << good;
  for (const char* bad : {"", " Tools", "Tools ", "\tTools", "Tools\t", ".Tools", "Tools.", "a\"b",
                          "a*b", "a/b", "a:b", "a<b", "a>b", "a?b", "a\\b", "a|b"})
    EXPECT_FALSE(IsValidFolderName(bad)) << bad;
}

// 乗 is 81 5C and 億 is 83 7C in code page 936: their second bytes are '\' and '|'.
TEST_F(FolderValidation, TheFormOfAPath) {
  for (const char* valid : {"C:\\", "D:\\", "z:\\Tools", "C:\\Program Files\\Torvek", "D:\\乗",
                            "D:\\億\\乗", "D:\\Tools\\乗\\Sub"})
    EXPECT_EQ(Check(valid), kFolderValid) << valid;
  for (const char* invalid :
       {"", "C", "C:", "C:Tools", "CC\\Tools", "1:\\Tools", "\\\\server\\share", "Tools",
        "C:/Tools", "D:\\Tools\\", "D:\\Tools\\\\Sub", "D:\\ Tools", "D:\\Tools\\sub.", "D:\\a|b",
        "D:\\Tools\\a?"})
    EXPECT_EQ(Check(invalid), kFolderInvalid) << invalid;
}

// A path cut to the buffer could name a folder nobody asked for; it is refused whole.
TEST_F(FolderValidation, APathLongerThanThePlatformsLimitIsInvalid) {
  const std::string fits = "C:\\" + std::string(255, 'a');
  EXPECT_EQ(Check(fits + "b"), kFolderValid);
  EXPECT_EQ(Check(fits + "\\b"), kFolderInvalid);
  EXPECT_EQ(Check(fits + "bb"), kFolderInvalid);
  EXPECT_EQ(Validate(fits + "\\Tools"), kFolderInvalid);
  EXPECT_THAT(Texts(), ElementsAre(::testing::HasSubstr("is invalid")));
}

TEST_F(FolderValidation, CreationMakesEveryMissingLevel) {
  EXPECT_EQ(WalkFolderPath(files_, "C:\\New\\乗\\Sub", FolderWalk::kCreate), kFolderValid);
  EXPECT_TRUE(IsFolder("C:\\New\\乗\\Sub"));
  EXPECT_EQ(WalkFolderPath(files_, "C:\\", FolderWalk::kCreate), kFolderValid);
  EXPECT_EQ(WalkFolderPath(files_, "Q:\\", FolderWalk::kCreate), kFolderCannotBeCreated);

  // A level that cannot be made stops the walk; the levels before it stay.
  files_.FailNext(torvek::testing::FaultyFileSystem::Operation::kCreateDirectory,
                  "C:\\Made\\Refused", platform::kErrorAccessDenied);
  EXPECT_EQ(WalkFolderPath(files_, "C:\\Made\\Refused\\Deeper", FolderWalk::kCreate),
            kFolderCannotBeCreated);
  EXPECT_TRUE(IsFolder("C:\\Made"));
  EXPECT_FALSE(IsFolder("C:\\Made\\Refused"));
}

TEST_F(FolderValidation, TheUserIsAskedBeforeAFolderIsMade) {
  EXPECT_EQ(Validate("C:\\Existing\\乗"), kFolderValid);
  EXPECT_THAT(boxes_.Shown(), IsEmpty());

  boxes_.Answer(MessageBoxAnswer::kNo);
  EXPECT_EQ(Validate("C:\\New Folder\\Sub"), kFolderDeclined);
  EXPECT_FALSE(IsFolder("C:\\New Folder"));

  boxes_.Answer(MessageBoxAnswer::kYes);
  EXPECT_EQ(Validate("C:\\New Folder\\Sub"), kFolderValid);
  EXPECT_TRUE(IsFolder("C:\\New Folder\\Sub"));

  ASSERT_EQ(boxes_.Shown().size(), 2u);
  for (const auto& box : boxes_.Shown()) {
    EXPECT_EQ(box.text,
              "The folder:\n\nC:\\New Folder\\Sub\n\ndoes not exist. Do you want the folder to be "
              "created?");
    EXPECT_EQ(box.caption, "SetUp");
    EXPECT_EQ(box.owner, 0x4711u);
    EXPECT_EQ(box.buttons, platform::MessageBoxButtons::kYesNo);
    EXPECT_EQ(box.icon, MessageBoxIcon::kQuestion);
  }
}

TEST_F(FolderValidation, RefusalsAreExplained) {
  EXPECT_EQ(Validate("D:\\Tools\\"), kFolderInvalid);
  // A box that could not be shown is no Yes.
  EXPECT_EQ(Validate("C:\\Nobody Answers"), kFolderDeclined);
  EXPECT_FALSE(IsFolder("C:\\Nobody Answers"));
  boxes_.Answer(MessageBoxAnswer::kYes);
  EXPECT_EQ(Validate("Q:\\Tools"), kFolderCannotBeCreated);
  // A file of that name cannot become the folder.
  platform::WinError error = platform::kErrorSuccess;
  host_.OpenText("C:\\Existing\\notes", platform::TextMode::kWrite, error)->Close();
  EXPECT_EQ(Validate("C:\\Existing\\notes"), kFolderInvalid);

  EXPECT_THAT(
      Texts(),
      ElementsAre("The folder:\n\nD:\\Tools\\\n\nis invalid. Please reenter.",
                  ::testing::HasSubstr("does not exist"), ::testing::HasSubstr("does not exist"),
                  "The folder:\n\nQ:\\Tools\n\ncan not be created. Please double check.",
                  "The folder:\n\nC:\\Existing\\notes\n\nis invalid. Please reenter."));
  for (const auto& box : boxes_.Shown()) {
    if (box.buttons == platform::MessageBoxButtons::kOk) {
      EXPECT_EQ(box.icon, MessageBoxIcon::kExclamation);
    }
  }
}

// The folder messages' caption: the program file's name, as the user may have renamed it.
TEST(ApplicationName, IsTheProgramFilesNameWithoutItsExtension) {
  EXPECT_EQ(ApplicationNameOf("D:\\Kit\\SetUp.exe"), "SetUp");
  EXPECT_EQ(ApplicationNameOf("D:\\Kit.v2\\SetUp"), "SetUp");
  EXPECT_EQ(ApplicationNameOf("C:\\下载\\安装.程序.exe"), "安装.程序");
  // 乗 ends in the byte of a backslash; the name does not start after it.
  EXPECT_EQ(ApplicationNameOf("D:\\Kit\\乗.exe"), "乗");
  EXPECT_EQ(ApplicationNameOf("SetUp.exe"), "SetUp");
}

}  // namespace
}  // namespace torvek::setup

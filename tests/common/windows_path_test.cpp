// Windows paths as the portable file system reads them, before any disk is looked at. 乗 is
// 81 5C and 億 83 7C in code page 936: trail bytes that are '\' and '|'.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/portable/windows_path.h"

namespace torvek::portable {
namespace {

struct ParseCase {
  const char* path;
  platform::WinError error;
  const char* parsed;  // as WindowsPathText gives it
};

TEST(WindowsPath, IsReadAgainstTheCurrentDirectory) {
  const WindowsPath current = ParseAbsoluteWindowsPath("C:\\Work\\Kit");
  const ParseCase cases[] = {
      {"D:\\a\\b", platform::kErrorSuccess, "D:\\a\\b"},
      {"a\\.\\b", platform::kErrorSuccess, "C:\\Work\\Kit\\a\\b"},
      {"c:sub", platform::kErrorSuccess, "C:\\Work\\Kit\\sub"},  // the current drive's own folder
      {"d:sub", platform::kErrorSuccess, "D:\\sub"},
      {"\\Top", platform::kErrorSuccess, "C:\\Top"},
      {"..\\..\\..\\..\\x", platform::kErrorSuccess, "C:\\x"},  // no higher than the root
      {"C:/a//乗\\b\\", platform::kErrorSuccess, "C:\\a\\乗\\b"},
      {"\\\\server\\share", platform::kErrorPathNotFound, ""},
      {"", platform::kErrorPathNotFound, ""},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.path);
    WindowsPath parsed;
    ASSERT_EQ(ParseWindowsPath(c.path, current, parsed), c.error);
    if (c.error == platform::kErrorSuccess) {
      EXPECT_EQ(WindowsPathText(parsed), c.parsed);
    }
  }
  EXPECT_EQ(WindowsPathText(ParseAbsoluteWindowsPath("\\\\server\\share")), "C:\\");
}

TEST(WindowsPath, NamesAndPatternsAreCheckedByCharacter) {
  EXPECT_TRUE(IsValidWindowsName("億乗.cfg", false));
  for (const char* refused : {"a|b", "a:b", "a\"b", "a<b", "\x1F"})
    EXPECT_FALSE(IsValidWindowsName(refused, true)) << refused;
  EXPECT_FALSE(IsValidWindowsName("*.cfg", false));
  EXPECT_TRUE(IsValidWindowsName("*.cfg", true));

  EXPECT_TRUE(MatchesMask("*.CFG", "乗.CFG"));
  EXPECT_TRUE(MatchesMask("?.CFG", "乗.CFG"));  // one character, two bytes
  EXPECT_FALSE(MatchesMask("??.CFG", "乗.CFG"));
  EXPECT_FALSE(MatchesMask("*\\", "乗"));  // the trail byte matches no backslash
  EXPECT_TRUE(MatchesMask("T*R*", "TORVEK.ARX"));
  EXPECT_FALSE(MatchesMask("T*Z", "TORVEK.ARX"));

  EXPECT_FALSE(TooLongForAnsiCalls(std::string(259, 'a')));
  EXPECT_TRUE(TooLongForAnsiCalls(std::string(260, 'a')));
  std::string doubleBytes;
  for (int i = 0; i < 200; ++i)
    doubleBytes += "乗";
  EXPECT_FALSE(TooLongForAnsiCalls(doubleBytes));  // 400 bytes, but 200 characters
}

}  // namespace
}  // namespace torvek::portable

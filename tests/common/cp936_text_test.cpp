#include <gtest/gtest.h>

#include "common/cp936_text.h"
#include "common/strip_trailing_backslash.h"

namespace torvek {
namespace {

// 乗 is 81 5C in code page 936: its trail byte is the backslash's byte. 表 is B1 ED, 能 C4 DC,
// and 媋 is 8B 61: a trail byte that is an ASCII lower-case letter.
TEST(Cp936Text, UpperCasingLeavesDoubleByteCharactersAlone) {
  EXPECT_EQ(ToUpperAscii("c:\\program files\\torvek2008.arx"), "C:\\PROGRAM FILES\\TORVEK2008.ARX");
  const std::string mixed = "a媋b";
  ASSERT_EQ(mixed,
            "a\x8B\x61"
            "b");
  EXPECT_EQ(ToUpperAscii(mixed),
            "A\x8B\x61"
            "B");
  // A lone lead byte at the end is a character of its own and must not swallow anything.
  EXPECT_EQ(ToUpperAscii("ab\x81"), "AB\x81");
}

TEST(Cp936Text, ComparesAndSearchesWithoutCaseByCharacter) {
  EXPECT_TRUE(EqualsNoCase("SetUp.EXE", "setup.exe"));
  EXPECT_TRUE(EqualsNoCase("Torvek_HZ.shx", "TORVEK_hz.SHX"));
  EXPECT_FALSE(EqualsNoCase("媋", "媋x"));
  // 媋 ends in 0x61 ('a'); upper-casing must not make it equal to a different character.
  EXPECT_FALSE(EqualsNoCase("\x8B\x61", "\x8B\x41"));

  EXPECT_EQ(FindNoCase("c:\\Torvek\\TORVEK2004.ARX", "torvek2004"), 10u);
  EXPECT_EQ(FindNoCase("plan.section", ".SEC"), 4u);
  EXPECT_EQ(FindNoCase("abc", "abcd"), std::string::npos);
  // "\X" must not be found inside 乗X: the 0x5C there is half of 乗.
  EXPECT_EQ(FindNoCase("乗X", "\\X"), std::string::npos);
  EXPECT_EQ(FindNoCase("乗\\X", "\\X"), 2u);
  // A search from a position inside a character starts at the next character.
  EXPECT_EQ(FindNoCase("表表", "表", 1), 2u);
  EXPECT_TRUE(ContainsNoCase("d:\\acad\\quillmor\\q.arx", "QUILLMOR"));
}

TEST(Cp936Text, StripsOneTrailingBackslashCharacter) {
  EXPECT_EQ(StripTrailingBackslash("C:\\Program Files\\"), "C:\\Program Files");
  EXPECT_EQ(StripTrailingBackslash("C:\\"), "C:");
  EXPECT_EQ(StripTrailingBackslash("D:\\Kit\\\\"), "D:\\Kit\\");
  EXPECT_EQ(StripTrailingBackslash("D:\\Kit"), "D:\\Kit");
  EXPECT_EQ(StripTrailingBackslash(""), "");
  // The folder ends in 乗, whose trail byte is 0x5C: nothing to strip.
  EXPECT_EQ(StripTrailingBackslash("D:\\乗"), "D:\\乗");
  EXPECT_EQ(StripTrailingBackslash("D:\\乗\\"), "D:\\乗");
  EXPECT_FALSE(EndsWithBackslash("乗"));
  EXPECT_TRUE(EndsWithBackslash("表\\"));
}

}  // namespace
}  // namespace torvek

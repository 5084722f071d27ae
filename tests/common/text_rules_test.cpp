// The code page 936 text and path rules every layer shares. 乗 is 81 5C and 億 is 83 7C: their
// trail bytes are '\' and '|'. 媋 is 8B 61, a trail byte that is a lower-case 'a'.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text/code_page.h"
#include "common/text/cp936_text.h"
#include "common/text/path_buffer.h"
#include "common/text/path_split.h"
#include "common/text/strip_trailing_backslash.h"

namespace torvek {
namespace {

using Names = std::vector<std::string_view>;

struct PathCase {
  const char* path;
  std::size_t characters;
  Names names;         // split at backslashes
  Names namesOrSlash;  // split at backslashes and slashes
  std::size_t lastNameStart;
  const char* stripped;
  const char* upper;
};

const PathCase kPathCases[] = {
    {"C:\\Program Files\\",
     17,
     {"C:", "Program Files"},
     {"C:", "Program Files"},
     17,
     "C:\\Program Files",
     "C:\\PROGRAM FILES\\"},
    {"C:\\", 3, {"C:"}, {"C:"}, 3, "C:", "C:\\"},
    {"D:\\Kit\\\\", 8, {"D:", "Kit"}, {"D:", "Kit"}, 8, "D:\\Kit\\", "D:\\KIT\\\\"},
    {"", 0, {}, {}, 0, "", ""},
    {"c:name", 6, {"c:name"}, {"c:name"}, 2, "c:name", "C:NAME"},
    // Nothing to strip after 乗, and its trail byte divides nothing.
    {"D:\\乗", 4, {"D:", "乗"}, {"D:", "乗"}, 3, "D:\\乗", "D:\\乗"},
    {"D:\\乗\\", 5, {"D:", "乗"}, {"D:", "乗"}, 6, "D:\\乗", "D:\\乗\\"},
    {"乗x\\億|y", 6, {"乗x", "億|y"}, {"乗x", "億|y"}, 4, "乗x\\億|y", "乗X\\億|Y"},
    {"\\\\server\\share",
     14,
     {"server", "share"},
     {"server", "share"},
     9,
     "\\\\server\\share",
     "\\\\SERVER\\SHARE"},
    {"C:/a/乗/b", 8, {"C:/a/乗/b"}, {"C:", "a", "乗", "b"}, 8, "C:/a/乗/b", "C:/A/乗/B"},
    {"a媋b", 3, {"a媋b"}, {"a媋b"}, 0, "a媋b", "A媋B"},
    // A lone lead byte at the end is a character of its own and swallows nothing.
    {"ab\\\x81", 4, {"ab", "\x81"}, {"ab", "\x81"}, 3, "ab\\\x81", "AB\\\x81"},
};

TEST(TextRules, PathsAreWalkedSplitStrippedAndUpperCasedByCharacter) {
  for (const PathCase& c : kPathCases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(CharacterCount(c.path), c.characters);
    EXPECT_EQ(SplitPath(c.path), c.names);
    EXPECT_EQ(SplitPath(c.path, PathSeparators::kBackslashOrSlash), c.namesOrSlash);
    // The slash case is only ever read with the slash as a separator.
    const std::string_view path(c.path);
    if (path.find('/') == std::string_view::npos) {
      EXPECT_EQ(LastNameStart(c.path), c.lastNameStart);
    }
    EXPECT_EQ(LastNameStart(c.path, PathSeparators::kBackslashOrSlash), c.lastNameStart);
    EXPECT_EQ(StripTrailingBackslash(c.path), c.stripped);
    EXPECT_EQ(ToUpperAscii(c.path), c.upper);
    EXPECT_EQ(EndsWithSeparator(c.path), path.size() != std::string_view(c.stripped).size());
  }
}

TEST(TextRules, SeparatorsAreFoundOnlyAtCharacterStarts) {
  // 乗's trail byte is no separator: the first one stands after it.
  EXPECT_EQ(FindSeparator("乗\\x", 0), 2u);
  EXPECT_EQ(FindSeparator("乗", 0), 2u);
  EXPECT_FALSE(StartsWithSeparator(""));
  EXPECT_TRUE(StartsWithSeparator("/x", PathSeparators::kBackslashOrSlash));
  EXPECT_FALSE(StartsWithSeparator("/x"));
  EXPECT_TRUE(HasDrive("z:"));
  EXPECT_FALSE(HasDrive("1:\\"));
  EXPECT_FALSE(HasDrive("乗:"));
}

TEST(TextRules, ComparesAndSearchesWithoutCaseByCharacter) {
  EXPECT_TRUE(EqualsNoCase("SetUp.EXE", "setup.exe"));
  EXPECT_FALSE(EqualsNoCase("媋", "媋x"));
  // 媋 ends in 0x61 ('a'); upper-casing must not make it equal to a different character.
  EXPECT_FALSE(EqualsNoCase("\x8B\x61", "\x8B\x41"));

  EXPECT_EQ(FindNoCase("c:\\Torvek\\TORVEK2004.ARX", "torvek2004"), 10u);
  EXPECT_EQ(FindNoCase("abc", "abcd"), std::string::npos);
  // "\X" must not be found inside 乗X: the 0x5C there is half of 乗.
  EXPECT_EQ(FindNoCase("乗X", "\\X"), std::string::npos);
  EXPECT_EQ(FindNoCase("乗\\X", "\\X"), 2u);
  EXPECT_EQ(FindNoCase("億|", "|"), 2u);
  // A search from a position inside a character starts at the next character.
  EXPECT_EQ(FindNoCase("表表", "表", 1), 2u);
}

TEST(TextRules, PathBufferFormatsWhatFitsAndRefusesWhatDoesNot) {
  PathBuffer path;
  ASSERT_TRUE(path.Format("%s\\Torvek结构工具箱\\TORVEK%d.ARX", "C:\\Program Files", 2008));
  EXPECT_EQ(path.view(), "C:\\Program Files\\Torvek结构工具箱\\TORVEK2008.ARX");
  ASSERT_TRUE(path.Join("D:\\乗", "a.cfg"));
  EXPECT_EQ(path.view(), "D:\\乗\\a.cfg");

  // 259 bytes is the longest path there is room for.
  const std::string fits(259, 'a');
  ASSERT_TRUE(path.Format("%s", fits.c_str()));
  EXPECT_EQ(path.size(), 259u);

  // One byte more is refused whole: no cut path is left behind to be mistaken for another.
  EXPECT_FALSE(path.Join(std::string(252, 'b'), "acad.rx"));
  EXPECT_TRUE(path.empty());
  EXPECT_STREQ(path.c_str(), "");

  // Far too long for the scratch space as well.
  const std::string huge(5000, 'c');
  EXPECT_FALSE(path.Format("%s", huge.c_str()));
  EXPECT_TRUE(path.empty());

  EXPECT_TRUE(path.Assign(fits));
  EXPECT_FALSE(path.Assign(fits + "x"));
  EXPECT_TRUE(path.empty());
}

TEST(TextRules, ChineseTextRoundTripsThroughUtf8AndUtf16) {
  // The literal is code page 936 in the binary; u8 and u literals stay Unicode.
  const std::string gbk = "Torvek结构工具箱\\乗億";
  std::string utf8;
  ASSERT_TRUE(Cp936ToUtf8(gbk, utf8));
  EXPECT_EQ(utf8, reinterpret_cast<const char*>(u8"Torvek结构工具箱\\乗億"));
  std::u16string utf16;
  ASSERT_TRUE(Cp936ToUtf16(gbk, utf16));
  EXPECT_EQ(utf16, u"Torvek结构工具箱\\乗億");
  std::string back;
  ASSERT_TRUE(Utf16ToCp936(utf16, back));
  EXPECT_EQ(back, gbk);
  ASSERT_TRUE(Utf8ToCp936(utf8, back));
  EXPECT_EQ(back, gbk);
}

TEST(TextRules, ConversionsRefuseWhatTheyCannotConvert) {
  std::string out;
  std::u16string wide;
  EXPECT_FALSE(Utf8ToCp936("\xC3\x28", out));                    // broken UTF-8
  EXPECT_FALSE(Utf8ToCp936("\xE2\x98\x83", out) && out == "?");  // a snowman has no GBK form
  EXPECT_FALSE(Cp936ToUtf16("\x81", wide));                      // a lead byte without its trail
  EXPECT_FALSE(Utf16ToUtf8(std::u16string(1, u'\xD800'), out));  // a lone surrogate
  ASSERT_TRUE(Utf8ToUtf16("\xF0\x9F\x98\x80", wide));
  EXPECT_EQ(wide.size(), 2u);
  ASSERT_TRUE(Utf16ToUtf8(wide, out));
  EXPECT_EQ(out, "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace torvek

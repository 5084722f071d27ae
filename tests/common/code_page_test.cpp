#include <gtest/gtest.h>

#include "common/code_page.h"

namespace torvek {
namespace {

TEST(CodePage, ChineseTextRoundTripsThroughUtf8AndUtf16) {
  // The literal is code page 936 in the binary; u8 and u literals stay Unicode.
  const std::string gbk = "Torvek结构工具箱\\乗";
  std::string utf8;
  ASSERT_TRUE(Cp936ToUtf8(gbk, utf8));
  EXPECT_EQ(utf8, reinterpret_cast<const char*>(u8"Torvek结构工具箱\\乗"));
  std::u16string utf16;
  ASSERT_TRUE(Cp936ToUtf16(gbk, utf16));
  EXPECT_EQ(utf16, u"Torvek结构工具箱\\乗");
  std::string back;
  ASSERT_TRUE(Utf16ToCp936(utf16, back));
  EXPECT_EQ(back, gbk);
  ASSERT_TRUE(Utf8ToCp936(utf8, back));
  EXPECT_EQ(back, gbk);
}

TEST(CodePage, RefusesWhatItCannotConvert) {
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

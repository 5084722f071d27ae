// The licence agreement's shape: four screens of 4, 7, 7 and 3 pieces, the line breaks and
// indents the page relies on, and screens that fit the text control.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "common/text/cp936_text.h"
#include "resources/setup/licence_text.h"

namespace torvek::setup {
namespace {

constexpr std::string_view kBreak = "\r\n";
constexpr std::string_view kParagraphEnd = "\r\n\r\n";
constexpr std::string_view kIndent = "　　";

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}
bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}
bool EndsBlock(std::string_view piece) {
  return EndsWith(piece, kParagraphEnd) && !EndsWith(piece, "\n\r\n\r\n");
}

// Lines the text takes in the 253 x 105 dialog-unit control with the 9-point dialog font: 63
// half-width columns (a Chinese character takes two) and 13 lines.
int LinesTaken(std::string_view screen) {
  int lines = 0;
  for (std::size_t start = 0; start < screen.size();) {
    std::size_t end = screen.find(kBreak, start);
    if (end == std::string_view::npos)
      end = screen.size();
    const std::string_view line = screen.substr(start, end - start);
    int columns = 0;
    for (std::size_t at = 0; at < line.size(); at += CharLength(line, at))
      columns += static_cast<int>(CharLength(line, at));
    lines += columns == 0 ? 1 : (columns + 62) / 63;
    start = end + kBreak.size();
  }
  return lines;
}

TEST(LicenceText, FourScreensOfTwentyOnePieces) {
  const std::size_t counts[] = {4, 7, 7, 3};
  for (int screen = 0; screen < LicenceText::kScreenCount; ++screen) {
    EXPECT_EQ(LicenceText::Pieces(screen).size(), counts[screen]) << screen;
    EXPECT_LE(LinesTaken(LicenceText::Screen(screen)), 13) << "screen " << screen;
  }
  EXPECT_TRUE(LicenceText::Pieces(-1).empty());
  EXPECT_TRUE(LicenceText::Pieces(4).empty());
  EXPECT_EQ(LicenceText::Screen(4), "");
}

TEST(LicenceText, BreaksAndIndentsWhereThePageExpectsThem) {
  const auto s0 = LicenceText::Pieces(0);
  const auto s1 = LicenceText::Pieces(1);
  const auto s2 = LicenceText::Pieces(2);
  const auto s3 = LicenceText::Pieces(3);

  // The title line: thirteen spaces, then the agreement's name.
  EXPECT_TRUE(StartsWith(s0[0], std::string(13, ' ')));
  EXPECT_NE(s0[0][13], ' ');
  // Headings and paragraphs end with two breaks; the pieces inside a paragraph with none.
  for (const char* piece :
       {s0[0], s0[1], s0[2], s0[3], s1[0], s1[3], s1[4], s2[0], s2[1], s2[3], s2[4], s2[6], s3[0]})
    EXPECT_TRUE(EndsBlock(piece)) << piece;
  for (const char* piece : {s1[1], s1[2], s1[5], s1[6], s2[2], s2[5]})
    EXPECT_EQ(std::string_view(piece).find('\n'), std::string_view::npos) << piece;
  // Section 2's paragraph breaks off mid-sentence at the end of screen 1.
  EXPECT_FALSE(EndsWith(s1[6], "。"));
  // The governing-law paragraph and the four section paragraphs are indented; the notice is not.
  for (const char* piece : {s0[3], s1[1], s1[5], s2[2], s2[5]})
    EXPECT_TRUE(StartsWith(piece, kIndent)) << piece;
  EXPECT_FALSE(StartsWith(s0[1], kIndent));
  // The closing statement begins with one break; the revision date closes the text.
  EXPECT_TRUE(StartsWith(s3[0], kBreak));
  EXPECT_FALSE(StartsWith(s3[0], kParagraphEnd));
  EXPECT_TRUE(EndsWith(s3[2], "2012-12-26"));
}

}  // namespace
}  // namespace torvek::setup

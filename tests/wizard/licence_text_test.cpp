// The licence agreement's shape: four screens of 4, 7, 7 and 3 pieces, each fitting the text
// control.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "common/text/cp936_text.h"
#include "resources/setup/licence_text.h"

namespace torvek::setup {
namespace {

constexpr std::string_view kBreak = "\r\n";

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

}  // namespace
}  // namespace torvek::setup

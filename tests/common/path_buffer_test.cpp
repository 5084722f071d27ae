#include <gtest/gtest.h>

#include <string>

#include "common/path_buffer.h"

namespace torvek {
namespace {

TEST(PathBuffer, FormatsWhatFitsAndRefusesWhatDoesNot) {
  PathBuffer path;
  ASSERT_TRUE(path.Format("%s\\Torvek结构工具箱\\TORVEK%d.ARX", "C:\\Program Files", 2008));
  EXPECT_EQ(path.view(), "C:\\Program Files\\Torvek结构工具箱\\TORVEK2008.ARX");

  // 259 bytes is the longest path there is room for.
  const std::string fits(259, 'a');
  ASSERT_TRUE(path.Format("%s", fits.c_str()));
  EXPECT_EQ(path.size(), 259u);

  // One byte more is refused whole: no cut path is left behind to be mistaken for another.
  const std::string folder(252, 'b');
  EXPECT_FALSE(path.Format("%s\\acad.rx", folder.c_str()));
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

}  // namespace
}  // namespace torvek

// The dialog driver's script reader: words, quoted texts with backslashes kept, comments,
// values from the command line, and the two mistakes it refuses.
#include <gtest/gtest.h>

#include "tools/dialog-driver/driver_script.h"

namespace torvek::driver {
namespace {

TEST(DriverScript, SplitsCommandsAndKeepsQuotedTextWhole) {
  const std::string script =
      "# a comment\r\n"
      "start \"${DIR}\\SetUp.exe\" C:\\Kit\r\n"
      "\n"
      "   type 1000 \"C:\\Program Files\\\"\n"
      "answer \"Torvek安装\" ok";
  std::vector<DriverCommand> commands;
  std::string error;
  ASSERT_TRUE(ParseDriverScript(script, {{"DIR", "Z:\\kit"}}, commands, error)) << error;
  ASSERT_EQ(commands.size(), 3u);
  EXPECT_EQ(commands[0].line, 2);
  EXPECT_EQ(commands[0].verb, "start");
  EXPECT_EQ(commands[0].arguments, (std::vector<std::string>{"Z:\\kit\\SetUp.exe", "C:\\Kit"}));
  EXPECT_EQ(commands[1].line, 4);
  EXPECT_EQ(commands[1].arguments, (std::vector<std::string>{"1000", "C:\\Program Files\\"}));
  EXPECT_EQ(commands[2].arguments[0], "Torvek安装");
}

TEST(DriverScript, RefusesAnOpenQuoteAndAnUnknownValue) {
  std::vector<DriverCommand> commands;
  std::string error;
  EXPECT_FALSE(ParseDriverScript("click 1\ntype 1000 \"C:\\", {}, commands, error));
  EXPECT_EQ(error, "line 2: a quote is not closed");
  EXPECT_FALSE(ParseDriverScript("start ${PROGRAM}", {}, commands, error));
  EXPECT_EQ(error, "line 1: nothing was given for ${PROGRAM}");
}

}  // namespace
}  // namespace torvek::driver

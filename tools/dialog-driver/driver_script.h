// The dialog driver's scripts: one command a line, words split at blanks, a "quoted text" kept
// as one word (without escapes, so Windows paths read as written), lines starting with '#'
// skipped, and ${NAME} replaced by a value given on the command line.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace torvek::driver {

struct DriverCommand {
  int line = 0;
  std::string verb;
  std::vector<std::string> arguments;
};

// False, with what is wrong and where, for an unclosed quote or an unknown ${NAME}.
bool ParseDriverScript(std::string_view text, const std::map<std::string, std::string>& values,
                       std::vector<DriverCommand>& commands, std::string& error);

}  // namespace torvek::driver

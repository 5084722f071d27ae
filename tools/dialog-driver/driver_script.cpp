#include "tools/dialog-driver/driver_script.h"

namespace torvek::driver {

namespace {

bool Substitute(std::string_view word, const std::map<std::string, std::string>& values,
                std::string& out, std::string& unknown) {
  out.clear();
  std::size_t at = 0;
  while (at < word.size()) {
    const std::size_t open = word.find("${", at);
    if (open == std::string_view::npos) {
      out.append(word.substr(at));
      break;
    }
    const std::size_t close = word.find('}', open);
    if (close == std::string_view::npos) {
      out.append(word.substr(at));
      break;
    }
    out.append(word.substr(at, open - at));
    const std::string name(word.substr(open + 2, close - open - 2));
    const auto value = values.find(name);
    if (value == values.end()) {
      unknown = name;
      return false;
    }
    out.append(value->second);
    at = close + 1;
  }
  return true;
}

bool SplitLine(std::string_view line, std::vector<std::string>& words) {
  std::size_t at = 0;
  while (at < line.size()) {
    if (line[at] == ' ' || line[at] == '\t') {
      ++at;
      continue;
    }
    if (line[at] == '"') {
      const std::size_t close = line.find('"', at + 1);
      if (close == std::string_view::npos)
        return false;
      words.emplace_back(line.substr(at + 1, close - at - 1));
      at = close + 1;
      continue;
    }
    std::size_t end = line.find_first_of(" \t", at);
    if (end == std::string_view::npos)
      end = line.size();
    words.emplace_back(line.substr(at, end - at));
    at = end;
  }
  return true;
}

}  // namespace

bool ParseDriverScript(std::string_view text, const std::map<std::string, std::string>& values,
                       std::vector<DriverCommand>& commands, std::string& error) {
  commands.clear();
  int number = 0;
  std::size_t at = 0;
  while (at <= text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos)
      end = text.size();
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#')
      continue;
    std::vector<std::string> words;
    if (!SplitLine(line, words)) {
      error = "line " + std::to_string(number) + ": a quote is not closed";
      return false;
    }
    DriverCommand command;
    command.line = number;
    for (const std::string& word : words) {
      std::string substituted;
      std::string unknown;
      if (!Substitute(word, values, substituted, unknown)) {
        error = "line " + std::to_string(number) + ": nothing was given for ${" + unknown + "}";
        return false;
      }
      if (command.verb.empty())
        command.verb = std::move(substituted);
      else
        command.arguments.push_back(std::move(substituted));
    }
    commands.push_back(std::move(command));
  }
  return true;
}

}  // namespace torvek::driver

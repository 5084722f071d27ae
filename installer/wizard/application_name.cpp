#include "installer/wizard/application_name.h"

#include "common/cp936_text.h"

namespace torvek::setup {

std::string ApplicationNameOf(std::string_view programPath) {
  std::size_t nameStart = 0;
  std::size_t lastDot = std::string_view::npos;
  for (std::size_t at = 0; at < programPath.size(); at += CharLength(programPath, at)) {
    if (programPath[at] == '\\' || programPath[at] == '/' || programPath[at] == ':') {
      nameStart = at + 1;
      lastDot = std::string_view::npos;
    } else if (programPath[at] == '.') {
      lastDot = at;
    }
  }
  const std::size_t nameEnd =
      lastDot != std::string_view::npos && lastDot > nameStart ? lastDot : programPath.size();
  return std::string(programPath.substr(nameStart, nameEnd - nameStart));
}

}  // namespace torvek::setup

#include "installer/wizard/application_name.h"

#include "common/text/cp936_text.h"
#include "common/text/path_split.h"

namespace torvek::setup {

std::string ApplicationNameOf(std::string_view programPath) {
  const std::string_view name =
      programPath.substr(LastNameStart(programPath, PathSeparators::kBackslashOrSlash));
  std::size_t lastDot = std::string_view::npos;
  for (auto it = Characters(name).begin(); it != Characters(name).end(); ++it) {
    if (*it == ".")
      lastDot = it.Position();
  }
  return std::string(lastDot != std::string_view::npos && lastDot > 0 ? name.substr(0, lastDot)
                                                                      : name);
}

}  // namespace torvek::setup

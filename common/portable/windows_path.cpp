#include "common/portable/windows_path.h"

#include "common/text/cp936_text.h"
#include "common/text/path_split.h"

namespace torvek::portable {

using platform::WinError;

namespace {

constexpr PathSeparators kSeparators = PathSeparators::kBackslashOrSlash;

}  // namespace

WinError ParseWindowsPath(std::string_view path, const WindowsPath& current, WindowsPath& parsed) {
  if (path.empty())
    return platform::kErrorPathNotFound;
  std::vector<std::string> base;
  if (HasDrive(path)) {
    parsed.drive = UpperAscii(path[0]);
    path.remove_prefix(2);
    // "D:name" is relative to D:'s own current directory; only the current drive has one here.
    if (!StartsWithSeparator(path, kSeparators) && parsed.drive == current.drive)
      base = current.components;
  } else if (StartsWithSeparator(path, kSeparators)) {
    // A UNC name ("\\server\share") names no drive.
    if (StartsWithSeparator(path.substr(1), kSeparators))
      return platform::kErrorPathNotFound;
    parsed.drive = current.drive;
  } else {
    parsed.drive = current.drive;
    base = current.components;
  }
  parsed.components = std::move(base);
  for (const std::string_view part : SplitPath(path, kSeparators)) {
    if (part == ".")
      continue;
    if (part == "..") {
      if (!parsed.components.empty())
        parsed.components.pop_back();
      continue;
    }
    parsed.components.emplace_back(part);
  }
  return platform::kErrorSuccess;
}

WindowsPath ParseAbsoluteWindowsPath(std::string_view path) {
  WindowsPath root;
  root.drive = 'C';
  WindowsPath parsed;
  if (ParseWindowsPath(path, root, parsed) != platform::kErrorSuccess)
    return root;
  return parsed;
}

std::string WindowsPathText(const WindowsPath& path) {
  std::string text{path.drive, ':'};
  for (const std::string& part : path.components)
    text += "\\" + part;
  if (path.components.empty())
    text += "\\";
  return text;
}

bool TooLongForAnsiCalls(std::string_view path) {
  return CharacterCount(path) >= 260;
}

bool IsValidWindowsName(std::string_view name, bool wildcards) {
  for (const std::string_view character : Characters(name)) {
    if (character.size() == 2)
      continue;
    const auto c = static_cast<unsigned char>(character[0]);
    if (c < 0x20 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|')
      return false;
    if (!wildcards && (c == '*' || c == '?'))
      return false;
  }
  return true;
}

bool MatchesMask(std::string_view mask, std::string_view name) {
  if (mask.empty())
    return name.empty();
  if (mask[0] == '*') {
    while (!mask.empty() && mask[0] == '*')
      mask.remove_prefix(1);
    for (std::size_t i = 0;; i += CharLength(name, i)) {
      if (MatchesMask(mask, name.substr(i)))
        return true;
      if (i >= name.size())
        return false;
    }
  }
  if (name.empty())
    return false;
  const std::size_t nameLength = CharLength(name, 0);
  if (mask[0] == '?')
    return MatchesMask(mask.substr(1), name.substr(nameLength));
  const std::size_t maskLength = CharLength(mask, 0);
  return mask.substr(0, maskLength) == name.substr(0, nameLength) &&
         MatchesMask(mask.substr(maskLength), name.substr(nameLength));
}

}  // namespace torvek::portable

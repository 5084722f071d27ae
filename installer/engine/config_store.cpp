#include "installer/engine/config_store.h"

#include <algorithm>
#include <cstring>

#include "common/text/path_buffer.h"
#include "common/text/strip_trailing_backslash.h"
#include "installer/product_files.h"

namespace torvek::engine {

namespace {

// 较早保留 takes up to this many files of one name; " (999)" is the longest mark a name gets.
constexpr int kMostOfOneName = 999;
constexpr std::size_t kLongestMark = 6;

bool IsFolder(platform::FileSystem& files, const std::string& path) {
  const std::uint32_t attributes = files.GetAttributes(path.c_str());
  return attributes != platform::kInvalidAttributes &&
         (attributes & platform::kAttributeDirectory) != 0;
}

// `name` below `folder`; empty when that does not fit a path buffer.
std::string Below(std::string_view folder, std::string_view name) {
  PathBuffer path;
  return path.Join(StripTrailingBackslash(folder), name) ? std::string(path.view()) : std::string();
}

}  // namespace

std::string NumberedName(std::string_view name, int number) {
  // A full stop is never the trail byte of a double-byte character.
  const std::size_t dot = name.rfind('.');
  const std::size_t at = dot == std::string_view::npos || dot == 0 ? name.size() : dot;
  return std::string(name.substr(0, at)) + " (" + std::to_string(number) + ")" +
         std::string(name.substr(at));
}

ConfigStore::ConfigStore(platform::FileSystem& files, const char* besideKitName,
                         const char* temporaryName)
    : files_(files),
      besideKit_(Below(files.CurrentDirectory(), besideKitName)),
      underTemp_(Below(files.TempDirectory(), temporaryName)) {}

// Every path a save may build below the folder must fit: the saved file's, and the place in
// 较早保留 of a file it sets aside.
bool ConfigStore::Usable(const std::string& folder, std::size_t longestName) {
  if (folder.empty())
    return false;
  const std::size_t deepest = folder.size() + 1 + std::strlen(product::kSetAsideFolderName) + 1 +
                              longestName + kLongestMark;
  if (deepest >= PathBuffer::kCapacity)
    return false;
  files_.MakeDirectory(folder.c_str());
  return IsFolder(files_, folder);
}

bool ConfigStore::Open(std::size_t longestName) {
  folder_.clear();
  if (Usable(besideKit_, longestName)) {
    folder_ = besideKit_;
  } else if (Usable(underTemp_, longestName)) {
    folder_ = underTemp_;
  }
  return !folder_.empty();
}

bool ConfigStore::SetAside(const std::string& name) {
  for (const std::string& folder : {besideKit_, underTemp_}) {
    if (!folder.empty() && !SetAsideIn(folder, name))
      return false;
  }
  return true;
}

bool ConfigStore::SetAsideIn(const std::string& folder, const std::string& name) {
  PathBuffer from;
  if (!from.Join(folder, name))
    return true;  // no file the calls can reach is in the way
  const std::uint32_t attributes = files_.GetAttributes(from.c_str());
  if (attributes == platform::kInvalidAttributes)
    return true;
  if ((attributes & platform::kAttributeDirectory) != 0)
    return false;
  const std::string aside = Below(folder, product::kSetAsideFolderName);
  if (aside.empty())
    return false;
  files_.MakeDirectory(aside.c_str());
  for (int number = 1; number <= kMostOfOneName; ++number) {
    PathBuffer to;
    if (!to.Join(aside, number == 1 ? name : NumberedName(name, number)))
      return false;
    if (files_.GetAttributes(to.c_str()) != platform::kInvalidAttributes)
      continue;
    if (files_.MoveFile(from.c_str(), to.c_str(), false) != platform::kErrorSuccess)
      return false;
    moves_.push_back({std::string(from.view()), std::string(to.view()), aside});
    if (std::find(setAsideFolders_.begin(), setAsideFolders_.end(), aside) ==
        setAsideFolders_.end()) {
      setAsideFolders_.push_back(aside);
    }
    return true;
  }
  return false;
}

std::vector<std::string> ConfigStore::FoldersToRestore() {
  std::vector<std::string> folders;
  for (const std::string& folder : {folder_, besideKit_, underTemp_}) {
    if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end() &&
        IsFolder(files_, folder)) {
      folders.push_back(folder);
    }
  }
  return folders;
}

void ConfigStore::UndoSetAside() {
  std::vector<std::string> stillAside;
  for (auto move = moves_.rbegin(); move != moves_.rend(); ++move) {
    if (files_.MoveFile(move->to.c_str(), move->from.c_str(), false) != platform::kErrorSuccess)
      stillAside.push_back(move->aside);
  }
  moves_.clear();
  std::vector<std::string> folders;
  for (const std::string& aside : setAsideFolders_) {
    if (std::find(stillAside.begin(), stillAside.end(), aside) != stillAside.end()) {
      folders.push_back(aside);
    } else {
      files_.RemoveDirectory(aside.c_str());
    }
  }
  setAsideFolders_ = std::move(folders);
}

}  // namespace torvek::engine

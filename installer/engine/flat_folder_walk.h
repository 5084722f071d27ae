// The one way the install engine looks into a folder: the entries of one folder, in the order
// the platform gives them, without descending. "." and ".." and folders are passed over.
#pragma once

#include <functional>
#include <string_view>

#include "common/platform/file_system.h"

namespace torvek::engine {

enum class WalkStep { kGoOn, kStop };

struct FlatFolderWalk {
  // Called at the start of every turn: once per entry examined and once more for the turn
  // that finds no further entry.
  std::function<void()> onTurn;
  // Called with each file's name; kStop ends the walk at once.
  std::function<WalkStep(const std::string& name)> onFile;
};

// Walks every entry of `folder` (no trailing backslash). A folder that cannot be searched,
// or whose search pattern would not fit a path buffer, yields no entries. False when onFile
// stopped the walk.
bool WalkFolder(platform::FileSystem& files, std::string_view folder, const FlatFolderWalk& walk);

}  // namespace torvek::engine

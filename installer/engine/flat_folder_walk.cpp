#include "installer/engine/flat_folder_walk.h"

#include <memory>
#include <string>

#include "common/text/path_buffer.h"

namespace torvek::engine {

bool WalkFolder(platform::FileSystem& files, std::string_view folder, const FlatFolderWalk& walk) {
  const auto turn = [&walk] {
    if (walk.onTurn)
      walk.onTurn();
  };
  PathBuffer pattern;
  if (!pattern.Format("%.*s\\*.*", static_cast<int>(folder.size()), folder.data())) {
    turn();
    return true;
  }
  platform::FindData entry;
  std::unique_ptr<platform::DirectorySearch> search;
  bool haveEntry = files.FindFirst(pattern.c_str(), entry, search) == platform::kErrorSuccess;
  // Every entry is examined: a kit of any size is copied, saved and restored whole.
  for (bool first = true;; first = false) {
    turn();
    if (!first)
      haveEntry = search && search->Next(entry) == platform::kErrorSuccess;
    if (!haveEntry)
      return true;
    if (entry.name == "." || entry.name == "..")
      continue;
    if ((entry.attributes & platform::kAttributeDirectory) != 0)
      continue;
    if (walk.onFile && walk.onFile(entry.name) == WalkStep::kStop)
      return false;
  }
}

}  // namespace torvek::engine

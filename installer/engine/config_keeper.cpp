#include "installer/engine/config_keeper.h"

#include <algorithm>

#include "common/copy_replacing.h"
#include "common/text/cp936_text.h"
#include "common/text/path_buffer.h"
#include "common/text/strip_trailing_backslash.h"
#include "installer/engine/flat_folder_walk.h"
#include "installer/product_files.h"

namespace torvek::engine {

bool MatchesExtension(std::string_view name, std::string_view extension) {
  const std::string upper = ToUpperAscii(name);
  const std::size_t at = FindNoCase(upper, extension, 1);
  return at != std::string::npos && at >= 1;
}

ConfigKeeper::ConfigKeeper(platform::Registry& registry, platform::FileSystem& files,
                           std::string_view installFolder)
    : targetFolder(product::ProductFolder(installFolder)),
      registry_(registry),
      files_(files),
      settings_(files, product::kSettingsStoreName, product::kTemporarySettingsStoreName),
      library_(files, product::kLibraryStoreName, product::kTemporaryLibraryStoreName) {}

bool ConfigKeeper::HasPreviousConfig() {
  if (!ReadInstallRecord())
    return false;
  bool found = false;
  FlatFolderWalk walk;
  walk.onFile = [&found](const std::string& name) {
    found = MatchesExtension(name, ".CFG");
    return found ? WalkStep::kStop : WalkStep::kGoOn;
  };
  WalkFolder(files_, previousFolder, walk);
  return found;
}

// The store is opened only once something is to be saved, for the longest name among them.
bool ConfigKeeper::SaveMatching(ConfigStore& store, const std::string& folder, bool cfg, bool sec,
                                bool sjy, const FailedSaveQuestion& ask) {
  std::vector<std::string> names;
  std::size_t longest = 0;
  FlatFolderWalk walk;
  walk.onFile = [&](const std::string& name) {
    if ((cfg && MatchesExtension(name, ".CFG")) || (sec && MatchesExtension(name, ".SEC")) ||
        (sjy && MatchesExtension(name, ".SJY"))) {
      names.push_back(ToUpperAscii(name));
      longest = std::max(longest, name.size());
    }
    return WalkStep::kGoOn;
  };
  WalkFolder(files_, folder, walk);
  if (names.empty())
    return true;
  store.Open(longest);
  for (const std::string& name : names) {
    const std::string from = folder + "\\" + name;
    while (!SaveOne(store, from, name)) {
      const AfterFailedCopy answer = ask ? ask(from) : AfterFailedCopy::kGoOn;
      if (answer == AfterFailedCopy::kStop)
        return false;
      if (answer == AfterFailedCopy::kGoOn)
        break;
      if (store.Folder().empty())
        store.Open(longest);
    }
  }
  return true;
}

// A file is saved once it lies in the store and nothing that was there before is lost to it.
bool ConfigKeeper::SaveOne(ConfigStore& store, const std::string& from, const std::string& name) {
  PathBuffer source;
  PathBuffer target;
  if (store.Folder().empty() || !source.Assign(from) || !target.Join(store.Folder(), name) ||
      !store.SetAside(name)) {
    return false;
  }
  if (CopyReplacing(files_, source.c_str(), target.c_str()) != CopyEnd::kCopied)
    return false;
  saved_.emplace_back(target.view());
  return true;
}

SaveEnd ConfigKeeper::SaveConfig(const FailedSaveQuestion& ask) {
  if (keepSettings == 0 && keepSectionLibrary == 0 && keepExtendedLibrary == 0)
    return SaveEnd::kSaved;
  const bool saved = ((keepSettings == 0 && keepSectionLibrary == 0) ||
                      SaveMatching(settings_, previousFolder, keepSettings != 0,
                                   keepSectionLibrary != 0, false, ask)) &&
                     (keepExtendedLibrary == 0 ||
                      SaveMatching(library_, previousFolder + "\\" + product::kLibraryFolderName,
                                   false, false, true, ask));
  if (saved)
    return SaveEnd::kSaved;
  UndoSave();
  return SaveEnd::kAborted;
}

void ConfigKeeper::UndoSave() {
  for (const std::string& copy : saved_)
    files_.DeleteFile(copy.c_str());
  saved_.clear();
  for (ConfigStore* store : {&settings_, &library_}) {
    store->UndoSetAside();
    if (!store->Folder().empty())
      files_.RemoveDirectory(store->Folder().c_str());
  }
}

// Both folders of the store, this run's first. A name put back once in this run is not put back
// again over it: the later file moves into 较早保留 instead.
void ConfigKeeper::RestoreStores(ConfigStore& store, const std::string& destination,
                                 KeptFilesReport& report) {
  std::vector<std::string> restored;
  for (const std::string& folder : store.FoldersToRestore()) {
    bool left = false;
    FlatFolderWalk walk;
    walk.onFile = [&](const std::string& name) {
      const std::string upper = ToUpperAscii(name);
      if (std::find(restored.begin(), restored.end(), upper) != restored.end()) {
        left = !store.SetAsideIn(folder, upper) || left;
        return WalkStep::kGoOn;
      }
      PathBuffer from;
      PathBuffer to;
      // A file that could not be put back stays in the store: it is the user's only copy.
      if (from.Join(folder, upper) && to.Join(destination, upper) &&
          CopyReplacing(files_, from.c_str(), to.c_str()) == CopyEnd::kCopied) {
        files_.DeleteFile(from.c_str());
        restored.push_back(upper);
      } else {
        left = true;
      }
      return WalkStep::kGoOn;
    };
    WalkFolder(files_, folder, walk);
    if (left)
      report.unrestoredStores.push_back(folder);
    files_.RemoveDirectory(folder.c_str());
  }
}

KeptFilesReport ConfigKeeper::RestoreConfig() {
  KeptFilesReport report;
  if (keepSettings == 0 && keepSectionLibrary == 0 && keepExtendedLibrary == 0)
    return report;
  if (keepSettings != 0 || keepSectionLibrary != 0)
    RestoreStores(settings_, targetFolder, report);
  if (keepExtendedLibrary != 0)
    RestoreStores(library_, targetFolder + "\\" + product::kLibraryFolderName, report);
  for (const ConfigStore* store : {&settings_, &library_}) {
    report.setAsideFolders.insert(report.setAsideFolders.end(), store->SetAsideFolders().begin(),
                                  store->SetAsideFolders().end());
  }
  return report;
}

}  // namespace torvek::engine

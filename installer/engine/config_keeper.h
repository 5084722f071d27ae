// Keeps the user's configuration across a reinstall: settings (.CFG) and section library
// (.SEC) files of the earlier product folder, and the extended drawing library's .SJY files,
// are saved to two stores before the kit is copied and put into the new product folder after.
// It also reads and writes the install-location record through which a later run finds the
// earlier product folder.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/copy_replacing.h"
#include "common/platform/file_system.h"
#include "common/platform/registry.h"
#include "installer/engine/config_store.h"

namespace torvek::engine {

enum class SaveEnd { kSaved, kAborted };

// What the user must hear of the kept files after an install.
struct KeptFilesReport {
  // Stores still holding files that could not be put back; the next run restores from them.
  std::vector<std::string> unrestoredStores;
  // 较早保留 folders that received files in this run.
  std::vector<std::string> setAsideFolders;

  bool empty() const { return unrestoredStores.empty() && setAsideFolders.empty(); }
};

// Asked after a kept file, named in full, could not be saved.
using FailedSaveQuestion = std::function<AfterFailedCopy(const std::string& file)>;

class ConfigKeeper {
 public:
  // `installFolder` as the user chose it, less one trailing backslash.
  ConfigKeeper(platform::Registry& registry, platform::FileSystem& files,
               std::string_view installFolder);

  // True when an earlier installation is recorded and its product folder holds a .CFG file.
  bool HasPreviousConfig();
  // Saves the files the keep fields name. A file that cannot be saved would be lost to the
  // product copy, so `ask` decides: retry, go on without it, or abort, which takes back every
  // copy and every move this run made in the stores.
  SaveEnd SaveConfig(const FailedSaveQuestion& ask);
  // Puts back every file of both stores of each kept kind; what stays behind is reported.
  KeptFilesReport RestoreConfig();

  // Fills previousFolder from the record; true when it names a folder of two characters or
  // more. A record too long for a path is no record.
  bool ReadInstallRecord();
  // Records targetFolder as the product folder of this installation.
  void WriteInstallRecord();

  std::string targetFolder;
  std::string previousFolder;
  int keepSettings = 0;
  int keepSectionLibrary = 0;
  int keepExtendedLibrary = 0;

 private:
  bool SaveMatching(ConfigStore& store, const std::string& folder, bool cfg, bool sec, bool sjy,
                    const FailedSaveQuestion& ask);
  bool SaveOne(ConfigStore& store, const std::string& from, const std::string& name);
  void UndoSave();
  void RestoreStores(ConfigStore& store, const std::string& destination, KeptFilesReport& report);

  platform::Registry& registry_;
  platform::FileSystem& files_;
  ConfigStore settings_;
  ConfigStore library_;
  // The copies this run made in the stores.
  std::vector<std::string> saved_;
};

// True when the upper-cased name holds `extension` (".CFG") after its first character: the
// name contains it, it need not end with it.
bool MatchesExtension(std::string_view name, std::string_view extension);

}  // namespace torvek::engine

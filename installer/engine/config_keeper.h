// Keeps the user's configuration across a reinstall: settings (.CFG) and section library
// (.SEC) files of the earlier product folder, and the extended drawing library's .SJY files,
// are saved to two stores before the kit is copied and put into the new product folder after.
// It also reads and writes the install-location record through which a later run finds the
// earlier product folder.
#pragma once

#include <string>
#include <string_view>

#include "common/platform/file_system.h"
#include "common/platform/registry.h"

namespace torvek::engine {

class ConfigKeeper {
 public:
  // `installFolder` as the user chose it, less one trailing backslash.
  ConfigKeeper(platform::Registry& registry, platform::FileSystem& files,
               std::string_view installFolder);

  // True when an earlier installation is recorded and its product folder holds a .CFG file.
  bool HasPreviousConfig();
  void SaveConfig();
  void RestoreConfig();

  // Fills previousFolder from the record; true when it names a folder of two characters or
  // more. A record too long for a path is no record.
  bool ReadInstallRecord();
  // Records targetFolder as the product folder of this installation.
  void WriteInstallRecord();

  // The stores this keeper saves into and restores from: beside the kit when a folder can be
  // made there, under the system's temporary folder otherwise (a kit on read-only media).
  const std::string& SettingsStore() const { return settingsStore_; }
  const std::string& LibraryStore() const { return libraryStore_; }

  std::string targetFolder;
  std::string previousFolder;
  int keepSettings = 0;
  int keepSectionLibrary = 0;
  int keepExtendedLibrary = 0;

 private:
  // Makes the store folder beside the kit, or under the temporary folder when that fails;
  // answers the folder now in use, empty when neither could be made.
  std::string MakeStore(const char* besideKitName, const char* temporaryName);
  void SaveMatching(const std::string& folder, const std::string& store, bool cfg, bool sec,
                    bool sjy);
  void RestoreStore(const std::string& store, const std::string& destination);

  platform::Registry& registry_;
  platform::FileSystem& files_;
  std::string settingsStore_;
  std::string libraryStore_;
};

// True when the upper-cased name holds `extension` (".CFG") after its first character: the
// name contains it, it need not end with it.
bool MatchesExtension(std::string_view name, std::string_view extension);

}  // namespace torvek::engine

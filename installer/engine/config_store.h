// Where one kind of kept file waits while the kit is copied: a folder beside the kit, or, where
// none can be had there (a kit on read-only media, a kit folder too deep), one of our own name
// under the system's temporary folder. Files an earlier run could not put back may wait in
// either, and every run with the keep options restores from both. Nothing in a store is ever
// overwritten: a file in the way of a save moves into the store's subfolder 较早保留, which no
// restore enters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform/file_system.h"

namespace torvek::engine {

class ConfigStore {
 public:
  // The folders' names beside the kit and under the temporary folder.
  ConfigStore(platform::FileSystem& files, const char* besideKitName, const char* temporaryName);

  // Makes (or takes) the folder this run saves into, for names of up to `longestName` bytes:
  // beside the kit when every path it needs fits and the folder can be made there, under the
  // temporary folder otherwise. False, and no folder, when neither can be had.
  bool Open(std::size_t longestName);
  // The folder Open took; empty before, or when it failed.
  const std::string& Folder() const { return folder_; }

  // Moves the file `name` out of the way, in both folders, into each one's 较早保留 under a name
  // that no file there has yet. False when a file stays in the way.
  bool SetAside(const std::string& name);
  bool SetAsideIn(const std::string& folder, const std::string& name);

  // The folders there are, the one this run saves into first.
  std::vector<std::string> FoldersToRestore();
  // The 较早保留 folders that received a file in this run.
  const std::vector<std::string>& SetAsideFolders() const { return setAsideFolders_; }

  // Takes back what this run did to the store: the files it set aside return to their places,
  // and folders left empty go.
  void UndoSetAside();

 private:
  struct Move {
    std::string from;
    std::string to;
    std::string aside;  // the 较早保留 folder `to` lies in
  };

  bool Usable(const std::string& folder, std::size_t longestName);

  platform::FileSystem& files_;
  std::string besideKit_;
  std::string underTemp_;
  std::string folder_;
  std::vector<Move> moves_;
  std::vector<std::string> setAsideFolders_;
};

// "USER (2).CFG" for "USER.CFG" and 2: the name a file takes in 较早保留 when its own is taken.
std::string NumberedName(std::string_view name, int number);

}  // namespace torvek::engine

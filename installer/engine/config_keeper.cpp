#include "installer/engine/config_keeper.h"

#include "common/copy_replacing.h"
#include "common/text/cp936_text.h"
#include "common/text/path_buffer.h"
#include "common/text/strip_trailing_backslash.h"
#include "installer/engine/flat_folder_walk.h"
#include "installer/product_files.h"

namespace torvek::engine {

namespace {

bool FolderExists(platform::FileSystem& files, const std::string& path) {
  const std::uint32_t attributes = files.GetAttributes(path.c_str());
  return attributes != platform::kInvalidAttributes &&
         (attributes & platform::kAttributeDirectory) != 0;
}

}  // namespace

bool MatchesExtension(std::string_view name, std::string_view extension) {
  const std::string upper = ToUpperAscii(name);
  const std::size_t at = FindNoCase(upper, extension, 1);
  return at != std::string::npos && at >= 1;
}

ConfigKeeper::ConfigKeeper(platform::Registry& registry, platform::FileSystem& files,
                           std::string_view installFolder)
    : targetFolder(product::ProductFolder(installFolder)), registry_(registry), files_(files) {
  const std::string source = StripTrailingBackslash(files_.CurrentDirectory());
  settingsStore_ = source + "\\" + product::kSettingsStoreName;
  libraryStore_ = source + "\\" + product::kLibraryStoreName;
}

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

std::string ConfigKeeper::MakeStore(const char* besideKitName, const char* temporaryName) {
  const std::string besideKit =
      StripTrailingBackslash(files_.CurrentDirectory()) + "\\" + besideKitName;
  if (besideKit.size() < PathBuffer::kCapacity) {
    files_.MakeDirectory(besideKit.c_str());
    if (FolderExists(files_, besideKit))
      return besideKit;
  }
  // The kit's folder takes no new folder (read-only media): a store of our own name under
  // the temporary folder keeps the files instead, and no other program's folder is taken.
  const std::string temporary =
      StripTrailingBackslash(files_.TempDirectory()) + "\\" + temporaryName;
  if (temporary.size() < PathBuffer::kCapacity) {
    files_.MakeDirectory(temporary.c_str());
    if (FolderExists(files_, temporary))
      return temporary;
  }
  return {};
}

void ConfigKeeper::SaveMatching(const std::string& folder, const std::string& store, bool cfg,
                                bool sec, bool sjy) {
  FlatFolderWalk walk;
  walk.onFile = [&](const std::string& name) {
    if ((cfg && MatchesExtension(name, ".CFG")) || (sec && MatchesExtension(name, ".SEC")) ||
        (sjy && MatchesExtension(name, ".SJY"))) {
      const std::string upper = ToUpperAscii(name);
      PathBuffer from;
      PathBuffer to;
      if (from.Join(folder, upper) && to.Join(store, upper)) {
        CopyReplacing(files_, from.c_str(), to.c_str());
      }
    }
    return WalkStep::kGoOn;
  };
  WalkFolder(files_, folder, walk);
}

void ConfigKeeper::SaveConfig() {
  if (keepSettings == 0 && keepSectionLibrary == 0 && keepExtendedLibrary == 0)
    return;
  if (keepSettings != 0 || keepSectionLibrary != 0) {
    const std::string store =
        MakeStore(product::kSettingsStoreName, product::kTemporarySettingsStoreName);
    if (!store.empty()) {
      settingsStore_ = store;
      SaveMatching(previousFolder, store, keepSettings != 0, keepSectionLibrary != 0, false);
    }
  }
  if (keepExtendedLibrary != 0) {
    const std::string store =
        MakeStore(product::kLibraryStoreName, product::kTemporaryLibraryStoreName);
    if (!store.empty()) {
      libraryStore_ = store;
      SaveMatching(previousFolder + "\\" + product::kLibraryFolderName, store, false, false, true);
    }
  }
}

void ConfigKeeper::RestoreStore(const std::string& store, const std::string& destination) {
  FlatFolderWalk walk;
  walk.onFile = [&](const std::string& name) {
    const std::string upper = ToUpperAscii(name);
    PathBuffer from;
    PathBuffer to;
    // A file that could not be put back stays in the store: it is the user's only copy.
    if (from.Join(store, upper) && to.Join(destination, upper) &&
        CopyReplacing(files_, from.c_str(), to.c_str()) == CopyEnd::kCopied) {
      files_.DeleteFile(from.c_str());
    }
    return WalkStep::kGoOn;
  };
  WalkFolder(files_, store, walk);
  if (store.size() < PathBuffer::kCapacity)
    files_.RemoveDirectory(store.c_str());
}

void ConfigKeeper::RestoreConfig() {
  if (keepSettings == 0 && keepSectionLibrary == 0 && keepExtendedLibrary == 0)
    return;
  if (keepSettings != 0 || keepSectionLibrary != 0)
    RestoreStore(settingsStore_, targetFolder);
  if (keepExtendedLibrary != 0) {
    RestoreStore(libraryStore_, targetFolder + "\\" + product::kLibraryFolderName);
  }
}

}  // namespace torvek::engine

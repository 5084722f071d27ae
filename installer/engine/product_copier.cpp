#include "installer/engine/product_copier.h"

#include <algorithm>

#include "common/copy_replacing.h"
#include "common/text/cp936_text.h"
#include "common/text/path_buffer.h"
#include "common/text/strip_trailing_backslash.h"
#include "installer/engine/failed_copy_question.h"
#include "installer/product_files.h"

namespace torvek::engine {

namespace {

// The installer itself, and the fonts that go to each AutoCAD's Fonts folder instead.
bool IsExcluded(std::string_view name) {
  return EqualsNoCase(name, product::kInstallerFileName) ||
         EqualsNoCase(name, product::kEnglishFontName) ||
         EqualsNoCase(name, product::kChineseFontName);
}

// "%s\*.*" must fit for the folder to be searched at all.
bool Searchable(const std::string& folder) {
  return folder.size() + 4 < PathBuffer::kCapacity;
}

std::string SourceFolder(platform::FileSystem& files) {
  return StripTrailingBackslash(files.CurrentDirectory());
}

std::string LibraryOf(const std::string& folder) {
  return folder + "\\" + product::kLibraryFolderName;
}

// The longest file name `keep` takes in `folder`; 0 for none.
std::size_t LongestName(platform::FileSystem& files, const std::string& folder,
                        bool (*keep)(std::string_view)) {
  std::size_t longest = 0;
  FlatFolderWalk walk;
  walk.onFile = [&](const std::string& name) {
    if (keep(name))
      longest = std::max(longest, name.size());
    return WalkStep::kGoOn;
  };
  WalkFolder(files, folder, walk);
  return longest;
}

// A folder whose longest name fits below it; the folder alone when it holds nothing.
bool Fits(const std::string& folder, std::size_t longestName) {
  return folder.size() + (longestName > 0 ? 1 + longestName : 0) < PathBuffer::kCapacity;
}

}  // namespace

bool CopyTargetsFit(platform::FileSystem& files, std::string_view installFolder) {
  const std::string source = SourceFolder(files);
  const std::string product = product::ProductFolder(installFolder);
  return Fits(product, LongestName(files, source,
                                   [](std::string_view name) { return !IsExcluded(name); })) &&
         Fits(LibraryOf(product),
              LongestName(files, LibraryOf(source), [](std::string_view) { return true; }));
}

ProductCopier::ProductCopier(platform::FileSystem& files, std::string_view installFolder,
                             InstallPage& page)
    : files_(files), installFolder_(installFolder), page_(page) {}

WalkStep ProductCopier::AskAboutUnbuiltPath(const std::string& path) {
  for (;;) {
    switch (AskAfterFailedCopy(page_, path)) {
      case AfterFailedCopy::kRetry:
        continue;
      case AfterFailedCopy::kGoOn:
        return WalkStep::kGoOn;
      case AfterFailedCopy::kStop:
        return WalkStep::kStop;
    }
  }
}

bool ProductCopier::CopyProductFiles() {
  const std::string source = SourceFolder(files_);
  // Built whole even when too long for a path buffer, so that the question names the real
  // destination of a copy that fails for it.
  const std::string target = product::ProductFolder(installFolder_);
  if (target.size() < PathBuffer::kCapacity)
    files_.MakeDirectory(target.c_str());
  FlatFolderWalk walk;
  walk.onTurn = [this] { page_.Progress().StepIt(); };
  walk.onFile = [&](const std::string& name) {
    if (IsExcluded(name))
      return WalkStep::kGoOn;
    const std::string from = source + "\\" + name;
    const std::string to = target + "\\" + name;
    const CopyEnd end = CopyReplacing(files_, from.c_str(), to.c_str(),
                                      [&to, this] { return AskAfterFailedCopy(page_, to); });
    return end == CopyEnd::kStopped ? WalkStep::kStop : WalkStep::kGoOn;
  };
  if (!Searchable(source)) {
    walk.onTurn();
    return AskAboutUnbuiltPath(source) == WalkStep::kGoOn;
  }
  return WalkFolder(files_, source, walk);
}

bool ProductCopier::CopyExtendedLibrary() {
  const std::string librarySource = LibraryOf(SourceFolder(files_));
  const std::string libraryTarget = LibraryOf(product::ProductFolder(installFolder_));
  if (libraryTarget.size() < PathBuffer::kCapacity)
    files_.MakeDirectory(libraryTarget.c_str());
  FlatFolderWalk walk;
  walk.onTurn = [this] { page_.Progress().StepIt(); };
  walk.onFile = [&](const std::string& name) {
    PathBuffer from;
    PathBuffer to;
    if (!from.Join(librarySource, name))
      return AskAboutUnbuiltPath(librarySource + "\\" + name);
    if (!to.Join(libraryTarget, name))
      return AskAboutUnbuiltPath(libraryTarget + "\\" + name);
    CopyReplacing(files_, from.c_str(), to.c_str());
    return WalkStep::kGoOn;
  };
  if (!Searchable(librarySource)) {
    walk.onTurn();
    return AskAboutUnbuiltPath(librarySource) == WalkStep::kGoOn;
  }
  return WalkFolder(files_, librarySource, walk);
}

}  // namespace torvek::engine

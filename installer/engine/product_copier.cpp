#include "installer/engine/product_copier.h"

#include "common/copy_replacing.h"
#include "common/text/cp936_text.h"
#include "common/text/path_buffer.h"
#include "common/text/strip_trailing_backslash.h"
#include "installer/engine/flat_folder_walk.h"
#include "installer/product_files.h"

namespace torvek::engine {

namespace {

// The installer itself, and the fonts that go to each AutoCAD's Fonts folder instead.
bool IsExcluded(std::string_view name) {
  return EqualsNoCase(name, product::kInstallerFileName) ||
         EqualsNoCase(name, product::kEnglishFontName) ||
         EqualsNoCase(name, product::kChineseFontName);
}

}  // namespace

ProductCopier::ProductCopier(platform::FileSystem& files, std::string_view installFolder,
                             InstallPage& page)
    : files_(files), installFolder_(installFolder), page_(page) {}

AfterFailedCopy ProductCopier::AskAfterFailedCopy(const std::string& to) {
  const std::string question = "拷贝文件 " + to + " 失败，请确认AutoCAD已关闭或文件权限开放 !";
  switch (page_.Ask(question.c_str(), "Torvek安装", platform::MessageBoxButtons::kAbortRetryIgnore,
                    platform::MessageBoxIcon::kNone)) {
    case platform::MessageBoxAnswer::kRetry:
      return AfterFailedCopy::kRetry;
    case platform::MessageBoxAnswer::kIgnore:
      return AfterFailedCopy::kGoOn;
    case platform::MessageBoxAnswer::kAbort:
    default:
      // A question that could not be shown has no answer to repeat: retrying would ask for
      // ever, so it stops the copy as Abort does.
      return AfterFailedCopy::kStop;
  }
}

bool ProductCopier::CopyProductFiles() {
  const std::string source = StripTrailingBackslash(files_.CurrentDirectory());
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
                                      [&to, this] { return AskAfterFailedCopy(to); });
    return end == CopyEnd::kStopped ? WalkStep::kStop : WalkStep::kGoOn;
  };
  return WalkFolder(files_, source, walk);
}

void ProductCopier::CopyExtendedLibrary() {
  const std::string source = StripTrailingBackslash(files_.CurrentDirectory());
  PathBuffer librarySource;
  PathBuffer libraryTarget;
  const bool sourceFits = librarySource.Join(source, product::kLibraryFolderName);
  const bool targetFits =
      libraryTarget.Join(product::ProductFolder(installFolder_), product::kLibraryFolderName);
  if (targetFits)
    files_.MakeDirectory(libraryTarget.c_str());
  FlatFolderWalk walk;
  walk.onTurn = [this] { page_.Progress().StepIt(); };
  walk.onFile = [&](const std::string& name) {
    PathBuffer from;
    PathBuffer to;
    if (targetFits && from.Join(librarySource.view(), name) &&
        to.Join(libraryTarget.view(), name)) {
      CopyReplacing(files_, from.c_str(), to.c_str());
    }
    return WalkStep::kGoOn;
  };
  if (!sourceFits) {
    // A library folder whose name does not fit is one that cannot be searched: no entries.
    walk.onTurn();
    return;
  }
  WalkFolder(files_, librarySource.view(), walk);
}

}  // namespace torvek::engine

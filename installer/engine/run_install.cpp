#include "installer/engine/run_install.h"

#include "installer/engine/failed_copy_question.h"
#include "installer/engine/product_copier.h"
#include "installer/product_files.h"

namespace torvek::engine {

bool HasRoomForInstall(platform::FileSystem& files, std::string_view installFolder) {
  for (const int year : acad::kReleaseYears) {
    if (!product::ModulePath(installFolder, acad::ModuleYearFor(year)))
      return false;
  }
  return CopyTargetsFit(files, installFolder);
}

InstallOutcome RunInstall(InstallPage& page, const InstallContext& context,
                          std::string_view installFolder, KeepChoices keep) {
  if (!HasRoomForInstall(context.files, installFolder))
    return {InstallEnd::kNoRoom, {}};
  InstallProgress& progress = page.Progress();
  progress.SetRange(kProgressLower, kProgressUpper);
  progress.SetStep(1);
  progress.SetPos(kProgressLower);

  ConfigKeeper keeper(context.registry, context.files, installFolder);
  // The keep options count only when there is an earlier installation to keep anything of.
  if (keeper.ReadInstallRecord()) {
    keeper.keepSettings = keep.keepSettings;
    keeper.keepSectionLibrary = keep.keepSectionLibrary;
    keeper.keepExtendedLibrary = keep.keepExtendedLibrary;
    const SaveEnd saved = keeper.SaveConfig(
        [&page](const std::string& file) { return AskAfterFailedCopy(page, file); });
    if (saved == SaveEnd::kAborted) {
      page.CloseAsCancelled();
      return {InstallEnd::kCancelled, {}};
    }
    progress.StepIt();
  }

  ProductCopier copier(context.files, installFolder, page);
  if (!copier.CopyProductFiles() || !copier.CopyExtendedLibrary()) {
    // Nothing is rolled back, but the user's saved files go back where they belong.
    InstallOutcome outcome{InstallEnd::kCancelled, keeper.RestoreConfig()};
    page.CloseAsCancelled();
    return outcome;
  }
  progress.StepIt();

  context.table.SetInstallFolder(installFolder);
  context.table.RegisterArxModules(context.releaseChosen);
  progress.StepIt();
  context.table.InstallShapeFonts(context.releaseChosen);
  progress.StepIt();
  InstallOutcome outcome{InstallEnd::kInstalled, keeper.RestoreConfig()};
  progress.StepIt();
  keeper.WriteInstallRecord();
  progress.SetPos(kProgressUpper);
  return outcome;
}

}  // namespace torvek::engine

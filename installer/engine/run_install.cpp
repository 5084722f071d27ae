#include "installer/engine/run_install.h"

#include "installer/engine/config_keeper.h"
#include "installer/engine/product_copier.h"

namespace torvek::engine {

bool RunInstall(InstallPage& page, const InstallContext& context, std::string_view installFolder,
                KeepChoices keep) {
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
    keeper.SaveConfig();
    progress.StepIt();
  }

  ProductCopier copier(context.files, installFolder, page);
  if (!copier.CopyProductFiles()) {
    // Nothing is rolled back, but the user's saved files go back where they belong.
    keeper.RestoreConfig();
    page.CloseAsCancelled();
    return false;
  }
  copier.CopyExtendedLibrary();
  progress.StepIt();

  context.table.SetInstallFolder(installFolder);
  context.table.RegisterArxModules(context.releaseChosen);
  progress.StepIt();
  context.table.InstallShapeFonts(context.releaseChosen);
  progress.StepIt();
  keeper.RestoreConfig();
  progress.StepIt();
  keeper.WriteInstallRecord();
  progress.SetPos(kProgressUpper);
  return true;
}

}  // namespace torvek::engine

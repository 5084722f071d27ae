// Page 3: the install folder, the options to keep an earlier installation's configuration, and
// Install, which runs the installation on this page and its progress bar.
#pragma once

#include <string>

#include "common/dialog/progress_bar.h"
#include "installer/acad/acad_install_table.h"
#include "installer/engine/install_page.h"
#include "installer/engine/run_install.h"
#include "installer/wizard/folder_validation.h"
#include "installer/wizard/install_options.h"
#include "installer/wizard/setup_services.h"
#include "installer/wizard/wizard_page.h"

namespace torvek::setup {

class FolderPage : public WizardPage, public engine::InstallPage {
 public:
  FolderPage(const SetupServices& services, InstallOptions& options, acad::AcadInstallTable& table);

  std::string folder = "C:\\Program Files";
  int keepOldConfig = 1;
  int keepSettings = 1;
  int keepSectionLibrary = 1;
  int keepExtendedLibrary = 1;

  // The installation, on the folder and the keep options as the fields hold them. When the user
  // aborted it the page has been closed as cancelled.
  engine::InstallOutcome RunInstall();

  // engine::InstallPage
  engine::InstallProgress& Progress() override { return progress_; }
  platform::MessageBoxAnswer Ask(const char* text, const char* caption,
                                 platform::MessageBoxButtons buttons,
                                 platform::MessageBoxIcon icon) override;
  void CloseAsCancelled() override { OnCancel(); }

 protected:
  void OnInitPage() override;
  void DoDataExchange(dialog::DataExchange& exchange) override;
  void OnCtlColor(int controlId, dialog::ColourTarget target,
                  dialog::ControlColours& colours) override;
  // Install.
  void OnOK() override;

 private:
  class PageProgress : public engine::InstallProgress {
   public:
    explicit PageProgress(dialog::Dialog& page);
    void SetRange(int lower, int upper) override { bar_.SetRange(lower, upper); }
    void SetStep(int step) override { bar_.SetStep(step); }
    void SetPos(int position) override { bar_.SetPos(position); }
    void StepIt() override { bar_.StepIt(); }

   private:
    dialog::ProgressBar bar_;
  };

  void OnKeepOldConfigClicked();
  void OnKeepOptionClicked();
  void OnBrowse();
  void OnBack();
  void Refresh();
  void StoreOptions();
  bool AcceptFolder();
  // Where the folder messages go.
  FolderCheck Check();
  // `folder` less one trailing backslash: what the install and the keeper are given.
  std::string InstallFolder() const;

  SetupServices services_;
  InstallOptions& options_;
  acad::AcadInstallTable& table_;
  PageProgress progress_;
};

}  // namespace torvek::setup

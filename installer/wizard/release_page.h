// Page 2: one check box per supported AutoCAD release; only the releases discovery found can
// be chosen, and Next is enabled while at least one is.
#pragma once

#include "installer/acad/acad_install_table.h"
#include "installer/wizard/install_options.h"
#include "installer/wizard/wizard_page.h"

namespace torvek::setup {

class ReleasePage : public WizardPage {
 public:
  ReleasePage(dialog::DialogHost& host, InstallOptions& options,
              const acad::AcadInstallTable& table);

  // One value per release index, exchanged with the check boxes.
  acad::ReleaseChoices boxState = {};

 protected:
  void OnInitPage() override;
  void DoDataExchange(dialog::DataExchange& exchange) override;
  void OnOK() override;

 private:
  void OnBack();
  void OnReleaseClicked();
  void UpdateNext();
  bool AnyChosen() const;

  InstallOptions& options_;
  const acad::AcadInstallTable& table_;
};

}  // namespace torvek::setup

// Page 1: the licence agreement in four screens, and whether the user agrees. Next is enabled
// only while 同意 is chosen.
#pragma once

#include <string>

#include "installer/wizard/install_options.h"
#include "installer/wizard/wizard_page.h"

namespace torvek::setup {

class LicencePage : public WizardPage {
 public:
  LicencePage(dialog::DialogHost& host, InstallOptions& options);

  int screenIndex = 0;
  std::string screenText;
  // The radio group's value: 0 不同意, 1 同意.
  int radioChoice = 0;

 protected:
  void OnInitPage() override;
  void DoDataExchange(dialog::DataExchange& exchange) override;
  void OnOK() override;

 private:
  void OnPreviousScreen();
  void OnNextScreen();
  void OnChoiceClicked();
  void ShowScreen();
  void UpdateNext();

  InstallOptions& options_;
};

}  // namespace torvek::setup

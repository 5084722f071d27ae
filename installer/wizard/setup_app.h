// SetUp's application: discovery of the AutoCAD installations once, then the wizard's pages one
// at a time, each answering which page comes next, until one answers that none does.
#pragma once

#include <memory>

#include "installer/acad/acad_install_table.h"
#include "installer/wizard/install_options.h"
#include "installer/wizard/setup_services.h"
#include "installer/wizard/wizard_page.h"

namespace torvek::setup {

class SetupApp {
 public:
  // `options` and `table` live as long as the program; the app only uses them.
  SetupApp(const SetupServices& services, InstallOptions& options, acad::AcadInstallTable& table)
      : services_(services), options_(options), table_(table) {}

  // Discovery, then the page loop. Always false: the program ends when the wizard does.
  bool InitInstance();
  // The page loop alone, from page 1.
  void RunPages();
  // The page with that number, built afresh; null for a number that names no page.
  std::unique_ptr<WizardPage> MakePage(int number);

 private:
  SetupServices services_;
  InstallOptions& options_;
  acad::AcadInstallTable& table_;
};

}  // namespace torvek::setup

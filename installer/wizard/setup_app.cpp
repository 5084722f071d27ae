#include "installer/wizard/setup_app.h"

#include "installer/wizard/folder_page.h"
#include "installer/wizard/licence_page.h"
#include "installer/wizard/release_page.h"

namespace torvek::setup {

bool SetupApp::InitInstance() {
  table_.DiscoverAcadInstallations();
  RunPages();
  return false;
}

// A page that cannot be shown keeps nextPage at 0 and so ends the wizard.
void SetupApp::RunPages() {
  for (int page = kLicencePageNumber; page != kNoPage;) {
    std::unique_ptr<WizardPage> shown = MakePage(page);
    if (shown == nullptr)
      return;
    shown->DoModal();
    page = shown->nextPage;
  }
}

std::unique_ptr<WizardPage> SetupApp::MakePage(int number) {
  switch (number) {
    case kLicencePageNumber:
      return std::make_unique<LicencePage>(services_.host, options_);
    case kReleasePageNumber:
      return std::make_unique<ReleasePage>(services_.host, options_, table_);
    case kFolderPageNumber:
      return std::make_unique<FolderPage>(services_, options_, table_);
    default:
      return nullptr;
  }
}

}  // namespace torvek::setup

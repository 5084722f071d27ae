#include "installer/wizard/wizard_page.h"

#include <cstdio>

#include "installer/wizard/install_options.h"

namespace torvek::setup {

std::string WizardTitle() {
  char title[64];
  const int length =
      std::snprintf(title, sizeof(title), "Torvek结构工具箱 V%d.%d.%d 安装(32位版本)",
                    productVersion / 10000, productVersion % 10000 / 100, productVersion % 100);
  if (length < 0 || static_cast<std::size_t>(length) >= sizeof(title))
    return {};
  return title;
}

bool WizardPage::OnInitDialog() {
  Dialog::OnInitDialog();
  SetTitle(WizardTitle());
  OnInitPage();
  return true;
}

void WizardPage::OnCtlColor(int, dialog::ColourTarget, dialog::ControlColours& colours) {
  colours.text = platform::Rgb(0, 0, 0);
  colours.backgroundMode = dialog::BackgroundMode::kTransparent;
  colours.brush = kPageColour;
}

void WizardPage::OnCancel() {
  nextPage = kNoPage;
  EndDialog(dialog::kIdCancel);
}

void WizardPage::LeaveTo(int page) {
  nextPage = page;
  EndDialog(dialog::kIdOk);
}

}  // namespace torvek::setup

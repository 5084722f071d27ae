// The frame all three wizard pages share: the title with the product's version, black text on
// the page colour, and the page's answer to the loop, nextPage. A page reads InstallOptions
// when it opens and writes it only when it is left forward, back or by a successful install.
#pragma once

#include <string>

#include "common/dialog/dialog.h"
#include "common/platform/surface.h"

namespace torvek::setup {

inline constexpr platform::Colour kPageColour = platform::Rgb(160, 180, 220);

// "Torvek结构工具箱 V2014.1.8 安装(32位版本)", from productVersion.
std::string WizardTitle();

class WizardPage : public dialog::Dialog {
 public:
  WizardPage(dialog::DialogHost& host, const dialog::DialogTemplate& pageTemplate)
      : Dialog(host, pageTemplate) {}

  // The page the loop shows next; 0 ends the wizard. Read after the page has closed.
  int nextPage = 0;

 protected:
  // The controls are filled from the fields, the title is set, then the page's own opening.
  bool OnInitDialog() override;
  virtual void OnInitPage() {}
  void OnCtlColor(int controlId, dialog::ColourTarget target,
                  dialog::ControlColours& colours) override;
  // Cancel, Esc and the close box end the wizard at once on every page, storing nothing.
  void OnCancel() override;
  // Closes the page as accepted, going on to `page`.
  void LeaveTo(int page);
};

}  // namespace torvek::setup

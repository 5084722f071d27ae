#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "common/dialog/dialog_template_ex.h"
#include "common/win32/win32_dialog_host.h"
#include "common/win32/win32_dialog_window.h"

namespace torvek::win32 {

namespace {

class Win32DialogHost : public dialog::DialogHost {
 public:
  explicit Win32DialogHost(platform::MessageBoxes& messageBoxes) : messageBoxes_(messageBoxes) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
  }

  int RunModal(dialog::Dialog& dialog, platform::WindowRef owner) override {
    std::vector<std::uint8_t> bytes;
    if (!dialog::BuildDialogTemplateEx(dialog.Template(), bytes))
      return -1;
    Win32DialogWindow window(dialog);
    const INT_PTR result = DialogBoxIndirectParamA(
        GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()),
        reinterpret_cast<HWND>(owner), &Win32DialogWindow::DialogProc,
        reinterpret_cast<LPARAM>(&window));
    return static_cast<int>(result);
  }

  platform::MessageBoxes& MessageBoxes() override { return messageBoxes_; }

  platform::Colour SystemColourOf(dialog::SystemColour index) override {
    return GetSysColor(static_cast<int>(index));
  }

 private:
  platform::MessageBoxes& messageBoxes_;
};

}  // namespace

std::unique_ptr<dialog::DialogHost> MakeDialogHost(platform::MessageBoxes& messageBoxes) {
  return std::make_unique<Win32DialogHost>(messageBoxes);
}

}  // namespace torvek::win32

// What a user sees of a real dialog, read with the W messages so that it works from another
// thread or process alike.
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "common/dialog/control_colours.h"
#include "common/dialog/window_constants.h"
#include "common/testing/wide_messages.h"
#include "common/testing/window_driver.h"
#include "common/text/code_page.h"

namespace torvek::testing {

namespace {

// The template item a real control would have come from, as far as its colour query goes.
bool ItemOf(HWND control, dialog::DialogItemTemplate& item) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  item.style = static_cast<std::uint32_t>(GetWindowLongW(control, GWL_STYLE));
  if (lstrcmpiW(name, L"Button") == 0)
    item.controlClass = dialog::ControlClass::kButton;
  else if (lstrcmpiW(name, L"Edit") == 0)
    item.controlClass = dialog::ControlClass::kEdit;
  else if (lstrcmpiW(name, L"Static") == 0)
    item.controlClass = dialog::ControlClass::kStatic;
  else if (lstrcmpiW(name, L"ListBox") == 0)
    item.controlClass = dialog::ControlClass::kListBox;
  else if (lstrcmpiW(name, PROGRESS_CLASSW) == 0)
    item.controlClass = dialog::ControlClass::kProgressBar;
  else
    return false;
  return true;
}

UINT QueryOf(dialog::ColourTarget target) {
  switch (target) {
    case dialog::ColourTarget::kDialog:
      return WM_CTLCOLORDLG;
    case dialog::ColourTarget::kButton:
      return WM_CTLCOLORBTN;
    case dialog::ColourTarget::kStatic:
      return WM_CTLCOLORSTATIC;
    case dialog::ColourTarget::kEdit:
      return WM_CTLCOLOREDIT;
    case dialog::ColourTarget::kListBox:
      return WM_CTLCOLORLISTBOX;
    case dialog::ColourTarget::kNone:
      break;
  }
  return 0;
}

class Win32DialogView : public dialog::DialogView {
 public:
  explicit Win32DialogView(HWND dialog) : dialog_(dialog) {}

  platform::WindowRef Ref() override { return reinterpret_cast<platform::WindowRef>(dialog_); }
  std::string Title() override { return TextOf(dialog_); }
  bool HasIcon() override { return SendWide(dialog_, WM_GETICON, ICON_BIG, 0) != 0; }
  bool HasItem(int id) override { return Item(id) != nullptr; }

  std::string Text(int id) override {
    HWND item = Item(id);
    return item != nullptr ? TextOf(item) : std::string();
  }
  bool IsEnabled(int id) override {
    HWND item = Item(id);
    return item != nullptr && IsWindowEnabled(item);
  }
  bool IsVisible(int id) override {
    HWND item = Item(id);
    return item != nullptr && IsWindowVisible(item);
  }
  int CheckState(int id) override {
    HWND item = Item(id);
    return item != nullptr ? static_cast<int>(SendWide(item, BM_GETCHECK, 0, 0)) : 0;
  }

  int FocusId() override {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog_, nullptr), &info) ||
        info.hwndFocus == nullptr || GetParent(info.hwndFocus) != dialog_)
      return 0;
    return GetDlgCtrlID(info.hwndFocus);
  }

  std::vector<std::string> ListItems(int id) override {
    std::vector<std::string> rows;
    HWND item = Item(id);
    if (item == nullptr)
      return rows;
    const auto count = SendWide(item, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
      const auto length = SendWide(item, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
      std::vector<wchar_t> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
      const auto copied = SendWide(item, LB_GETTEXT, static_cast<WPARAM>(row),
                                   reinterpret_cast<LPARAM>(buffer.data()));
      rows.push_back(Narrow(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0)));
    }
    return rows;
  }
  int ListSelection(int id) override {
    HWND item = Item(id);
    return item != nullptr ? static_cast<int>(SendWide(item, LB_GETCURSEL, 0, 0)) : -1;
  }
  int ListItemHeight(int id) override {
    HWND item = Item(id);
    return item != nullptr ? static_cast<int>(SendWide(item, LB_GETITEMHEIGHT, 0, 0)) : 0;
  }

  dialog::ProgressState Progress(int id) override {
    HWND item = Item(id);
    if (item == nullptr)
      return {};
    return {static_cast<int>(SendWide(item, PBM_GETRANGE, TRUE, 0)),
            static_cast<int>(SendWide(item, PBM_GETRANGE, FALSE, 0)),
            static_cast<int>(SendWide(item, PBM_GETPOS, 0, 0))};
  }

  bool ItemRect(int id, platform::Rect& rect) override {
    RECT client;
    if (id == 0 && GetClientRect(dialog_, &client)) {
      rect = {0, 0, client.right, client.bottom};
      return true;
    }
    HWND item = Item(id);
    RECT screen;
    if (item == nullptr || !GetWindowRect(item, &screen))
      return false;
    MapWindowPoints(HWND_DESKTOP, dialog_, reinterpret_cast<POINT*>(&screen), 2);
    rect = {screen.left, screen.top, screen.right, screen.bottom};
    return true;
  }

  // What the window shows there, once it has painted what it owes. Read from the window's own
  // device context rather than the screen, so that another program's window lying on top
  // (tests run side by side) does not count.
  bool PixelAt(int id, int x, int y, platform::Colour& colour) override {
    HWND window = id == 0 ? dialog_ : Item(id);
    RECT client;
    if (window == nullptr || !IsWindowVisible(window) || !GetClientRect(window, &client) || x < 0 ||
        y < 0 || x >= client.right || y >= client.bottom)
      return false;
    // The dialog first, then its children: a child painted on its own before a pending paint
    // of the dialog would be painted over by it.
    RedrawWindow(dialog_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendWide(dialog_, WM_NULL, 0, 0);
    HDC dc = GetDC(window);
    if (dc == nullptr)
      return false;
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    if (pixel == CLR_INVALID)
      return false;
    colour = pixel;
    return true;
  }

  // Asks the dialog as the control itself would, with a device context of this thread's.
  bool Colours(int id, dialog::ControlColours& colours) override {
    if (!InThisProcess())
      return false;
    HWND control = id == 0 ? dialog_ : Item(id);
    dialog::DialogItemTemplate item;
    dialog::ColourTarget target = dialog::ColourTarget::kDialog;
    if (id != 0) {
      if (control == nullptr || !ItemOf(control, item))
        return false;
      target = dialog::ColourTargetOf(item, IsWindowEnabled(control) != FALSE);
    }
    const UINT query = QueryOf(target);
    if (query == 0)
      return false;
    HDC dc = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendWide(dialog_, query, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    colours.text = GetTextColor(dc);
    colours.backgroundMode = GetBkMode(dc) == TRANSPARENT ? dialog::BackgroundMode::kTransparent
                                                          : dialog::BackgroundMode::kOpaque;
    colours.textBackground = GetBkColor(dc);
    DeleteDC(dc);
    LOGBRUSH logBrush{};
    if (brush == nullptr || GetObjectW(brush, sizeof(logBrush), &logBrush) != sizeof(logBrush))
      return false;
    colours.brush = logBrush.lbColor;
    return true;
  }

  bool Font(int id, dialog::ControlFont& font) override {
    HWND item = Item(id);
    if (item == nullptr || !InThisProcess())
      return false;
    const auto handle = reinterpret_cast<HFONT>(SendWide(item, WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    if (handle == nullptr || GetObjectW(handle, sizeof(logFont), &logFont) != sizeof(logFont))
      return false;
    font.face = Narrow(logFont.lfFaceName, static_cast<std::size_t>(lstrlenW(logFont.lfFaceName)));
    font.height = logFont.lfHeight;
    font.weight = logFont.lfWeight;
    return true;
  }

 private:
  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  bool InThisProcess() const {
    DWORD process = 0;
    GetWindowThreadProcessId(dialog_, &process);
    return process == GetCurrentProcessId();
  }

  HWND dialog_;
};

}  // namespace

std::unique_ptr<dialog::DialogView> ViewOf(WindowRef dialog) {
  return std::make_unique<Win32DialogView>(reinterpret_cast<HWND>(dialog));
}

}  // namespace torvek::testing

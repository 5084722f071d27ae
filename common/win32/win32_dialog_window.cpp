#include "common/win32/win32_dialog_window.h"

#include <commctrl.h>

#include <vector>

#include "common/dialog/window_constants.h"

namespace torvek::win32 {

namespace {

using namespace dialog;

static_assert(kWsChild == WS_CHILD && kWsVisible == WS_VISIBLE && kWsDisabled == WS_DISABLED &&
              kWsGroup == WS_GROUP && kWsTabStop == WS_TABSTOP && kWsCaption == WS_CAPTION &&
              kWsSysMenu == WS_SYSMENU && kWsMinimizeBox == WS_MINIMIZEBOX &&
              kWsPopup == WS_POPUP && kDsSetFont == DS_SETFONT &&
              kWsExClientEdge == WS_EX_CLIENTEDGE && kWsExAppWindow == WS_EX_APPWINDOW);
static_assert(kBsDefPushButton == BS_DEFPUSHBUTTON && kBsAutoCheckBox == BS_AUTOCHECKBOX &&
              kBsAutoRadioButton == BS_AUTORADIOBUTTON && kBsGroupBox == BS_GROUPBOX &&
              kBsAuto3State == BS_AUTO3STATE && kBsFlat == BS_FLAT &&
              kEsAutoHScroll == ES_AUTOHSCROLL && kEsMultiLine == ES_MULTILINE &&
              kEsReadOnly == ES_READONLY && kSsCenter == SS_CENTER &&
              kSsBlackRect == SS_BLACKRECT && kSsNotify == SS_NOTIFY && kLbsNotify == LBS_NOTIFY &&
              kLbsSort == LBS_SORT && kLbsNoIntegralHeight == LBS_NOINTEGRALHEIGHT);
static_assert(kBnClicked == BN_CLICKED && kLbnSelChange == LBN_SELCHANGE &&
              kEnChange == EN_CHANGE && kStnClicked == STN_CLICKED);
static_assert(kBmGetCheck == BM_GETCHECK && kLbAddString == LB_ADDSTRING &&
              kLbSetCurSel == LB_SETCURSEL && kLbGetText == LB_GETTEXT &&
              kLbSetItemHeight == LB_SETITEMHEIGHT && kPbmSetRange == PBM_SETRANGE &&
              kPbmStepIt == PBM_STEPIT && kPbmGetPos == PBM_GETPOS &&
              kPbmGetRange == PBM_GETRANGE && kPbmSetRange32 == PBM_SETRANGE32);
static_assert(kIdOk == IDOK && kIdCancel == IDCANCEL && kIdNo == IDNO);
static_assert(static_cast<int>(SystemColour::kButtonFace) == COLOR_BTNFACE &&
              static_cast<int>(SystemColour::kMenu) == COLOR_MENU &&
              static_cast<int>(SystemColour::kWindow) == COLOR_WINDOW &&
              static_cast<int>(SystemColour::kWindowText) == COLOR_WINDOWTEXT);

// The window's own message: the next call of Win32DialogWindow::posted_ is due.
constexpr UINT kWmPostedCall = WM_APP + 0x2A;

ColourTarget TargetOf(UINT message) {
  switch (message) {
    case WM_CTLCOLORDLG:
      return ColourTarget::kDialog;
    case WM_CTLCOLORBTN:
      return ColourTarget::kButton;
    case WM_CTLCOLORSTATIC:
      return ColourTarget::kStatic;
    case WM_CTLCOLOREDIT:
      return ColourTarget::kEdit;
    case WM_CTLCOLORLISTBOX:
      return ColourTarget::kListBox;
    default:
      return ColourTarget::kNone;
  }
}

std::string WindowTextOf(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0)
    return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

}  // namespace

Win32DialogWindow::~Win32DialogWindow() {
  Release();
}

INT_PTR CALLBACK Win32DialogWindow::DialogProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Win32DialogWindow*>(lParam);
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    self->window_ = window;
    return DialogDispatch::Init(self->dialog_, *self) ? TRUE : FALSE;
  }
  auto* self = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrA(window, DWLP_USER));
  if (self == nullptr)
    return FALSE;
  return self->Handle(message, wParam, lParam);
}

INT_PTR Win32DialogWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      DialogDispatch::Command(dialog_, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return AnswerColourQuery(message, reinterpret_cast<HDC>(wParam),
                               reinterpret_cast<HWND>(lParam));
    case WM_PAINT:
      Paint();
      return TRUE;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(bigIcon_);
    case kWmPostedCall:
      RunPosted();
      return TRUE;
    case WM_DESTROY:
      DialogDispatch::Destroy(dialog_);
      return FALSE;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window_, DWLP_USER, 0);
      window_ = nullptr;
      Release();
      return FALSE;
    default:
      return FALSE;
  }
}

// The platform answers first; the dialog then changes what it wants, and the brush it names
// by colour is made once and kept until the window goes.
INT_PTR Win32DialogWindow::AnswerColourQuery(UINT message, HDC dc, HWND control) {
  const auto platformBrush = reinterpret_cast<HBRUSH>(DefWindowProcA(
      window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  ControlColours colours;
  colours.text = GetTextColor(dc);
  colours.backgroundMode =
      GetBkMode(dc) == TRANSPARENT ? BackgroundMode::kTransparent : BackgroundMode::kOpaque;
  colours.textBackground = GetBkColor(dc);
  LOGBRUSH logBrush{};
  colours.brush = GetObjectA(platformBrush, sizeof(logBrush), &logBrush) == sizeof(logBrush)
                      ? logBrush.lbColor
                      : colours.textBackground;
  const platform::Colour platformColour = colours.brush;
  const int id = message == WM_CTLCOLORDLG ? 0 : GetDlgCtrlID(control);
  DialogDispatch::CtlColor(dialog_, id, TargetOf(message), colours);
  SetTextColor(dc, colours.text);
  SetBkMode(dc, colours.backgroundMode == BackgroundMode::kTransparent ? TRANSPARENT : OPAQUE);
  SetBkColor(dc, colours.textBackground);
  HBRUSH brush = colours.brush == platformColour ? platformBrush : BrushOf(colours.brush);
  return reinterpret_cast<INT_PTR>(brush != nullptr ? brush : platformBrush);
}

// The dialog paints on a copy of its background; the copy goes to the screen around the
// controls, which paint themselves.
void Win32DialogWindow::Paint() {
  PAINTSTRUCT paint;
  HDC screen = BeginPaint(window_, &paint);
  if (screen == nullptr)
    return;
  RECT client;
  GetClientRect(window_, &client);
  std::unique_ptr<DibSurface> surface = DibSurface::Create(client.right, client.bottom);
  if (surface != nullptr) {
    HDC copy = reinterpret_cast<HDC>(surface->DeviceContext());
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(window_, WM_CTLCOLORDLG,
                                                             reinterpret_cast<WPARAM>(copy),
                                                             reinterpret_cast<LPARAM>(window_)));
    FillRect(copy, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
    GdiFlush();
    DialogDispatch::Paint(dialog_, *surface);
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
      RECT area;
      if (!IsWindowVisible(child) || !GetWindowRect(child, &area))
        continue;
      MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&area), 2);
      ExcludeClipRect(screen, area.left, area.top, area.right, area.bottom);
    }
    BitBlt(screen, 0, 0, client.right, client.bottom, copy, 0, 0, SRCCOPY);
  }
  EndPaint(window_, &paint);
}

bool Win32DialogWindow::Post(std::function<void()> call) {
  if (window_ == nullptr)
    return false;
  posted_.push_back(std::move(call));
  if (!PostMessageA(window_, kWmPostedCall, 0, 0)) {
    posted_.pop_back();
    return false;
  }
  return true;
}

void Win32DialogWindow::RunPosted() {
  if (posted_.empty())
    return;
  // A modal dialog is shown when its loop first runs dry, which a posted message puts off; and
  // its first paint would wait for the call to end. Both are done now.
  if (!IsWindowVisible(window_))
    ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  std::function<void()> call = std::move(posted_.front());
  posted_.pop_front();
  call();
}

// The thread takes no messages while it waits, so the cursor set here stays until it is put
// back.
void Win32DialogWindow::ShowWaitCursor(bool wait) {
  if (wait) {
    if (waitCursors_++ == 0)
      cursorBeforeWait_ = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  } else if (waitCursors_ > 0 && --waitCursors_ == 0) {
    SetCursor(cursorBeforeWait_);
  }
}

HBRUSH Win32DialogWindow::BrushOf(COLORREF colour) {
  for (const auto& [made, brush] : brushes_) {
    if (made == colour)
      return brush;
  }
  HBRUSH brush = CreateSolidBrush(colour);
  if (brush != nullptr)
    brushes_.emplace_back(colour, brush);
  return brush;
}

void Win32DialogWindow::Release() {
  posted_.clear();
  sites_.clear();
  for (const auto& made : brushes_)
    DeleteObject(made.second);
  brushes_.clear();
  for (HFONT font : fonts_)
    DeleteObject(font);
  fonts_.clear();
  if (bigIcon_ != nullptr)
    DestroyIcon(bigIcon_);
  if (smallIcon_ != nullptr)
    DestroyIcon(smallIcon_);
  bigIcon_ = nullptr;
  smallIcon_ = nullptr;
}

void Win32DialogWindow::End(int result) {
  if (window_ != nullptr)
    EndDialog(window_, result);
}

void Win32DialogWindow::SetTitle(std::string_view title) {
  if (window_ != nullptr)
    SetWindowTextA(window_, std::string(title).c_str());
}

std::string Win32DialogWindow::Title() const {
  return window_ != nullptr ? WindowTextOf(window_) : std::string();
}

bool Win32DialogWindow::SetIcon(std::uint16_t resourceId) {
  if (window_ == nullptr)
    return false;
  HINSTANCE module = GetModuleHandleA(nullptr);
  auto load = [&](int metricX, int metricY) {
    return static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(resourceId), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY),
                                         LR_DEFAULTCOLOR));
  };
  HICON big = load(SM_CXICON, SM_CYICON);
  HICON small = load(SM_CXSMICON, SM_CYSMICON);
  if (big == nullptr || small == nullptr) {
    if (big != nullptr)
      DestroyIcon(big);
    if (small != nullptr)
      DestroyIcon(small);
    return false;
  }
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  if (bigIcon_ != nullptr)
    DestroyIcon(bigIcon_);
  if (smallIcon_ != nullptr)
    DestroyIcon(smallIcon_);
  bigIcon_ = big;
  smallIcon_ = small;
  return true;
}

bool Win32DialogWindow::EnableItem(int id, bool enable) {
  HWND item = Item(id);
  if (item == nullptr)
    return false;
  EnableWindow(item, enable ? TRUE : FALSE);
  return true;
}

bool Win32DialogWindow::IsItemEnabled(int id) const {
  HWND item = Item(id);
  return item != nullptr && IsWindowEnabled(item);
}

bool Win32DialogWindow::ShowItem(int id, bool show) {
  HWND item = Item(id);
  if (item == nullptr)
    return false;
  ShowWindow(item, show ? SW_SHOW : SW_HIDE);
  return true;
}

// The item's own visibility: while WM_INITDIALOG runs the dialog itself is not yet shown.
bool Win32DialogWindow::IsItemVisible(int id) const {
  HWND item = Item(id);
  return item != nullptr && (GetWindowLongA(item, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool Win32DialogWindow::SetItemText(int id, std::string_view text) {
  HWND item = Item(id);
  return item != nullptr && SetWindowTextA(item, std::string(text).c_str());
}

bool Win32DialogWindow::GetItemText(int id, std::string& text) const {
  HWND item = Item(id);
  if (item == nullptr)
    return false;
  text = WindowTextOf(item);
  return true;
}

bool Win32DialogWindow::SetCheck(int id, int state) {
  HWND item = Item(id);
  if (item == nullptr)
    return false;
  SendMessageA(item, BM_SETCHECK, static_cast<WPARAM>(state), 0);
  return true;
}

int Win32DialogWindow::GetCheck(int id) const {
  HWND item = Item(id);
  return item != nullptr ? static_cast<int>(SendMessageA(item, BM_GETCHECK, 0, 0)) : 0;
}

bool Win32DialogWindow::FocusItem(int id) {
  HWND item = Item(id);
  if (item == nullptr)
    return false;
  SetFocus(item);
  return true;
}

std::intptr_t Win32DialogWindow::SendItemMessage(int id, std::uint32_t message,
                                                 std::uintptr_t wParam, std::intptr_t lParam) {
  HWND item = Item(id);
  return item != nullptr ? SendMessageA(item, message, wParam, lParam) : 0;
}

bool Win32DialogWindow::GetItemRect(int id, platform::Rect& rect) const {
  HWND item = Item(id);
  RECT screen;
  if (item == nullptr || !GetWindowRect(item, &screen))
    return false;
  MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&screen), 2);
  rect = {screen.left, screen.top, screen.right, screen.bottom};
  return true;
}

bool Win32DialogWindow::SetItemFont(int id, const ControlFont& font) {
  HWND item = Item(id);
  if (item == nullptr)
    return false;
  HFONT made = CreateFontA(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, ANSI_CHARSET, 0,
                           0, 0, 0, font.face.c_str());
  if (made == nullptr)
    return false;
  fonts_.push_back(made);
  SendMessageA(item, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
  return true;
}

bool Win32DialogWindow::TakeOver(int id, Control& control) {
  auto site = std::make_unique<Win32ControlSite>();
  if (!site->Attach(Item(id), control, id))
    return false;
  sites_.push_back(std::move(site));
  return true;
}

}  // namespace torvek::win32

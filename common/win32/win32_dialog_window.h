// One dialog running as a real window: the DialogWindow the dialog talks to, and the dialog
// procedure that turns the window's messages into the dialog's hooks. It owns what it makes
// for the dialog (brushes, fonts, icons, taken-over controls' surfaces) and frees them when
// the window goes.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "common/dialog/dialog.h"
#include "common/dialog/dialog_window.h"
#include "common/win32/win32_control_site.h"

namespace torvek::win32 {

class Win32DialogWindow : public dialog::DialogWindow {
 public:
  explicit Win32DialogWindow(dialog::Dialog& dialog) : dialog_(dialog) {}
  ~Win32DialogWindow() override;

  // The dialog procedure; DialogBoxIndirectParamA's parameter is the Win32DialogWindow.
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  platform::WindowRef Ref() const override {
    return reinterpret_cast<platform::WindowRef>(window_);
  }
  void End(int result) override;
  void SetTitle(std::string_view title) override;
  std::string Title() const override;
  bool SetIcon(std::uint16_t resourceId) override;
  bool HasItem(int id) const override { return Item(id) != nullptr; }
  bool EnableItem(int id, bool enable) override;
  bool IsItemEnabled(int id) const override;
  bool ShowItem(int id, bool show) override;
  bool IsItemVisible(int id) const override;
  bool SetItemText(int id, std::string_view text) override;
  bool GetItemText(int id, std::string& text) const override;
  bool SetCheck(int id, int state) override;
  int GetCheck(int id) const override;
  bool FocusItem(int id) override;
  std::intptr_t SendItemMessage(int id, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) override;
  bool GetItemRect(int id, platform::Rect& rect) const override;
  bool SetItemFont(int id, const dialog::ControlFont& font) override;
  bool TakeOver(int id, dialog::Control& control) override;
  bool Post(std::function<void()> call) override;
  void ShowWaitCursor(bool wait) override;

 private:
  HWND Item(int id) const { return window_ != nullptr ? GetDlgItem(window_, id) : nullptr; }
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR AnswerColourQuery(UINT message, HDC dc, HWND control);
  void Paint();
  void RunPosted();
  HBRUSH BrushOf(COLORREF colour);
  void Release();

  dialog::Dialog& dialog_;
  HWND window_ = nullptr;
  std::vector<std::pair<COLORREF, HBRUSH>> brushes_;
  std::vector<HFONT> fonts_;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  std::vector<std::unique_ptr<Win32ControlSite>> sites_;
  // One posted message each, run in order.
  std::deque<std::function<void()>> posted_;
  int waitCursors_ = 0;
  HCURSOR cursorBeforeWait_ = nullptr;
};

}  // namespace torvek::win32

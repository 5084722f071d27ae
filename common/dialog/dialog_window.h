// One running dialog as its host realises it: a real window or controls in memory. Dialog
// reaches its controls only through this, so a page class is the same code in every host.
// Item operations answer false (or an empty value) for an id the dialog does not have.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "common/dialog/control_font.h"
#include "common/platform/message_box.h"
#include "common/platform/surface.h"

namespace torvek::dialog {

class Control;

class DialogWindow {
 public:
  virtual ~DialogWindow() = default;

  virtual platform::WindowRef Ref() const = 0;
  // Closes the dialog with `result` once the handler that asks for it has returned.
  virtual void End(int result) = 0;
  virtual void SetTitle(std::string_view title) = 0;
  virtual std::string Title() const = 0;
  virtual bool SetIcon(std::uint16_t resourceId) = 0;

  virtual bool HasItem(int id) const = 0;
  virtual bool EnableItem(int id, bool enable) = 0;
  virtual bool IsItemEnabled(int id) const = 0;
  virtual bool ShowItem(int id, bool show) = 0;
  virtual bool IsItemVisible(int id) const = 0;
  virtual bool SetItemText(int id, std::string_view text) = 0;
  virtual bool GetItemText(int id, std::string& text) const = 0;
  virtual bool SetCheck(int id, int state) = 0;
  // kBstUnchecked for an id that is not a check box or radio button.
  virtual int GetCheck(int id) const = 0;
  virtual bool FocusItem(int id) = 0;
  virtual std::intptr_t SendItemMessage(int id, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) = 0;
  // In the dialog's client coordinates, pixels.
  virtual bool GetItemRect(int id, platform::Rect& rect) const = 0;
  virtual bool SetItemFont(int id, const ControlFont& font) = 0;
  virtual bool TakeOver(int id, Control& control) = 0;
  // Queues `call` behind what the window's message loop already holds; the loop runs it once
  // the window is shown and painted. Calls still queued when the window goes are dropped.
  virtual bool Post(std::function<void()> call) = 0;
  // The wait cursor over the window while `wait` holds, for work that keeps the loop busy.
  virtual void ShowWaitCursor(bool wait) = 0;
};

}  // namespace torvek::dialog

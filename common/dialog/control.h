// A class that takes over an existing control of a dialog template, in the way a framework
// subclasses a control: the platform control stays what it is (a progress bar keeps its range
// and position), while the class paints it from a Surface and decides about erasing. The host
// gives the control a ControlSite, its window as that host realises it, for as long as the
// dialog runs.
#pragma once

#include <atomic>
#include <cstdint>

#include "common/platform/message_box.h"
#include "common/platform/surface.h"

namespace torvek::dialog {

class ControlSite {
 public:
  virtual ~ControlSite() = default;
  virtual platform::WindowRef Ref() const = 0;
  // To the platform control itself (SendMessage).
  virtual std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
  virtual void Show(bool visible) = 0;
  virtual bool IsVisible() const = 0;
  // Keeps the position (SetWindowPos with SWP_NOMOVE | SWP_NOZORDER).
  virtual void Resize(int width, int height) = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // May be called from any thread.
  virtual void Invalidate() = 0;
  virtual void UpdateNow() = 0;
};

class Control {
 public:
  Control() = default;
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  bool IsAttached() const { return site_.load() != nullptr; }
  int Id() const { return id_; }

  // While not attached these do nothing and answer zero or false.
  platform::WindowRef Ref() const;
  std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
  void Show(bool visible);
  bool IsVisible() const;
  void Resize(int width, int height);
  int Width() const;
  int Height() const;
  // Asks for a paint. Safe from a worker thread until OnDestroy has returned, so a control
  // that draws from a worker stops it there.
  void Invalidate();
  // Paints at once when a paint is due, for a control that changes while its thread is busy.
  void UpdateNow();

 protected:
  // `surface` has the size of the control's client area and holds what was painted last; the
  // host puts it on the screen afterwards. By default nothing is painted.
  virtual void OnPaint(platform::Surface& surface);
  // True when the control has dealt with erasing its background (usually: by not erasing, as
  // its paint covers everything); false lets the platform erase it.
  virtual bool OnEraseBackground();
  // The control's window is being destroyed.
  virtual void OnDestroy();

 private:
  friend class ControlDispatch;
  std::atomic<ControlSite*> site_ = nullptr;
  int id_ = 0;
};

// What hosts use to drive a taken-over control.
class ControlDispatch {
 public:
  static void Attach(Control& control, ControlSite& site, int id);
  static void Detach(Control& control);
  static void Paint(Control& control, platform::Surface& surface) { control.OnPaint(surface); }
  static bool EraseBackground(Control& control) { return control.OnEraseBackground(); }
  static void Destroy(Control& control) { control.OnDestroy(); }
};

}  // namespace torvek::dialog

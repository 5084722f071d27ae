// One control of a dialog run by the headless host: its state as the real control would hold
// it, and its answers to the messages a dialog sends it. Progress bars and list boxes answer as
// Wine's comctl32 and user32 do (the contract cases under tests/dialog compare the two).
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/dialog/control.h"
#include "common/dialog/control_font.h"
#include "common/dialog/dialog_template.h"
#include "common/platform/surface.h"

namespace torvek::portable {

struct HeadlessControl;

// The window a taken-over control is given: the control's own state, and the pixels of its
// last paint.
class HeadlessControlSite : public dialog::ControlSite {
 public:
  HeadlessControlSite(HeadlessControl& state, platform::WindowRef ref) : state_(state), ref_(ref) {}

  platform::WindowRef Ref() const override { return ref_; }
  std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  void Show(bool visible) override;
  bool IsVisible() const override;
  void Resize(int width, int height) override;
  int Width() const override;
  int Height() const override;
  void Invalidate() override { invalid_.store(true); }
  void UpdateNow() override { PaintIfInvalid(); }

  // What the message loop does when it has nothing else to do.
  void PaintIfInvalid();
  const platform::Surface* Painted() const { return painted_.get(); }

 private:
  HeadlessControl& state_;
  platform::WindowRef ref_;
  std::atomic<bool> invalid_ = true;
  std::unique_ptr<platform::MemorySurface> painted_;
};

struct HeadlessControl {
  const dialog::DialogItemTemplate* item = nullptr;
  int id = 0;
  std::string text;
  bool enabled = true;
  bool visible = true;
  int check = 0;
  platform::Rect rect;  // client coordinates of the dialog, pixels
  std::optional<dialog::ControlFont> font;

  std::vector<std::string> rows;
  int selection = -1;
  int itemHeight = 0;

  int low = 0;
  int high = 100;
  int position = 0;
  int step = 10;

  dialog::Control* takenOver = nullptr;
  std::unique_ptr<HeadlessControlSite> site;

  dialog::ControlClass Class() const { return item->controlClass; }
  std::uint32_t Style() const { return item->style; }
};

// The control's answer to `message` in `result`; false when the headless host does not model
// that message for this kind of control.
bool AnswerControlMessage(HeadlessControl& control, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam, std::intptr_t& result);

}  // namespace torvek::portable

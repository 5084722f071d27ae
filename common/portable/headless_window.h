// A dialog run by the headless host: its controls in memory, built from the template, with the
// behaviour of the real dialog manager where a user or a page can see it (which notification
// a click sends, where Enter goes, what a single-line edit box says when its text is set).
// It is the dialog's DialogWindow while it runs and its DialogView throughout; after it has
// closed it still shows what the user last saw. The input it takes is in headless_input.cpp.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/dialog/dialog.h"
#include "common/dialog/dialog_view.h"
#include "common/dialog/dialog_window.h"
#include "common/portable/headless_control.h"

namespace torvek::portable {

// Why input did not reach a control. As on a screen, a control that is not there, hidden or
// disabled takes none, and a control takes only the input of its kind.
enum class InputRefusal {
  kTaken,  // the input reached the control
  kNoControl,
  kHidden,
  kDisabled,
  kTakesNoTyping,
  kNotAListBox,
  kNoSuchRow,
};

// The system colours the headless host shows: those of Wine 8's default scheme.
struct SystemPalette {
  platform::Colour windowText = platform::Rgb(0, 0, 0);
  platform::Colour window = platform::Rgb(255, 255, 255);
  platform::Colour buttonFace = platform::Rgb(245, 245, 245);
  platform::Colour menu = platform::Rgb(255, 255, 255);

  platform::Colour Of(dialog::SystemColour index) const;
};

class HeadlessWindow : public dialog::DialogWindow, public dialog::DialogView {
 public:
  HeadlessWindow(dialog::Dialog& dialog, platform::WindowRef ref, const SystemPalette& palette,
                 std::vector<std::string>& faults);
  ~HeadlessWindow() override;

  // Builds the controls; false with the reason when the template asks for something the
  // headless host does not model.
  bool Realise(std::string& reason);
  // WM_INITDIALOG, then the first focus.
  void Start();
  bool Ended() const { return ended_; }
  int Result() const { return result_; }
  // The window goes: OnDestroy of the dialog and of its taken-over controls.
  void Close();
  // The message loop's idle time: taken-over controls that asked for a paint get it.
  void PaintInvalid();
  // The next posted call, after a paint; false when none is queued.
  bool RunPosted();
  bool ShowsWaitCursor() const { return waitCursors_ > 0; }

  // Input, as the mouse and the keyboard bring it: a click on the control, typing into it (all
  // of its text selected first), a click on a row of a list box, and the keys.
  InputRefusal Click(int id);
  InputRefusal Type(int id, std::string_view text);
  InputRefusal Select(int id, int row);
  void PressEnter();
  // BN_CLICKED of the button `id`, whatever its state.
  void SendCommand(int id);
  void PressEscape();
  void CloseBox();

  // DialogWindow
  platform::WindowRef Ref() const override { return ref_; }
  void End(int result) override;
  void SetTitle(std::string_view title) override { title_ = title; }
  std::string Title() const override { return title_; }
  bool SetIcon(std::uint16_t resourceId) override;
  bool HasItem(int id) const override { return Find(id) != nullptr; }
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

  // DialogView
  platform::WindowRef Ref() override { return ref_; }
  std::string Title() override { return title_; }
  bool HasIcon() override { return icon_ != 0; }
  bool HasItem(int id) override { return Find(id) != nullptr; }
  std::string Text(int id) override;
  bool IsEnabled(int id) override { return IsItemEnabled(id); }
  bool IsVisible(int id) override { return IsItemVisible(id); }
  int CheckState(int id) override { return GetCheck(id); }
  int FocusId() override { return focus_; }
  std::vector<std::string> ListItems(int id) override;
  int ListSelection(int id) override;
  int ListItemHeight(int id) override;
  dialog::ProgressState Progress(int id) override;
  // Id 0 is the dialog's client area.
  bool ItemRect(int id, platform::Rect& rect) override { return GetItemRect(id, rect); }
  bool PixelAt(int id, int x, int y, platform::Colour& colour) override;
  bool Colours(int id, dialog::ControlColours& colours) override;
  bool Font(int id, dialog::ControlFont& font) override;

  std::uint16_t Icon() const { return icon_; }

 private:
  HeadlessControl* Find(int id);
  const HeadlessControl* Find(int id) const;
  InputRefusal Usable(const HeadlessControl* control) const;
  void Notify(int id, std::uint16_t code);
  void ClickButton(HeadlessControl& button);
  void CheckRadio(const HeadlessControl& chosen);
  void FocusFirstTabStop();
  int DefaultButtonId() const;
  dialog::ControlColours AskColours(int id, dialog::ColourTarget target);
  platform::Rect ToPixels(const dialog::DialogUnitRect& units) const;

  dialog::Dialog& dialog_;
  const dialog::DialogTemplate& template_;
  platform::WindowRef ref_;
  SystemPalette palette_;
  std::vector<std::string>& faults_;
  std::vector<std::unique_ptr<HeadlessControl>> controls_;
  std::string title_;
  std::uint16_t icon_ = 0;
  int focus_ = 0;
  int baseX_ = 6;
  int baseY_ = 12;
  std::deque<std::function<void()>> posted_;
  int waitCursors_ = 0;
  bool running_ = false;
  bool ended_ = false;
  int result_ = -1;
};

}  // namespace torvek::portable

// The base of every dialog: a template, a table that maps (control id, notification) to the
// handler that runs, data exchange, the colour query, item operations, message boxes owned by
// the dialog, and the modal run. The host it is given realises it; the class itself never
// knows which host that is.
//
//   class AgreePage : public dialog::Dialog {
//    public:
//     explicit AgreePage(dialog::DialogHost& host) : Dialog(host, kAgreeTemplate) {
//       MapCommand(kIdAgree, dialog::kBnClicked, &AgreePage::OnChoiceClicked);
//     }
//    protected:
//     void DoDataExchange(dialog::DataExchange& exchange) override {
//       exchange.ExchangeRadio(kIdDisagree, choice_);
//     }
//     ...
//   };
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/dialog/control.h"
#include "common/dialog/control_colours.h"
#include "common/dialog/data_exchange.h"
#include "common/dialog/dialog_host.h"
#include "common/dialog/dialog_template.h"
#include "common/dialog/dialog_window.h"
#include "common/dialog/window_constants.h"

namespace torvek::dialog {

class Dialog {
 public:
  // Templates are static data: `dialogTemplate` outlives the dialog, and so does `host`.
  Dialog(DialogHost& host, const DialogTemplate& dialogTemplate)
      : host_(host), template_(dialogTemplate) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog and answers what it was ended with; -1 when it could not be shown (or is
  // already running).
  int DoModal(platform::WindowRef owner = 0);
  bool IsRunning() const { return window_ != nullptr; }
  // The running dialog's window, zero when it is not running.
  platform::WindowRef Window() const;
  const DialogTemplate& Template() const { return template_; }
  DialogHost& Host() { return host_; }

  // Pull: controls to fields; push: fields to controls. False when not running or when a
  // binding names a control the dialog lacks.
  bool UpdateData(Exchange direction);
  void EndDialog(int result);

  // Item operations: false (or empty) for an id the dialog lacks, or while it is not running.
  bool EnableItem(int id, bool enable = true);
  bool IsItemEnabled(int id) const;
  bool ShowItem(int id, bool show = true);
  bool IsItemVisible(int id) const;
  bool SetItemText(int id, std::string_view text);
  std::string ItemText(int id) const;
  bool CheckItem(int id, int state = kBstChecked);
  int ItemCheck(int id) const;
  bool FocusItem(int id);
  std::intptr_t SendItemMessage(int id, std::uint32_t message, std::uintptr_t wParam = 0,
                                std::intptr_t lParam = 0);
  bool ItemRect(int id, platform::Rect& rect) const;
  bool SetItemFont(int id, const ControlFont& font);
  bool SetTitle(std::string_view title);
  std::string Title() const;
  // A group icon of the program's resources, as the window's big and small icon.
  bool SetIcon(std::uint16_t resourceId);
  // Runs `call` from the dialog's message loop, after what it already holds: once the dialog is
  // shown and painted, when posted from OnInitDialog. False while the dialog is not running;
  // a call still queued when the dialog ends never runs.
  bool PostCall(std::function<void()> call);
  // The wait cursor, for a handler that keeps the dialog from its input for a while.
  void BeginWaitCursor();
  void EndWaitCursor();
  // Hands the control `id` to `control` from now (or, before the run, from the moment the
  // controls exist) until the dialog ends.
  bool TakeOver(int id, Control& control);

  // A message box owned by this dialog, through the host's message-box service. (Not named
  // MessageBox: <windows.h> makes that a macro, and the class must read the same everywhere.)
  platform::MessageBoxAnswer ShowMessageBox(const char* text, const char* caption,
                                            platform::MessageBoxButtons buttons,
                                            platform::MessageBoxIcon icon);

 protected:
  // Runs once the controls exist. The base pushes the fields into the controls; answer true to
  // let the host put the focus on the first tab stop, false when the dialog has set it.
  virtual bool OnInitDialog();
  virtual void DoDataExchange(DataExchange& exchange);
  // `colours` holds the platform's answer; change what the dialog wants. `controlId` is 0 for
  // the dialog itself.
  virtual void OnCtlColor(int controlId, ColourTarget target, ControlColours& colours);
  // The command id 1 (the OK button, Enter) when the table has no entry for it: pull, then end
  // with kIdOk.
  virtual void OnOK();
  // The command id 2 (the Cancel button, Esc, the close box) when the table has no entry for
  // it: end with kIdCancel.
  virtual void OnCancel();
  // The dialog's own paint: `client` holds the dialog's background as its colour query paints
  // it; what is drawn on it shows everywhere no control lies. By default nothing is drawn.
  virtual void OnPaint(platform::Surface& client);
  // The dialog's window is going; its controls still exist.
  virtual void OnDestroy();

  // Adds an entry to the command table: `handler` runs when the control `id` notifies `code`.
  // A later entry for the same pair replaces an earlier one, so a page overrides its base.
  template <class Page>
  void MapCommand(int id, std::uint16_t code, void (Page::*handler)()) {
    Page* page = static_cast<Page*>(this);
    commands_.push_back({id, code, [page, handler] { (page->*handler)(); }});
  }

 private:
  friend class DialogDispatch;

  struct CommandEntry {
    int id;
    std::uint16_t code;
    std::function<void()> handler;
  };

  DialogHost& host_;
  const DialogTemplate& template_;
  std::vector<CommandEntry> commands_;
  std::vector<std::pair<int, Control*>> takeOvers_;
  DialogWindow* window_ = nullptr;
};

// What hosts use to drive a dialog: each call is one message of the dialog's window.
class DialogDispatch {
 public:
  // WM_INITDIALOG: binds the window, hands over the taken-over controls, runs OnInitDialog.
  static bool Init(Dialog& dialog, DialogWindow& window);
  // WM_COMMAND.
  static void Command(Dialog& dialog, int id, std::uint16_t code);
  // WM_CTLCOLOR*.
  static void CtlColor(Dialog& dialog, int id, ColourTarget target, ControlColours& colours) {
    dialog.OnCtlColor(id, target, colours);
  }
  // WM_PAINT.
  static void Paint(Dialog& dialog, platform::Surface& client) { dialog.OnPaint(client); }
  // WM_DESTROY: runs OnDestroy and unbinds the window.
  static void Destroy(Dialog& dialog);
  static const std::vector<std::pair<int, Control*>>& TakeOvers(const Dialog& dialog) {
    return dialog.takeOvers_;
  }
};

}  // namespace torvek::dialog

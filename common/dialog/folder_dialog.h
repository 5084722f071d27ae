// The system's browse-for-folder dialog (SHBrowseForFolderA on Windows), with an edit box of
// the caller's above the folder tree and the OK button handed to the caller. The dialog itself
// only shows places and reports what happens; the caller decides what the edit box holds,
// when OK is enabled and whether OK ends the dialog. On Windows it is the shell's dialog; the
// headless stand-in keeps the same contract for tests.
#pragma once

#include <string>
#include <string_view>

#include "common/platform/message_box.h"

namespace torvek::dialog {

// Control ids inside the dialog: the folder tree, the (hidden) status text and the edit box
// that is added above the tree.
inline constexpr int kIdFolderTree = 14145;
inline constexpr int kIdFolderStatus = 14147;
inline constexpr int kIdFolderEdit = 14148;

// The running dialog, as its caller acts on it.
class FolderDialogWindow {
 public:
  virtual ~FolderDialogWindow() = default;
  // The dialog's window, to own message boxes.
  virtual platform::WindowRef Ref() const = 0;
  virtual void SetTitle(std::string_view title) = 0;
  virtual void EnableOk(bool enable) = 0;
  virtual void SetStatusText(std::string_view text) = 0;
  // Setting the edit box's text notifies the caller of a change, as typing does.
  virtual void SetEditText(std::string_view text) = 0;
  virtual std::string EditText() const = 0;
  virtual void FocusEdit() = 0;
  // Selects the folder `path` in the tree; the selection change is reported as the user's is.
  virtual void SelectFolder(std::string_view path) = 0;
  // Ends the dialog; only the caller's own record says whether anything was accepted.
  virtual void End(int result) = 0;
};

// What the dialog reports to its caller, on the dialog's thread, while it runs.
class FolderDialogClient {
 public:
  virtual ~FolderDialogClient() = default;
  // The dialog and its edit box exist; the tree has not been pointed anywhere yet.
  virtual void OnInitialized(FolderDialogWindow& window) = 0;
  // A place was selected in the tree. `hasPath` is false for a place that is no folder of the
  // file system (a network neighbourhood, a virtual folder); `path` is then empty.
  virtual void OnSelectionChanged(FolderDialogWindow& window, bool hasPath,
                                  std::string_view path) = 0;
  // The edit box's text changed.
  virtual void OnEditChanged(FolderDialogWindow& window) = 0;
  // OK was pressed (or Enter); the dialog goes on unless the caller ends it.
  virtual void OnOk(FolderDialogWindow& window) = 0;
};

struct FolderDialogRequest {
  platform::WindowRef owner = 0;
  // Shown above the tree.
  std::string prompt;
};

class FolderDialogs {
 public:
  virtual ~FolderDialogs() = default;
  // Runs the dialog modally until it ends (OK accepted by the caller, Cancel, the close box).
  // False when it could not be shown at all.
  virtual bool Browse(const FolderDialogRequest& request, FolderDialogClient& client) = 0;
};

}  // namespace torvek::dialog

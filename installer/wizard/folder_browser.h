// The installer's folder chooser: the system's browse-for-folder dialog with an edit box that
// shows the selected folder and takes a typed one. OK accepts the edit box's text only once
// ValidateFolder has; a refusal leaves the dialog open with the focus in the edit box.
#pragma once

#include <string>

#include "common/dialog/folder_dialog.h"
#include "common/platform/file_system.h"
#include "common/platform/message_box.h"

namespace torvek::setup {

// What the chooser answers: 1 when a folder was accepted.
enum BrowseResult : int {
  kBrowseAccepted = 1,
  kBrowseNotAccepted = -1,
};

class FolderBrowser : private dialog::FolderDialogClient {
 public:
  struct Services {
    platform::FileSystem& files;
    dialog::FolderDialogs& dialogs;
    platform::MessageBoxes& boxes;
    // The caption of the validation messages: the program's name.
    std::string applicationName;
  };

  // An empty `caption` leaves the dialog's own title; an empty `initialFolder` starts at the
  // process's current directory.
  FolderBrowser(Services services, std::string caption, std::string prompt,
                std::string initialFolder, platform::WindowRef parent);

  // kBrowseNotAccepted when cancelled, closed, or when there is no dialog to show.
  BrowseResult Run();
  // The accepted folder: the edit box's text as OK found it.
  const std::string& Result() const { return result_; }

 private:
  void OnInitialized(dialog::FolderDialogWindow& window) override;
  void OnSelectionChanged(dialog::FolderDialogWindow& window, bool hasPath,
                          std::string_view path) override;
  void OnEditChanged(dialog::FolderDialogWindow& window) override;
  void OnOk(dialog::FolderDialogWindow& window) override;

  Services services_;
  std::string caption_;
  std::string prompt_;
  std::string initialFolder_;
  platform::WindowRef parent_;
  std::string result_;
  bool accepted_ = false;
};

}  // namespace torvek::setup

#include "installer/wizard/folder_browser.h"

#include "common/dialog/window_constants.h"
#include "installer/wizard/folder_validation.h"

namespace torvek::setup {

FolderBrowser::FolderBrowser(Services services, std::string caption, std::string prompt,
                             std::string initialFolder, platform::WindowRef parent)
    : services_(std::move(services)),
      caption_(std::move(caption)),
      prompt_(std::move(prompt)),
      initialFolder_(std::move(initialFolder)),
      parent_(parent) {}

BrowseResult FolderBrowser::Run() {
  accepted_ = false;
  if (!services_.dialogs.Browse({parent_, prompt_}, *this))
    return kBrowseNotAccepted;
  return accepted_ ? kBrowseAccepted : kBrowseNotAccepted;
}

void FolderBrowser::OnInitialized(dialog::FolderDialogWindow& window) {
  if (!caption_.empty())
    window.SetTitle(caption_);
  window.SelectFolder(initialFolder_.empty() ? services_.files.CurrentDirectory() : initialFolder_);
}

// Only a place with a drive-letter path can be installed into; any other empties the box.
void FolderBrowser::OnSelectionChanged(dialog::FolderDialogWindow& window, bool hasPath,
                                       std::string_view path) {
  const bool usable = hasPath && path.size() >= 2 && path[1] == ':';
  const std::string_view shown = usable ? path : std::string_view();
  window.EnableOk(usable);
  window.SetStatusText(shown);
  window.SetEditText(shown);
}

// Any text enables OK; whether it names a folder is judged at OK.
void FolderBrowser::OnEditChanged(dialog::FolderDialogWindow& window) {
  result_ = window.EditText();
  window.EnableOk(!result_.empty());
}

void FolderBrowser::OnOk(dialog::FolderDialogWindow& window) {
  result_ = window.EditText();
  const FolderCheck check{services_.files, services_.boxes, window.Ref(),
                          services_.applicationName};
  if (ValidateFolder(check, result_) == kFolderValid) {
    accepted_ = true;
    window.End(dialog::kIdOk);
    return;
  }
  window.FocusEdit();
}

}  // namespace torvek::setup

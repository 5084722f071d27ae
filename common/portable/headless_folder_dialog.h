// A stand-in for the shell's browse-for-folder dialog, for tests: an ordinary dialog, run by
// whichever host the test uses, whose list box 14145 stands for the folder tree. Its rows are
// the places a test puts there: a folder of the file system, or a place outside it (a network
// neighbourhood) that has no path. It keeps the shell dialog's contract: the caller gets the
// same reports and acts through the same window operations, so the same user script drives
// it (select a row, type into 14148, click OK or Cancel).
#pragma once

#include <string>
#include <vector>

#include "common/dialog/dialog_host.h"
#include "common/dialog/folder_dialog.h"
#include "common/platform/file_system.h"

namespace torvek::portable {

class HeadlessFolderDialogs : public dialog::FolderDialogs {
 public:
  struct Place {
    std::string name;
    std::string path;  // empty: not a folder of the file system
  };

  // `files` tells which folders exist, for a selection by path.
  HeadlessFolderDialogs(dialog::DialogHost& host, platform::FileSystem& files)
      : host_(host), files_(files) {}

  // Rows shown in the tree, in order, before any folder selected by path.
  void AddPlace(std::string name, std::string path) {
    places_.push_back({std::move(name), std::move(path)});
  }
  // Makes Browse fail before showing anything, as the shell does without its allocator.
  void SetUnavailable(bool unavailable) { unavailable_ = unavailable; }
  int Runs() const { return runs_; }
  // The owner and prompt of the last run.
  const dialog::FolderDialogRequest& LastRequest() const { return lastRequest_; }

  bool Browse(const dialog::FolderDialogRequest& request,
              dialog::FolderDialogClient& client) override;

 private:
  dialog::DialogHost& host_;
  platform::FileSystem& files_;
  std::vector<Place> places_;
  bool unavailable_ = false;
  int runs_ = 0;
  dialog::FolderDialogRequest lastRequest_;
};

// The id of the stand-in's prompt text above the tree.
inline constexpr int kIdFolderPrompt = 14146;

}  // namespace torvek::portable

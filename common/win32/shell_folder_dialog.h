// The shell's browse-for-folder dialog (SHBrowseForFolderA) as a dialog::FolderDialogs, with
// the edit box added above the tree and the OK button caught before the shell sees it.
#pragma once

#include <memory>

#include "common/dialog/folder_dialog.h"

namespace torvek::win32 {

std::unique_ptr<dialog::FolderDialogs> MakeFolderDialogs();

}  // namespace torvek::win32

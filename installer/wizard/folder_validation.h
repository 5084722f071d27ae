// The checks a folder typed or chosen for the installation must pass: a drive letter, a colon
// and a backslash, then valid folder names; a folder that does not exist is created, level by
// level, once the user agrees. Paths are code page 936 text, examined character by character,
// so the trail byte of a double-byte character is never taken for '\' or '|'.
#pragma once

#include <string_view>

#include "common/platform/file_system.h"
#include "common/platform/message_box.h"

namespace torvek::setup {

// Results of WalkFolderPath and ValidateFolder, with the codes they have always had.
enum FolderCheckResult : int {
  kFolderValid = 0,
  kFolderInvalid = 1,
  kFolderCannotBeCreated = 2,
  kFolderDeclined = -1,
};

enum class FolderWalk { kCheckOnly, kCreate };

// Where ValidateFolder's messages go: application message boxes, captioned with the program's
// name, owned by the window the user is working in.
struct FolderCheck {
  platform::FileSystem& files;
  platform::MessageBoxes& boxes;
  platform::WindowRef owner = 0;
  std::string_view caption;
};

// False for an empty name, one that starts or ends with a tab, a space or a full stop, and one
// holding any of " * / : < > ? \ |.
bool IsValidFolderName(std::string_view name);

// Checks the path's form and, in create mode, creates each missing level: kFolderValid,
// kFolderInvalid (a path too long for the platform's 260-byte buffer included) or
// kFolderCannotBeCreated. Levels created before a failing one stay.
FolderCheckResult WalkFolderPath(platform::FileSystem& files, std::string_view path,
                                 FolderWalk mode);

// The message for a refused path: "The folder: ... is invalid. Please reenter."
void ReportInvalidFolder(const FolderCheck& check, std::string_view path);

// WalkFolderPath with the user: a message for a refused path, the offer to create a folder
// that does not exist. kFolderDeclined when the user did not want it created.
FolderCheckResult ValidateFolder(const FolderCheck& check, std::string_view path);

}  // namespace torvek::setup

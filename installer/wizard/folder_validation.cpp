#include "installer/wizard/folder_validation.h"

#include <string>

#include "common/platform/win_error.h"
#include "common/text/cp936_text.h"
#include "common/text/path_buffer.h"
#include "common/text/path_split.h"

namespace torvek::setup {

namespace {

using platform::MessageBoxAnswer;
using platform::MessageBoxButtons;
using platform::MessageBoxIcon;

bool IsEdgeCharacter(std::string_view character) {
  return character == "\t" || character == " " || character == ".";
}

bool IsForbiddenCharacter(std::string_view character) {
  return character.size() == 1 &&
         std::string_view("\"*/:<>?\\|").find(character[0]) != std::string_view::npos;
}

enum class Existence { kMissing, kFolder, kOther };

Existence ExistenceOf(platform::FileSystem& files, const char* path) {
  const std::uint32_t attributes = files.GetAttributes(path);
  if (attributes == platform::kInvalidAttributes)
    return Existence::kMissing;
  return (attributes & platform::kAttributeDirectory) != 0 ? Existence::kFolder : Existence::kOther;
}

void ShowFailure(const FolderCheck& check, std::string_view path, FolderCheckResult result) {
  std::string text = "The folder:\n\n";
  text += path;
  text += result == kFolderInvalid ? "\n\nis invalid. Please reenter."
                                   : "\n\ncan not be created. Please double check.";
  check.boxes.Show(check.owner, text.c_str(), std::string(check.caption).c_str(),
                   MessageBoxButtons::kOk, MessageBoxIcon::kExclamation);
}

}  // namespace

void ReportInvalidFolder(const FolderCheck& check, std::string_view path) {
  ShowFailure(check, path, kFolderInvalid);
}

bool IsValidFolderName(std::string_view name) {
  if (name.empty())
    return false;
  std::string_view last;
  for (const std::string_view character : Characters(name)) {
    if (IsForbiddenCharacter(character) || (last.empty() && IsEdgeCharacter(character)))
      return false;
    last = character;
  }
  return !IsEdgeCharacter(last);
}

FolderCheckResult WalkFolderPath(platform::FileSystem& files, std::string_view path,
                                 FolderWalk mode) {
  // A path that does not fit is refused whole: cut short it could name another folder.
  PathBuffer buffer;
  if (path.empty() || !buffer.Assign(path))
    return kFolderInvalid;
  const std::string_view text = buffer.view();
  if (!HasDrive(text) || !StartsWithSeparator(text.substr(2)))
    return kFolderInvalid;
  if (text.size() == 3) {
    if (mode == FolderWalk::kCheckOnly)
      return kFolderValid;
    return ExistenceOf(files, buffer.c_str()) == Existence::kFolder ? kFolderValid
                                                                    : kFolderCannotBeCreated;
  }
  for (std::size_t start = 3;;) {
    const std::size_t end = FindSeparator(text, start);
    if (!IsValidFolderName(text.substr(start, end - start)))
      return kFolderInvalid;
    if (mode == FolderWalk::kCreate) {
      PathBuffer level;
      if (!level.Assign(text.substr(0, end)))
        return kFolderCannotBeCreated;
      files.CreateDirectory(level.c_str());
      if (ExistenceOf(files, level.c_str()) != Existence::kFolder)
        return kFolderCannotBeCreated;
    }
    if (end == text.size())
      return kFolderValid;
    // A trailing backslash leaves an empty last name.
    if (end + 1 == text.size())
      return kFolderInvalid;
    start = end + 1;
  }
}

FolderCheckResult ValidateFolder(const FolderCheck& check, std::string_view path) {
  FolderCheckResult result = WalkFolderPath(check.files, path, FolderWalk::kCheckOnly);
  if (result != kFolderValid) {
    ShowFailure(check, path, result);
    return result;
  }
  const std::string folder(path);
  switch (ExistenceOf(check.files, folder.c_str())) {
    case Existence::kFolder:
      return kFolderValid;
    case Existence::kOther:
      // A file of that name can never become the folder: taking it would install below a file.
      ShowFailure(check, path, kFolderInvalid);
      return kFolderInvalid;
    case Existence::kMissing:
      break;
  }
  const std::string question =
      "The folder:\n\n" + folder + "\n\ndoes not exist. Do you want the folder to be created?";
  if (check.boxes.Show(check.owner, question.c_str(), std::string(check.caption).c_str(),
                       MessageBoxButtons::kYesNo,
                       MessageBoxIcon::kQuestion) != MessageBoxAnswer::kYes)
    return kFolderDeclined;
  result = WalkFolderPath(check.files, path, FolderWalk::kCreate);
  if (result != kFolderValid)
    ShowFailure(check, path, result);
  return result;
}

}  // namespace torvek::setup

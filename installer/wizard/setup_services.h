// What SetUp's start-up hands its pages: the platform's registry and files, the dialog host
// the pages run in, the folder dialog, and the program's name for the folder messages.
#pragma once

#include <string>

#include "common/dialog/dialog_host.h"
#include "common/dialog/folder_dialog.h"
#include "common/platform/file_system.h"
#include "common/platform/registry.h"

namespace torvek::setup {

struct SetupServices {
  platform::Registry& registry;
  platform::FileSystem& files;
  dialog::DialogHost& host;
  dialog::FolderDialogs& folderDialogs;
  // The program file's name without its extension ("SetUp").
  std::string applicationName;
};

}  // namespace torvek::setup

// SetUp on Windows: the real registry, files, message boxes, dialogs and the shell's folder
// dialog, handed to the wizard. It installs the kit that lies in its current directory.
#include <windows.h>

#include "common/platform/dll_search.h"
#include "common/win32/shell_folder_dialog.h"
#include "common/win32/win32_dialog_host.h"
#include "common/win32/win32_file_system.h"
#include "common/win32/win32_message_boxes.h"
#include "common/win32/win32_registry.h"
#include "installer/wizard/application_name.h"
#include "installer/wizard/setup_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace torvek;
  // Before anything else is loaded: the kit's folder may hold DLLs that are not ours.
  platform::RestrictDllSearchToSystemFolder();

  char programPath[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, programPath, MAX_PATH);
  const std::string applicationName =
      length > 0 && length < MAX_PATH ? setup::ApplicationNameOf(programPath) : "SetUp";

  auto registry = win32::MakeRegistry();
  auto files = win32::MakeFileSystem();
  auto messageBoxes = win32::MakeMessageBoxes();
  auto dialogHost = win32::MakeDialogHost(*messageBoxes);
  auto folderDialogs = win32::MakeFolderDialogs();

  setup::InstallOptions options;
  acad::AcadInstallTable table(*registry, *files);
  setup::SetupApp app({*registry, *files, *dialogHost, *folderDialogs, applicationName}, options,
                      table);
  app.InitInstance();
  return 0;
}

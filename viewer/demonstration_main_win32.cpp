// Demonstration on Windows: the program's own resources, OLE's picture loader, GDI and the real
// dialogs, handed to the demonstration dialog, which is the program's main window: the program
// ends when the dialog closes.
#include <windows.h>

#include "common/platform/dll_search.h"
#include "common/win32/gdi_display.h"
#include "common/win32/gdi_surface_text.h"
#include "common/win32/ole_picture_loader.h"
#include "common/win32/ole_session.h"
#include "common/win32/win32_dialog_host.h"
#include "common/win32/win32_message_boxes.h"
#include "common/win32/win32_resources.h"
#include "viewer/demo_dialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace torvek;
  // Before anything else is loaded: the folder it is started from may hold DLLs not ours.
  platform::RestrictDllSearchToSystemFolder();
  // The pictures are loaded on this thread, which runs the dialog.
  win32::OleSession ole;

  auto resources = win32::MakeResources();
  win32::OlePictureLoader pictures;
  win32::GdiDisplay display;
  win32::GdiSurfaceText text;
  auto messageBoxes = win32::MakeMessageBoxes();
  auto dialogHost = win32::MakeDialogHost(*messageBoxes);

  viewer::DemoDialog dialog(*dialogHost, {*resources, pictures, display}, text);
  // What the dialog was ended with does not matter: either way the program is done.
  dialog.DoModal();
  return 0;
}

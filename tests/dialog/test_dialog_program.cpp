// The framework's test dialog as a program of its own, for the end-to-end driver under Wine.
// Its exit code tells what the dialog ended with and, after OK, what it pulled:
// 1 + 10 * row + 100 * choice + 1000 * showSwatch; after Cancel it is 2.
#include "common/win32/win32_dialog_host.h"
#include "common/win32/win32_message_boxes.h"
#include "tests/dialog/test_dialog.h"

int main() {
  using namespace torvek;
  auto boxes = win32::MakeMessageBoxes();
  auto host = win32::MakeDialogHost(*boxes);
  dialogtest::TestDialog dialog(*host);
  const int result = dialog.DoModal();
  if (result != dialog::kIdOk)
    return result;
  return 1 + 10 * dialog.row + 100 * dialog.choice + 1000 * dialog.showSwatch;
}

// What realises dialogs: the Win32 host (real windows) or the headless one (controls in memory,
// a script for the user). A program's entry point picks one and hands it to every dialog.
#pragma once

#include "common/dialog/window_constants.h"
#include "common/platform/message_box.h"
#include "common/platform/surface.h"

namespace torvek::dialog {

class Dialog;

class DialogHost {
 public:
  virtual ~DialogHost() = default;
  // Shows `dialog` modally from its template and answers the code it was ended with, or -1
  // when it could not be shown.
  virtual int RunModal(Dialog& dialog, platform::WindowRef owner) = 0;
  // Where the dialogs' own message boxes go.
  virtual platform::MessageBoxes& MessageBoxes() = 0;
  virtual platform::Colour SystemColourOf(SystemColour index) = 0;
};

}  // namespace torvek::dialog

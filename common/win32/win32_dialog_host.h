// Dialogs as real windows: each template becomes a DLGTEMPLATEEX in memory, run by
// DialogBoxIndirectParamA with a dialog procedure that hands the dialog its messages.
#pragma once

#include <memory>

#include "common/dialog/dialog_host.h"
#include "common/platform/message_box.h"

namespace torvek::win32 {

// `messageBoxes` is where the dialogs' own message boxes go; it must outlive the host.
std::unique_ptr<dialog::DialogHost> MakeDialogHost(platform::MessageBoxes& messageBoxes);

}  // namespace torvek::win32

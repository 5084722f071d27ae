// The colour query a control makes before it paints (WM_CTLCOLOR*): which query, and the answer
// a dialog gives. A dialog's OnCtlColor receives the platform's default answer and changes what
// it wants; a brush is named by its solid colour, and the host owns whatever object draws it.
#pragma once

#include <cstdint>

#include "common/dialog/dialog_template.h"
#include "common/platform/surface.h"

namespace torvek::dialog {

// The WM_CTLCOLOR* message a control sends. Check boxes, radio buttons, group boxes and edit
// boxes that cannot be edited ask as static controls; only push buttons ask as buttons. A
// progress bar asks nothing: it has colours of its own.
enum class ColourTarget { kNone, kDialog, kButton, kStatic, kEdit, kListBox };

enum class BackgroundMode { kTransparent = 1, kOpaque = 2 };

struct ControlColours {
  platform::Colour text = 0;
  BackgroundMode backgroundMode = BackgroundMode::kOpaque;
  platform::Colour textBackground = 0;  // behind the text when opaque
  platform::Colour brush = 0;           // the control's background
  bool operator==(const ControlColours&) const = default;
};

// Which query an item of this class and these styles makes while it is enabled or not.
ColourTarget ColourTargetOf(const DialogItemTemplate& item, bool enabled);

}  // namespace torvek::dialog

#include "common/dialog/control_colours.h"

#include "common/dialog/window_constants.h"

namespace torvek::dialog {

ColourTarget ColourTargetOf(const DialogItemTemplate& item, bool enabled) {
  switch (item.controlClass) {
    case ControlClass::kButton:
      return IsPushButton(item) ? ColourTarget::kButton : ColourTarget::kStatic;
    case ControlClass::kEdit:
      return enabled && (item.style & kEsReadOnly) == 0 ? ColourTarget::kEdit
                                                        : ColourTarget::kStatic;
    case ControlClass::kStatic:
      return ColourTarget::kStatic;
    case ControlClass::kListBox:
      return ColourTarget::kListBox;
    case ControlClass::kProgressBar:
      return ColourTarget::kNone;
  }
  return ColourTarget::kNone;
}

}  // namespace torvek::dialog

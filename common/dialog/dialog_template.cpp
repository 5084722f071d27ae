#include "common/dialog/dialog_template.h"

#include "common/dialog/window_constants.h"

namespace torvek::dialog {

namespace {

std::uint32_t ButtonType(const DialogItemTemplate& item) {
  return item.style & kBsTypeMask;
}

}  // namespace

const DialogItemTemplate* FindItem(const DialogTemplate& dialogTemplate, int id) {
  for (const DialogItemTemplate& item : dialogTemplate.items) {
    if (item.id == id)
      return &item;
  }
  return nullptr;
}

bool IsRadioButton(const DialogItemTemplate& item) {
  return item.controlClass == ControlClass::kButton &&
         (ButtonType(item) == kBsRadioButton || ButtonType(item) == kBsAutoRadioButton);
}

bool IsCheckBox(const DialogItemTemplate& item) {
  const std::uint32_t type = ButtonType(item);
  return item.controlClass == ControlClass::kButton &&
         (type == kBsCheckBox || type == kBsAutoCheckBox || type == kBs3State ||
          type == kBsAuto3State);
}

bool IsPushButton(const DialogItemTemplate& item) {
  return item.controlClass == ControlClass::kButton &&
         (ButtonType(item) == kBsPushButton || ButtonType(item) == kBsDefPushButton);
}

}  // namespace torvek::dialog

// The headless window's input: what a click, typing, a click on a list row and the keys do to
// the controls and which notifications they send, as the real controls and dialog manager do.
#include "common/portable/headless_window.h"

#include "common/text/cp936_text.h"

namespace torvek::portable {

using namespace dialog;

InputRefusal HeadlessWindow::Usable(const HeadlessControl* control) const {
  if (control == nullptr)
    return InputRefusal::kNoControl;
  if (!control->visible)
    return InputRefusal::kHidden;
  if (!control->enabled)
    return InputRefusal::kDisabled;
  return InputRefusal::kTaken;
}

InputRefusal HeadlessWindow::Click(int id) {
  HeadlessControl* control = Find(id);
  if (const InputRefusal refusal = Usable(control); refusal != InputRefusal::kTaken)
    return refusal;
  switch (control->Class()) {
    case ControlClass::kButton:
      ClickButton(*control);
      break;
    case ControlClass::kStatic:
      if ((control->Style() & kSsNotify) != 0)
        Notify(id, kStnClicked);
      break;
    case ControlClass::kEdit:
    case ControlClass::kListBox:
      focus_ = id;
      break;
    case ControlClass::kProgressBar:
      break;
  }
  return InputRefusal::kTaken;
}

void HeadlessWindow::ClickButton(HeadlessControl& button) {
  const std::uint32_t type = button.Style() & kBsTypeMask;
  if (type == kBsGroupBox)
    return;  // a group box lets the mouse through to what lies below it
  focus_ = button.id;
  if (type == kBsAutoCheckBox)
    button.check = button.check == kBstChecked ? kBstUnchecked : kBstChecked;
  else if (type == kBsAuto3State)
    button.check = (button.check + 1) % 3;
  else if (type == kBsAutoRadioButton)
    CheckRadio(button);
  Notify(button.id, kBnClicked);
}

// An automatic radio button checks itself and unchecks the automatic radio buttons of its
// group: from the item with kWsGroup at or before it up to the next one.
void HeadlessWindow::CheckRadio(const HeadlessControl& chosen) {
  std::size_t first = 0;
  std::size_t at = 0;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if ((controls_[i]->Style() & kWsGroup) != 0)
      first = i;
    if (controls_[i].get() == &chosen) {
      at = i;
      break;
    }
  }
  for (std::size_t i = first; i < controls_.size(); ++i) {
    HeadlessControl& control = *controls_[i];
    if (i > at && (control.Style() & kWsGroup) != 0)
      break;
    if (control.Class() == ControlClass::kButton &&
        (control.Style() & kBsTypeMask) == kBsAutoRadioButton)
      control.check = &control == &chosen ? kBstChecked : kBstUnchecked;
  }
}

InputRefusal HeadlessWindow::Type(int id, std::string_view text) {
  HeadlessControl* control = Find(id);
  if (const InputRefusal refusal = Usable(control); refusal != InputRefusal::kTaken)
    return refusal;
  if (control->Class() != ControlClass::kEdit || (control->Style() & kEsReadOnly) != 0)
    return InputRefusal::kTakesNoTyping;
  focus_ = id;
  // Everything is selected first; the first character typed (or the Delete key, for no
  // text) replaces it, and every character typed is a change of its own.
  if (text.empty()) {
    if (!control->text.empty()) {
      control->text.clear();
      Notify(id, kEnChange);
    }
    return InputRefusal::kTaken;
  }
  control->text.clear();
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CharLength(text, at);
    control->text.append(text.substr(at, length));
    at += length;
    Notify(id, kEnChange);
    if (ended_)
      break;
  }
  return InputRefusal::kTaken;
}

InputRefusal HeadlessWindow::Select(int id, int row) {
  HeadlessControl* control = Find(id);
  if (const InputRefusal refusal = Usable(control); refusal != InputRefusal::kTaken)
    return refusal;
  if (control->Class() != ControlClass::kListBox)
    return InputRefusal::kNotAListBox;
  if (row < 0 || row >= static_cast<int>(control->rows.size()))
    return InputRefusal::kNoSuchRow;
  focus_ = id;
  control->selection = row;
  // Releasing the mouse notifies, whether or not the selection moved.
  if ((control->Style() & kLbsNotify) != 0)
    Notify(id, kLbnSelChange);
  return InputRefusal::kTaken;
}

int HeadlessWindow::DefaultButtonId() const {
  if (const HeadlessControl* focused = Find(focus_)) {
    if (focused->Class() == ControlClass::kButton &&
        (focused->Style() & kBsTypeMask) == kBsDefPushButton)
      return focus_;
  }
  int id = kIdOk;
  for (const auto& control : controls_) {
    if (control->Class() == ControlClass::kButton &&
        (control->Style() & kBsTypeMask) == kBsDefPushButton)
      id = control->id;
  }
  return id;
}

// The dialog manager's Enter: the default button's command, unless that button is there and
// disabled, in which case nothing happens.
void HeadlessWindow::PressEnter() {
  const int id = DefaultButtonId();
  const HeadlessControl* button = Find(id);
  if (button == nullptr || button->enabled)
    Notify(id, kBnClicked);
}

void HeadlessWindow::SendCommand(int id) {
  Notify(id, kBnClicked);
}

void HeadlessWindow::PressEscape() {
  Notify(kIdCancel, kBnClicked);
}

void HeadlessWindow::CloseBox() {
  Notify(kIdCancel, kBnClicked);
}

}  // namespace torvek::portable

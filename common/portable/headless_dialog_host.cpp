#include "common/portable/headless_dialog_host.h"

#include <thread>

namespace torvek::portable {

namespace {

using dialog::UserStep;
using platform::MessageBoxAnswer;
using platform::MessageBoxButtons;

bool BoxHasButton(MessageBoxButtons buttons, MessageBoxAnswer answer) {
  using A = MessageBoxAnswer;
  switch (buttons) {
    case MessageBoxButtons::kOk:
      return answer == A::kOk;
    case MessageBoxButtons::kOkCancel:
      return answer == A::kOk || answer == A::kCancel;
    case MessageBoxButtons::kAbortRetryIgnore:
      return answer == A::kAbort || answer == A::kRetry || answer == A::kIgnore;
    case MessageBoxButtons::kYesNoCancel:
      return answer == A::kYes || answer == A::kNo || answer == A::kCancel;
    case MessageBoxButtons::kYesNo:
      return answer == A::kYes || answer == A::kNo;
    case MessageBoxButtons::kRetryCancel:
      return answer == A::kRetry || answer == A::kCancel;
  }
  return false;
}

const char* StepName(UserStep::Kind kind) {
  switch (kind) {
    case UserStep::Kind::kClick:
      return "click";
    case UserStep::Kind::kType:
      return "type";
    case UserStep::Kind::kSelect:
      return "select";
    case UserStep::Kind::kEnter:
      return "Enter";
    case UserStep::Kind::kEscape:
      return "Esc";
    case UserStep::Kind::kCloseBox:
      return "close box";
    case UserStep::Kind::kAnswer:
      return "answer";
    case UserStep::Kind::kInspect:
      return "inspect";
    case UserStep::Kind::kIdle:
      return "idle";
  }
  return "?";
}

}  // namespace

HeadlessDialogHost::HeadlessDialogHost() : boxes_(*this) {}

HeadlessDialogHost::~HeadlessDialogHost() = default;

void HeadlessDialogHost::Attach(const dialog::UserScript& script) {
  steps_.insert(steps_.end(), script.Steps().begin(), script.Steps().end());
}

int HeadlessDialogHost::RunModal(dialog::Dialog& dialog, platform::WindowRef) {
  auto window = std::make_unique<HeadlessWindow>(dialog, nextRef_, palette_, faults_);
  nextRef_ += 0x1000;
  std::string reason;
  if (!window->Realise(reason)) {
    Fault(std::move(reason));
    return -1;
  }
  running_.push_back(window.get());
  window->Start();
  while (!window->Ended()) {
    window->PaintInvalid();
    if (steps_.empty()) {
      Fault("the script ended while the dialog \"" + window->Title() + "\" was open");
      window->End(-1);
      break;
    }
    const UserStep step = std::move(steps_.front());
    steps_.pop_front();
    Perform(*window, step);
  }
  window->Close();
  running_.pop_back();
  const int result = window->Result();
  lastClosed_ = std::move(window);
  return result;
}

void HeadlessDialogHost::Perform(HeadlessWindow& window, const UserStep& step) {
  std::string fault;
  bool done = true;
  switch (step.kind) {
    case UserStep::Kind::kClick:
      done = window.Click(step.id, fault);
      break;
    case UserStep::Kind::kType:
      done = window.Type(step.id, step.text, fault);
      break;
    case UserStep::Kind::kSelect:
      done = window.Select(step.id, step.number, fault);
      break;
    case UserStep::Kind::kEnter:
      window.PressEnter();
      break;
    case UserStep::Kind::kEscape:
      window.PressEscape();
      break;
    case UserStep::Kind::kCloseBox:
      window.CloseBox();
      break;
    case UserStep::Kind::kAnswer:
      done = false;
      fault = "no message box is showing";
      break;
    case UserStep::Kind::kInspect:
      if (step.inspect)
        step.inspect(window);
      break;
    case UserStep::Kind::kIdle:
      Idle(window, step.number);
      break;
  }
  if (!done)
    Fault(std::string(StepName(step.kind)) + " on \"" + window.Title() + "\": " + fault);
}

void HeadlessDialogHost::Idle(HeadlessWindow& window, int milliseconds) {
  constexpr int kSlice = 10;
  for (int waited = 0; waited < milliseconds; waited += kSlice) {
    window.PaintInvalid();
    std::this_thread::sleep_for(std::chrono::milliseconds(kSlice));
  }
  window.PaintInvalid();
}

MessageBoxAnswer HeadlessDialogHost::ScriptedBoxes::Show(platform::WindowRef owner,
                                                         const char* text, const char* caption,
                                                         MessageBoxButtons buttons,
                                                         platform::MessageBoxIcon icon) {
  ShownMessageBox box{
      owner, text != nullptr ? text : "", caption != nullptr ? caption : "", buttons,
      icon,  MessageBoxAnswer::kFailed};
  // While the box is up the user can only look, or answer it.
  while (!host_.steps_.empty() && host_.steps_.front().kind == UserStep::Kind::kInspect) {
    const UserStep step = std::move(host_.steps_.front());
    host_.steps_.pop_front();
    if (step.inspect && !host_.running_.empty())
      step.inspect(*host_.running_.back());
  }
  if (host_.steps_.empty() || host_.steps_.front().kind != UserStep::Kind::kAnswer) {
    host_.Fault("the message box \"" + box.caption + "\" (" + box.text +
                ") was not answered by the script");
  } else {
    const MessageBoxAnswer answer = host_.steps_.front().answer;
    host_.steps_.pop_front();
    if (BoxHasButton(buttons, answer))
      box.answer = answer;
    else
      host_.Fault("the message box \"" + box.caption + "\" has no button for the answer " +
                  std::to_string(static_cast<int>(answer)));
  }
  shown.push_back(box);
  return box.answer;
}

}  // namespace torvek::portable

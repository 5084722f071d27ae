#include "common/testing/headless_user.h"

#include <thread>

namespace torvek::testing {

namespace {

using platform::MessageBoxAnswer;
using platform::MessageBoxButtons;
using portable::InputRefusal;

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
    case UserStep::Kind::kCommand:
      return "command";
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

// Why no user could have done the step; empty when the window took it.
std::string Refused(InputRefusal refusal, const UserStep& step) {
  const std::string control = "control " + std::to_string(step.id);
  switch (refusal) {
    case InputRefusal::kTaken:
      return {};
    case InputRefusal::kNoControl:
      return "the dialog has no control " + std::to_string(step.id);
    case InputRefusal::kHidden:
      return control + " is hidden";
    case InputRefusal::kDisabled:
      return control + " is disabled";
    case InputRefusal::kTakesNoTyping:
      return control + " takes no typing";
    case InputRefusal::kNotAListBox:
      return control + " is not a list box";
    case InputRefusal::kNoSuchRow:
      return "list box " + std::to_string(step.id) + " has no row " + std::to_string(step.number);
  }
  return "?";
}

// The message loop's idle time, in slices, so that paints asked for from elsewhere happen.
void Idle(portable::HeadlessWindow& window, int milliseconds) {
  constexpr int kSlice = 10;
  for (int waited = 0; waited < milliseconds; waited += kSlice) {
    window.PaintInvalid();
    std::this_thread::sleep_for(std::chrono::milliseconds(kSlice));
  }
  window.PaintInvalid();
}

}  // namespace

HeadlessScriptedUser::HeadlessScriptedUser(portable::HeadlessDialogHost& host) : host_(host) {
  host_.SetUser(this);
}

HeadlessScriptedUser::~HeadlessScriptedUser() {
  host_.SetUser(nullptr);
}

void HeadlessScriptedUser::Attach(const UserScript& script) {
  steps_.insert(steps_.end(), script.Steps().begin(), script.Steps().end());
}

std::vector<std::string> HeadlessScriptedUser::Faults() const {
  std::vector<std::string> faults = host_.Faults();
  faults.insert(faults.end(), faults_.begin(), faults_.end());
  return faults;
}

bool HeadlessScriptedUser::Act(portable::HeadlessWindow& window) {
  if (steps_.empty()) {
    Fault("the script ended while the dialog \"" + window.Title() + "\" was open");
    return false;
  }
  const UserStep step = std::move(steps_.front());
  steps_.pop_front();
  Perform(window, step);
  return true;
}

void HeadlessScriptedUser::Perform(portable::HeadlessWindow& window, const UserStep& step) {
  std::string fault;
  switch (step.kind) {
    case UserStep::Kind::kClick:
      fault = Refused(window.Click(step.id), step);
      break;
    case UserStep::Kind::kType:
      fault = Refused(window.Type(step.id, step.text), step);
      break;
    case UserStep::Kind::kSelect:
      fault = Refused(window.Select(step.id, step.number), step);
      break;
    case UserStep::Kind::kEnter:
      window.PressEnter();
      break;
    case UserStep::Kind::kCommand:
      window.SendCommand(step.id);
      break;
    case UserStep::Kind::kEscape:
      window.PressEscape();
      break;
    case UserStep::Kind::kCloseBox:
      window.CloseBox();
      break;
    case UserStep::Kind::kAnswer:
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
  if (!fault.empty())
    Fault(std::string(StepName(step.kind)) + " on \"" + window.Title() + "\": " + fault);
}

MessageBoxAnswer HeadlessScriptedUser::Answer(portable::HeadlessWindow* top,
                                              const portable::HeadlessMessageBox& box) {
  ShownMessageBox shown{box.owner,   box.text, box.caption,
                        box.buttons, box.icon, MessageBoxAnswer::kFailed};
  // While the box is up the user can only look, or answer it.
  while (!steps_.empty() && steps_.front().kind == UserStep::Kind::kInspect) {
    const UserStep step = std::move(steps_.front());
    steps_.pop_front();
    if (step.inspect && top != nullptr)
      step.inspect(*top);
  }
  if (steps_.empty() || steps_.front().kind != UserStep::Kind::kAnswer) {
    Fault("the message box \"" + shown.caption + "\" (" + shown.text +
          ") was not answered by the script");
  } else {
    const MessageBoxAnswer answer = steps_.front().answer;
    steps_.pop_front();
    if (BoxHasButton(box.buttons, answer))
      shown.answer = answer;
    else
      Fault("the message box \"" + shown.caption + "\" has no button for the answer " +
            std::to_string(static_cast<int>(answer)));
  }
  shown_.push_back(shown);
  return shown.answer;
}

}  // namespace torvek::testing

// What a test's user does to a running dialog, in order: the same script drives the headless
// host (attached before DoModal) and real windows under Wine (a thread acting on them). Steps
// act on the dialog on top, the innermost one running; a message box must be answered before
// anything else is touched. A step that a user could not do (click a disabled button, answer
// a box that is not there) is a fault of the script, reported by whoever runs it.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/dialog/dialog_view.h"
#include "common/platform/message_box.h"

namespace torvek::testing {

struct UserStep {
  enum class Kind {
    kClick,     // a mouse click on the control `id`
    kType,      // focus `id`, select all, type `text` (empty: delete what was there)
    kSelect,    // a click on row `number` of the list box `id`
    kEnter,     // the Enter key, wherever the focus is
    kCommand,   // the command of the button `id`, posted to the dialog whatever the button's state
    kEscape,    // the Esc key
    kCloseBox,  // the close box of the caption
    kAnswer,    // the button `answer` of the message box that is showing
    kInspect,   // `inspect` looks at the dialog on top
    kIdle,      // nothing for `number` milliseconds, so that paints and workers can run
  };
  Kind kind = Kind::kInspect;
  int id = 0;
  int number = 0;
  std::string text;
  platform::MessageBoxAnswer answer = platform::MessageBoxAnswer::kFailed;
  std::function<void(dialog::DialogView&)> inspect;
};

class UserScript {
 public:
  UserScript& Click(int id) { return Add(Step(UserStep::Kind::kClick, id)); }
  UserScript& Type(int id, std::string text) {
    UserStep step = Step(UserStep::Kind::kType, id);
    step.text = std::move(text);
    return Add(std::move(step));
  }
  UserScript& Select(int id, int row) { return Add(Step(UserStep::Kind::kSelect, id, row)); }
  UserScript& PressEnter() { return Add(Step(UserStep::Kind::kEnter)); }
  // What the dialog gets from the dialog manager's Enter where no default button answers, or
  // from another program: a dialog's own guards must hold against it, not only its buttons'.
  UserScript& SendCommand(int id) { return Add(Step(UserStep::Kind::kCommand, id)); }
  UserScript& PressEscape() { return Add(Step(UserStep::Kind::kEscape)); }
  UserScript& CloseBox() { return Add(Step(UserStep::Kind::kCloseBox)); }
  UserScript& Answer(platform::MessageBoxAnswer answer) {
    UserStep step = Step(UserStep::Kind::kAnswer);
    step.answer = answer;
    return Add(std::move(step));
  }
  UserScript& Inspect(std::function<void(dialog::DialogView&)> inspect) {
    UserStep step = Step(UserStep::Kind::kInspect);
    step.inspect = std::move(inspect);
    return Add(std::move(step));
  }
  UserScript& Idle(int milliseconds) { return Add(Step(UserStep::Kind::kIdle, 0, milliseconds)); }

  const std::vector<UserStep>& Steps() const { return steps_; }

 private:
  static UserStep Step(UserStep::Kind kind, int id = 0, int number = 0) {
    UserStep step;
    step.kind = kind;
    step.id = id;
    step.number = number;
    return step;
  }
  UserScript& Add(UserStep step) {
    steps_.push_back(std::move(step));
    return *this;
  }

  std::vector<UserStep> steps_;
};

// A message box as the user saw it, and the answer given.
struct SeenMessageBox {
  platform::WindowRef owner = 0;
  std::string caption;
  std::string text;
  platform::MessageBoxAnswer answer = platform::MessageBoxAnswer::kFailed;
};

}  // namespace torvek::testing

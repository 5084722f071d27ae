// Message boxes answered from a script, for tests and the headless host: each box shown takes
// the next scripted answer and is recorded. A box with no answer left is a box that could not
// be shown (kFailed), which is what a caller must survive anyway.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/platform/message_box.h"

namespace torvek::testing {

struct ShownMessageBox {
  platform::WindowRef owner = 0;
  std::string text;
  std::string caption;
  platform::MessageBoxButtons buttons = platform::MessageBoxButtons::kOk;
  platform::MessageBoxIcon icon = platform::MessageBoxIcon::kNone;
  platform::MessageBoxAnswer answer = platform::MessageBoxAnswer::kFailed;
};

class ScriptedMessageBoxes : public platform::MessageBoxes {
 public:
  void Answer(platform::MessageBoxAnswer answer) { script_.push_back(answer); }
  std::size_t AnswersLeft() const { return script_.size(); }
  const std::vector<ShownMessageBox>& Shown() const { return shown_; }

  platform::MessageBoxAnswer Show(platform::WindowRef owner, const char* text, const char* caption,
                                  platform::MessageBoxButtons buttons,
                                  platform::MessageBoxIcon icon) override;

 private:
  std::deque<platform::MessageBoxAnswer> script_;
  std::vector<ShownMessageBox> shown_;
};

}  // namespace torvek::testing

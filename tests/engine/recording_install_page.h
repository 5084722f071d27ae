// The install-path page as the install driver sees it, recorded: its progress bar (moving as the
// real control moves, wrapping past the top), the questions it was asked to own, and whether it was
// closed as cancelled.
#pragma once

#include <vector>

#include "common/testing/scripted_message_boxes.h"
#include "installer/engine/install_page.h"

namespace torvek::engine::testing {

class RecordingProgress : public InstallProgress {
 public:
  void SetRange(int lower, int upper) override;
  void SetStep(int step) override { step_ = step; }
  void SetPos(int position) override;
  void StepIt() override;

  int Position() const { return position_; }
  int Steps() const { return steps_; }
  // The positions the bar showed, one per call that moved it.
  const std::vector<int>& Trail() const { return trail_; }

 private:
  int lower_ = 0;
  int upper_ = 100;
  int step_ = 10;
  int position_ = 0;
  int steps_ = 0;
  std::vector<int> trail_;
};

class RecordingInstallPage : public InstallPage {
 public:
  InstallProgress& Progress() override { return progress; }
  platform::MessageBoxAnswer Ask(const char* text, const char* caption,
                                 platform::MessageBoxButtons buttons,
                                 platform::MessageBoxIcon icon) override {
    return questions.Show(kPageWindow, text, caption, buttons, icon);
  }
  void CloseAsCancelled() override { ++cancelled; }

  static constexpr platform::WindowRef kPageWindow = 0x1420;
  RecordingProgress progress;
  torvek::testing::ScriptedMessageBoxes questions;
  int cancelled = 0;
};

}  // namespace torvek::engine::testing

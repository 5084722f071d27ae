#include "tests/engine/recording_install_page.h"

#include <algorithm>

namespace torvek::engine::testing {

void RecordingProgress::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
  position_ = std::clamp(position_, lower_, upper_);
}

void RecordingProgress::SetPos(int position) {
  position_ = std::clamp(position, lower_, upper_);
  trail_.push_back(position_);
}

// As the common control does it: past the top, the position starts again from the bottom,
// carrying what went beyond.
void RecordingProgress::StepIt() {
  ++steps_;
  position_ += step_;
  if (upper_ > lower_) {
    if (position_ > upper_)
      position_ = (position_ - lower_) % (upper_ - lower_) + lower_;
    if (position_ < lower_)
      position_ = (position_ - lower_) % (upper_ - lower_) + upper_;
  }
  trail_.push_back(position_);
}

}  // namespace torvek::engine::testing

// What the install driver needs of the page it runs on: the page's progress bar, the page as
// owner of the question after a failed copy, and closing the page as cancelled. The
// install-path page implements it; tests record through it.
#pragma once

#include "common/platform/message_box.h"

namespace torvek::engine {

// The install's progress bar runs over this range; it stands at the top when the install ends.
inline constexpr int kProgressLower = 0;
inline constexpr int kProgressUpper = 50;

// A progress control, with the meaning of PBM_SETRANGE, PBM_SETSTEP, PBM_SETPOS and
// PBM_STEPIT: stepping past the top of the range starts again from the bottom.
class InstallProgress {
 public:
  virtual ~InstallProgress() = default;
  virtual void SetRange(int lower, int upper) = 0;
  virtual void SetStep(int step) = 0;
  virtual void SetPos(int position) = 0;
  virtual void StepIt() = 0;
};

class InstallPage {
 public:
  virtual ~InstallPage() = default;
  virtual InstallProgress& Progress() = 0;
  // A message box owned by the page.
  virtual platform::MessageBoxAnswer Ask(const char* text, const char* caption,
                                         platform::MessageBoxButtons buttons,
                                         platform::MessageBoxIcon icon) = 0;
  // Ends the page as its Cancel button does, with no next page.
  virtual void CloseAsCancelled() = 0;
};

}  // namespace torvek::engine

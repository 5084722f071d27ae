// The two windows the animation control works with while it loads a GIF of many frames: a
// progress bar, stepped once per frame, and a caption hidden meanwhile. Interfaces, so that the
// dialog hands in its own controls and tests record the calls.
#pragma once

namespace torvek::viewer {

class ProgressCompanion {
 public:
  virtual ~ProgressCompanion() = default;
  virtual void Show(bool visible) = 0;
  virtual void Step() = 0;
};

class CaptionCompanion {
 public:
  virtual ~CaptionCompanion() = default;
  virtual void Show(bool visible) = 0;
};

}  // namespace torvek::viewer

// A user at the drafting screen, recorded frame by frame: the cursor glides to points of the
// drawing, pauses, picks, types at the command line. Every call that takes time writes its
// frames; the scene ends by idling until the demonstration's length.
#pragma once

#include <string_view>

#include "tools/gifgen/drafting_screen.h"
#include "tools/gifgen/recorder.h"

namespace torvek::gifgen {

class Session {
 public:
  // `frames` is the length of the demonstration.
  Session(DraftingScreen& screen, Recorder& recorder, int frames);

  DraftingScreen& Screen() { return screen_; }
  Drawing& Model() { return screen_.Model(); }
  int FramesLeft() const { return frames_ - recorder_.FrameCount(); }
  // Frames the scene has asked for so far, those past its length included.
  int FramesAsked() const { return asked_; }

  // Time passes: the screen as it stands now, `frames` times.
  void Wait(int frames = 1);
  // The cursor glides to a model point (or a window point) in `frames` frames.
  void Glide(Point model, int frames);
  void GlideOnScreen(Point screen, int frames);
  // Glides to a point with an object snap, shows the marker a moment, picks and hides it.
  void SnapTo(SnapMarker marker, Point model, int frames);
  // A pick at the cursor: the status bar shows where.
  void Pick();
  void DoubleClick();
  // A selection window dragged from one model point to another (right to left: crossing).
  void SelectWindow(Point from, Point to, int frames);
  // Types into the command line, a key every `framesPerKey` frames.
  void Type(std::string_view text, int framesPerKey = 2);
  // A new prompt line.
  void Prompt(std::string_view text, int pause = 3);
  // A prompt, a moment's thought and the answer typed.
  void Answer(std::string_view prompt, std::string_view typed);
  // Types a command at an empty prompt and confirms it.
  void Command(std::string_view name);
  // Starts a command from its button on the toolbox's toolbar and comes back to `returnTo`.
  void CommandFromToolbar(int button, std::string_view name, Point returnTo);
  // The drawing follows the cursor by `pixels` (a real-time pan), over `frames` frames.
  void Pan(Point pixels, int frames);
  // Zooms to `units` millimetres a pixel around a model point, over `frames` frames.
  void Zoom(Point centre, int units, int frames);
  // A view `units` millimetres a pixel with `centre` in the middle of the drawing area.
  View CentredView(Point centre, int units) const;
  // The rest of the demonstration: the cursor drifts and rests. False when the scene took
  // more frames than it has, or a frame could not be written.
  bool Finish();

 private:
  void Frame();

  DraftingScreen& screen_;
  Recorder& recorder_;
  int frames_;
  int glides_ = 0;
  int asked_ = 0;
  bool failed_ = false;
};

}  // namespace torvek::gifgen

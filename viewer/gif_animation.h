// The animation control: takes over a static control of a dialog, loads a picture from the
// program's resources or from memory, and shows it. A GIF of many frames is cut into one-frame
// streams, each decoded once at load, and played in an endless loop by one worker thread that
// draws into an off-screen canvas; the control's paint copies the canvas to the screen.
//
// Everything the worker touches lives in a PlayState that the control and a running worker
// share. When a worker does not end within Stop's bound, the control gives that state up to
// the worker, which frees it when it ends at last, and starts again empty; the worker never
// touches the control after that. No second worker starts while such a worker lives.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "common/dialog/control.h"
#include "common/platform/canvas.h"
#include "common/platform/lock.h"
#include "common/platform/manual_reset_event.h"
#include "common/platform/memory_block.h"
#include "common/platform/picture.h"
#include "common/platform/resources.h"
#include "common/platform/thread.h"
#include "viewer/animation_companions.h"
#include "viewer/gif_frame.h"
#include "viewer/gif_stream.h"
#include "viewer/viewer_platform.h"

namespace torvek::viewer {

inline constexpr platform::Colour kBlack = platform::Rgb(0, 0, 0);
// How long Stop waits for the worker to end.
inline constexpr std::uint32_t kStopWaitMilliseconds = 5000;

// Test-only: runs on the worker after each frame's Render (whether it drew or not), with the
// number of frames rendered since Play, before that frame's wait and disposal. The worker goes
// on when it returns, so a hook that blocks holds the picture on show. With `skipWaits` the
// frames follow each other without their waits.
struct FrameHook {
  std::function<void(int framesRendered)> rendered;
  bool skipWaits = false;
};

class GifAnimation : public dialog::Control {
 public:
  explicit GifAnimation(const ViewerPlatform& platform);
  // Unloads; the event goes with the last owner of the play state.
  ~GifAnimation() override;

  // Set by the owner before the first load: the largest canvas for a GIF (the size of the
  // control it gave), and the companions (either may stay null).
  std::int32_t maxWidth = 100;
  std::int32_t maxHeight = 100;
  ProgressCompanion* progressCompanion = nullptr;
  CaptionCompanion* captionCompanion = nullptr;

  // Copies the resource into a moveable block and loads it from there.
  bool LoadFromResource(std::uint16_t id, platform::ResourceType type);
  // Unloads, then loads the picture file in the first `size` bytes of `block`: a GIF of many
  // frames as decoded frames, anything else (a one-frame GIF, a bitmap) as one picture. False
  // when nothing can be shown; the control is then empty. The caller keeps the block.
  bool LoadFromMemory(platform::MemoryBlock& block, std::uint32_t size);
  // Starts the worker for an animation and answers false; draws a still picture once and
  // answers whether it drew. Does nothing and answers false while a worker runs, or while one
  // given up by Stop still does.
  bool Play();
  // Ends the worker, waiting at most kStopWaitMilliseconds for it.
  void Stop();
  // Stop, then releases every picture and surface.
  void Unload();
  // A GIF with more than one decoded frame.
  bool IsAnimated() const;

  // What the last load made. The frame on show is meaningful only while no worker runs.
  bool IsReady() const { return ready_; }
  std::int32_t CanvasWidth() const { return state_->width; }
  std::int32_t CanvasHeight() const { return state_->height; }
  int FrameCount() const { return static_cast<int>(state_->frames.size()); }
  bool HasSinglePicture() const { return singlePicture_ != nullptr; }
  std::int32_t CurrentFrame() const { return state_->currentFrame; }
  // A worker that Stop gave up on has not ended yet.
  bool IsAbandonedWorkerRunning() const { return !abandoned_.expired(); }

  // Test-only; takes effect at the next Play.
  void SetFrameHook(FrameHook hook) { hook_ = std::move(hook); }

 protected:
  // Copies the canvas; with none the control stays black, as a black-rectangle static is.
  void OnPaint(platform::Surface& surface) override;
  bool OnEraseBackground() override { return true; }
  void OnDestroy() override { Stop(); }

 private:
  // What a worker plays from and draws into.
  struct PlayState {
    explicit PlayState(platform::Display& screen) : display(screen) {}

    platform::Display& display;
    std::vector<GifFrame> frames;
    // Guards the canvas and the save surface: each frame's drawing and disposal on the
    // worker, the paint's copy on the interface thread.
    platform::Lock canvasLock;
    std::unique_ptr<platform::Canvas> canvas;
    std::unique_ptr<platform::Canvas> saveSurface;
    std::int32_t width = 0;
    std::int32_t height = 0;
    platform::Colour backgroundColour = kBlack;
    std::int32_t currentFrame = 0;
    std::atomic<bool> stopRequested = false;
    platform::ManualResetEvent wakeEvent;
    // The control asked for repaints; cut when the control gives the state up.
    platform::Lock controlLock;
    dialog::Control* control = nullptr;
    FrameHook hook;
  };

  bool LoadFrames(std::int32_t count);
  // The picture loader on the whole block, and its size in pixels at the screen's resolution.
  bool LoadSinglePicture(platform::MemoryBlock& block, std::uint32_t size);
  bool PrepareCanvas(std::int32_t canvasWidth, std::int32_t canvasHeight);
  // Hands the play state to a worker that would not end, and starts afresh, empty.
  void AbandonPlayState();

  static unsigned AnimationWorker(void* argument);
  static void RunFrames(PlayState& state);
  static void Dispose(PlayState& state, const GifFrame& frame);
  static void AskForRepaint(PlayState& state);

  ViewerPlatform platform_;
  GifStream stream_;
  std::unique_ptr<platform::Picture> singlePicture_;
  bool ready_ = false;
  std::shared_ptr<PlayState> state_;
  platform::Thread worker_;
  // The play state given up to a worker that did not end within Stop's bound.
  std::weak_ptr<PlayState> abandoned_;
  FrameHook hook_;
};

}  // namespace torvek::viewer

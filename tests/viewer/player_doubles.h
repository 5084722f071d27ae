// What the player's tests put round the real portable loader and display: a gate that holds
// the worker after chosen frames, pictures whose Render can be held, a display whose canvases
// can fail, a window that records what the control asks of it, and companions that record
// their calls.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/dialog/control.h"
#include "common/platform/canvas.h"
#include "common/platform/manual_reset_event.h"
#include "common/platform/picture.h"
#include "viewer/animation_companions.h"
#include "viewer/gif_animation.h"

namespace torvek::viewertest {

// Holds the worker after chosen numbers of frames rendered, so that a test reads the canvas
// as it stands then.
class FrameGate {
 public:
  viewer::FrameHook Hook(std::vector<int> holds, bool skipWaits = true);
  // Waits, at most 10 s, until the worker is held after `count` frames.
  bool Reached(int count);
  void Release();
  // Frames rendered so far, and how many workers have rendered their first.
  int Rendered() const { return rendered_.load(); }
  int Starts() const { return starts_.load(); }

 private:
  platform::ManualResetEvent held_;
  platform::ManualResetEvent released_;
  std::atomic<int> heldAt_ = 0;
  std::atomic<int> rendered_ = 0;
  std::atomic<int> starts_ = 0;
};

// The real loader's pictures, counted, with a look before each owned load (a frame's decoding)
// and a Render that can be made to block.
class GatedPictures : public platform::PictureLoader {
 public:
  explicit GatedPictures(platform::PictureLoader& real) : real_(real) { open_.Set(); }

  std::unique_ptr<platform::Picture> LoadOwned(platform::MemoryBlock block,
                                               std::uint32_t size) override;
  std::unique_ptr<platform::Picture> LoadBorrowed(platform::MemoryBlock& block,
                                                  std::uint32_t size) override;

  // From Close to Open every Render blocks.
  void Close() { open_.Reset(); }
  void Open() { open_.Set(); }
  // Waits, at most 10 s, until a Render is blocked.
  bool HasHeldARender() { return holding_.Wait(10000); }
  int Renders() const { return renders_.load(); }
  int Live() const { return live_.load(); }

  std::function<void()> beforeLoad;

 private:
  class Gated;
  std::unique_ptr<platform::Picture> Wrap(std::unique_ptr<platform::Picture> picture);

  platform::PictureLoader& real_;
  platform::ManualResetEvent open_;
  platform::ManualResetEvent holding_;
  std::atomic<int> renders_ = 0;
  std::atomic<int> live_ = 0;
};

// The real display, but for canvases that cannot be made: none at all, or a save surface that
// comes back 1 x 1, as a memory DC does whose bitmap could not be made.
class FaultyDisplay : public platform::Display {
 public:
  enum class SaveSurface { kMade, kNone, kOneByOne };

  explicit FaultyDisplay(platform::Display& real) : real_(real) {}
  std::unique_ptr<platform::Canvas> CreateCanvas(platform::WindowRef window, int width,
                                                 int height) override;
  std::unique_ptr<platform::Canvas> CreateCompatibleCanvas(const platform::Canvas& like, int width,
                                                           int height) override;
  std::unique_ptr<platform::Surface> CreateSurface(int width, int height) override {
    return real_.CreateSurface(width, height);
  }
  platform::Colour MenuColour() override { return real_.MenuColour(); }
  int LogPixelsX() override { return real_.LogPixelsX(); }
  int LogPixelsY() override { return real_.LogPixelsY(); }

  bool canvasFails = false;
  SaveSurface saveSurface = SaveSurface::kMade;

 private:
  platform::Display& real_;
};

// The window of control 1003 as far as the control uses it.
class RecordingSite : public dialog::ControlSite {
 public:
  platform::WindowRef Ref() const override { return 1003; }
  std::intptr_t Send(std::uint32_t, std::uintptr_t, std::intptr_t) override { return 0; }
  void Show(bool visible) override { visible_ = visible; }
  bool IsVisible() const override { return visible_; }
  void Resize(int width, int height) override { width_ = width, height_ = height; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Invalidate() override { ++invalidations; }
  void UpdateNow() override {}

  std::atomic<int> invalidations = 0;

 private:
  bool visible_ = true;
  int width_ = 100;
  int height_ = 100;
};

// Both companions, writing their calls into one list in the order they come.
class RecordingCompanions {
 public:
  std::vector<std::string> calls;

  class Progress : public viewer::ProgressCompanion {
   public:
    explicit Progress(std::vector<std::string>& calls) : calls_(calls) {}
    void Show(bool visible) override { calls_.push_back(visible ? "bar shown" : "bar hidden"); }
    void Step() override { calls_.push_back("step"); }

   private:
    std::vector<std::string>& calls_;
  } progress{calls};

  class Caption : public viewer::CaptionCompanion {
   public:
    explicit Caption(std::vector<std::string>& calls) : calls_(calls) {}
    void Show(bool visible) override {
      calls_.push_back(visible ? "caption shown" : "caption hidden");
    }

   private:
    std::vector<std::string>& calls_;
  } caption{calls};
};

}  // namespace torvek::viewertest

#include "viewer/gif_animation.h"

#include <cstring>
#include <limits>

#include "common/platform/mul_div.h"

namespace torvek::viewer {

GifAnimation::GifAnimation(const ViewerPlatform& platform)
    : platform_(platform), state_(std::make_shared<PlayState>(platform.display)) {
  state_->control = this;
}

GifAnimation::~GifAnimation() {
  Unload();
}

bool GifAnimation::LoadFromResource(std::uint16_t id, platform::ResourceType type) {
  const std::span<const std::uint8_t> resource = platform_.resources.Find(type, id);
  if (resource.empty() || resource.size() > std::numeric_limits<std::uint32_t>::max())
    return false;
  platform::MemoryBlock block =
      platform::MemoryBlock::Allocate(resource.size(), platform::MemoryBlock::Kind::kMoveable);
  std::uint8_t* bytes = block.Lock();
  if (bytes == nullptr)
    return false;
  std::memcpy(bytes, resource.data(), resource.size());
  block.Unlock();
  return LoadFromMemory(block, static_cast<std::uint32_t>(resource.size()));
}

bool GifAnimation::LoadFromMemory(platform::MemoryBlock& block, std::uint32_t size) {
  Unload();
  if (size > block.Size())
    return false;
  const std::uint8_t* data = block.Lock();
  if (data == nullptr)
    return false;
  std::int32_t screenWidth = 0;
  std::int32_t screenHeight = 0;
  if (!stream_.BeginGif(data, size, screenWidth, screenHeight)) {
    block.Unlock();
    return LoadSinglePicture(block, size) && PrepareCanvas(state_->width, state_->height);
  }
  state_->backgroundColour = kBlack;
  const std::int32_t canvasWidth = screenWidth > maxWidth ? maxWidth : screenWidth;
  const std::int32_t canvasHeight = screenHeight > maxHeight ? maxHeight : screenHeight;

  std::int32_t count = 0;
  stream_.RewindToFirstBlock();
  while (stream_.SkipFrame())
    ++count;
  if (count == 0) {
    stream_.ReleaseData();
    block.Unlock();
    return false;
  }
  if (count == 1) {
    stream_.ReleaseData();
    block.Unlock();
    return LoadSinglePicture(block, size) && PrepareCanvas(canvasWidth, canvasHeight);
  }

  const bool loaded = LoadFrames(count);
  stream_.ReleaseData();
  block.Unlock();
  return loaded && PrepareCanvas(canvasWidth, canvasHeight);
}

bool GifAnimation::LoadFrames(std::int32_t count) {
  if (progressCompanion != nullptr)
    progressCompanion->Show(true);
  if (captionCompanion != nullptr)
    captionCompanion->Show(false);

  std::vector<GifFrame>& frames = state_->frames;
  frames.reserve(static_cast<std::size_t>(count));
  stream_.RewindToFirstBlock();
  GifFrameValues values;
  for (;;) {
    platform::MemoryBlock frameStream = stream_.ExtractNextFrame(values);
    if (!frameStream.IsValid())
      break;
    // Before the decoding, so that a frame that fails to decode advances the bar as well.
    if (progressCompanion != nullptr)
      progressCompanion->Step();
    // A plain-text frame has no image to make a picture of.
    if (values.kind != GifFrameKind::kImage)
      continue;
    std::unique_ptr<platform::Picture> picture = platform_.pictures.LoadOwned(
        std::move(frameStream), static_cast<std::uint32_t>(values.streamSize));
    if (picture == nullptr)
      continue;
    frames.push_back(GifFrame{std::move(picture), values.width, values.height, values.left,
                              values.top, static_cast<std::uint32_t>(values.delay),
                              values.disposal});
  }

  if (progressCompanion != nullptr)
    progressCompanion->Show(false);
  if (captionCompanion != nullptr)
    captionCompanion->Show(true);
  return !frames.empty();
}

bool GifAnimation::LoadSinglePicture(platform::MemoryBlock& block, std::uint32_t size) {
  singlePicture_ = platform_.pictures.LoadBorrowed(block, size);
  if (singlePicture_ == nullptr)
    return false;
  platform::Display& display = platform_.display;
  state_->width = platform::MulDiv(singlePicture_->ExtentWidth(), display.LogPixelsX(), 2540);
  state_->height = platform::MulDiv(singlePicture_->ExtentHeight(), display.LogPixelsY(), 2540);
  return true;
}

bool GifAnimation::PrepareCanvas(std::int32_t canvasWidth, std::int32_t canvasHeight) {
  Resize(canvasWidth, canvasHeight);
  platform::Display& display = platform_.display;
  std::unique_ptr<platform::Canvas> canvas = display.CreateCanvas(Ref(), canvasWidth, canvasHeight);
  if (canvas == nullptr)
    return false;
  canvas->Fill({0, 0, canvasWidth, canvasHeight}, display.MenuColour());
  platform::LockGuard guard(state_->canvasLock);
  state_->backgroundColour = kBlack;
  state_->canvas = std::move(canvas);
  state_->width = canvasWidth;
  state_->height = canvasHeight;
  ready_ = true;
  return true;
}

bool GifAnimation::Play() {
  if (!ready_)
    return false;
  if (IsAnimated()) {
    if (worker_.IsHeld() || IsAbandonedWorkerRunning())
      return false;
    state_->hook = hook_;
    // The worker's own share of the state, which it lets go of when it ends.
    auto* share = new std::shared_ptr<PlayState>(state_);
    if (!worker_.Create(&AnimationWorker, share)) {
      delete share;
      return false;
    }
    if (!worker_.Start()) {
      // A thread let go of before it started never runs its entry.
      worker_.Close();
      delete share;
    }
    return false;
  }
  if (singlePicture_ == nullptr)
    return false;
  bool drawn = false;
  {
    platform::LockGuard guard(state_->canvasLock);
    drawn = platform::RenderWhole(*singlePicture_, *state_->canvas, 0, 0, state_->width,
                                  state_->height);
  }
  if (drawn)
    Invalidate();
  return drawn;
}

void GifAnimation::Stop() {
  state_->stopRequested.store(true);
  state_->wakeEvent.Set();
  if (worker_.IsHeld()) {
    const bool ended = worker_.Wait(kStopWaitMilliseconds);
    worker_.Close();
    if (!ended) {
      // Resetting the event and the flag now would set the worker going again, and releasing
      // what it draws with would pull it from under it.
      AbandonPlayState();
      return;
    }
  }
  state_->wakeEvent.Reset();
  state_->stopRequested.store(false);
}

void GifAnimation::AbandonPlayState() {
  {
    platform::LockGuard guard(state_->controlLock);
    state_->control = nullptr;
  }
  auto fresh = std::make_shared<PlayState>(platform_.display);
  fresh->control = this;
  fresh->width = state_->width;
  fresh->height = state_->height;
  abandoned_ = state_;
  state_ = std::move(fresh);
  ready_ = false;
}

void GifAnimation::Unload() {
  Stop();
  // The screen would go on showing the old picture through a load that fails.
  const bool shown = ready_;
  singlePicture_.reset();
  {
    platform::LockGuard guard(state_->canvasLock);
    state_->frames.clear();
    state_->canvas.reset();
    state_->saveSurface.reset();
    state_->backgroundColour = kBlack;
  }
  state_->currentFrame = 0;
  stream_.Clear();
  ready_ = false;
  if (shown)
    Invalidate();
}

bool GifAnimation::IsAnimated() const {
  return stream_.IsGif() && state_->frames.size() > 1;
}

void GifAnimation::OnPaint(platform::Surface& surface) {
  if (!ready_) {
    surface.Fill({0, 0, surface.Width(), surface.Height()}, kBlack);
    return;
  }
  platform::LockGuard guard(state_->canvasLock);
  state_->canvas->CopyTo(surface, state_->width, state_->height);
}

unsigned GifAnimation::AnimationWorker(void* argument) {
  std::unique_ptr<std::shared_ptr<PlayState>> share(
      static_cast<std::shared_ptr<PlayState>*>(argument));
  RunFrames(**share);
  return 0;
}

void GifAnimation::RunFrames(PlayState& state) {
  const std::vector<GifFrame>& frames = state.frames;
  const auto count = static_cast<std::int32_t>(frames.size());
  {
    platform::LockGuard guard(state.canvasLock);
    Dispose(state, frames[static_cast<std::size_t>(state.currentFrame)]);
  }
  for (int rendered = 1; !state.stopRequested.load(); ++rendered) {
    const GifFrame& frame = frames[static_cast<std::size_t>(state.currentFrame)];
    bool drawn = false;
    {
      platform::LockGuard guard(state.canvasLock);
      if (frame.disposal == 3) {
        state.saveSurface =
            state.display.CreateCompatibleCanvas(*state.canvas, frame.width, frame.height);
        // A surface that is not the frame's size, or could not be filled, would put back
        // something that was never there: the area then stays as the frame leaves it.
        if (state.saveSurface != nullptr &&
            (state.saveSurface->Width() != frame.width ||
             state.saveSurface->Height() != frame.height ||
             !state.saveSurface->CopyFrom(*state.canvas, 0, 0, frame.width, frame.height,
                                          frame.left, frame.top))) {
          state.saveSurface.reset();
        }
      }
      drawn = platform::RenderWhole(*frame.picture, *state.canvas, frame.left, frame.top,
                                    frame.width, frame.height);
    }
    if (drawn)
      AskForRepaint(state);
    if (state.hook.rendered)
      state.hook.rendered(rendered);
    if (state.stopRequested.load())
      break;
    state.wakeEvent.Wait(state.hook.skipWaits ? 0 : FrameWaitMilliseconds(frame.delay));
    if (state.stopRequested.load())
      break;

    platform::LockGuard guard(state.canvasLock);
    Dispose(state, frame);
    if (++state.currentFrame == count) {
      state.currentFrame = 0;
      state.canvas->Fill({0, 0, state.width, state.height}, state.backgroundColour);
    }
  }
}

void GifAnimation::Dispose(PlayState& state, const GifFrame& frame) {
  if (frame.disposal == 2) {
    state.canvas->Fill({frame.left, frame.top, frame.left + frame.width, frame.top + frame.height},
                       state.backgroundColour);
  } else if (frame.disposal == 3 && state.saveSurface != nullptr) {
    state.canvas->CopyFrom(*state.saveSurface, frame.left, frame.top, frame.width, frame.height, 0,
                           0);
    state.saveSurface.reset();
  }
}

void GifAnimation::AskForRepaint(PlayState& state) {
  platform::LockGuard guard(state.controlLock);
  if (state.control != nullptr)
    state.control->Invalidate();
}

}  // namespace torvek::viewer

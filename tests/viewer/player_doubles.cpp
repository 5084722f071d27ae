#include "tests/viewer/player_doubles.h"

#include <algorithm>

namespace torvek::viewertest {
viewer::FrameHook FrameGate::Hook(std::vector<int> holds, bool skipWaits) {
  viewer::FrameHook hook;
  hook.skipWaits = skipWaits;
  hook.rendered = [this, holds = std::move(holds)](int framesRendered) {
    rendered_.store(framesRendered);
    if (framesRendered == 1)
      ++starts_;
    if (std::find(holds.begin(), holds.end(), framesRendered) == holds.end())
      return;
    released_.Reset();
    heldAt_.store(framesRendered);
    held_.Set();
    released_.Wait(platform::kWaitForever);
  };
  return hook;
}

bool FrameGate::Reached(int count) {
  return held_.Wait(10000) && heldAt_.load() == count;
}

void FrameGate::Release() {
  held_.Reset();
  released_.Set();
}

class GatedPictures::Gated : public platform::Picture {
 public:
  Gated(GatedPictures& owner, std::unique_ptr<platform::Picture> real)
      : owner_(owner), real_(std::move(real)) {
    ++owner_.live_;
  }
  ~Gated() override { --owner_.live_; }
  std::int32_t ExtentWidth() const override { return real_->ExtentWidth(); }
  std::int32_t ExtentHeight() const override { return real_->ExtentHeight(); }
  bool Render(platform::Canvas& target, int x, int y, int width, int height, std::int32_t sourceX,
              std::int32_t sourceY, std::int32_t sourceWidth, std::int32_t sourceHeight) override {
    ++owner_.renders_;
    if (!owner_.open_.Wait(0)) {
      owner_.holding_.Set();
      owner_.open_.Wait(platform::kWaitForever);
    }
    return real_->Render(target, x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight);
  }

 private:
  GatedPictures& owner_;
  std::unique_ptr<platform::Picture> real_;
};

std::unique_ptr<platform::Picture> GatedPictures::LoadOwned(platform::MemoryBlock block,
                                                            std::uint32_t size) {
  if (beforeLoad)
    beforeLoad();
  return Wrap(real_.LoadOwned(std::move(block), size));
}

std::unique_ptr<platform::Picture> GatedPictures::LoadBorrowed(platform::MemoryBlock& block,
                                                               std::uint32_t size) {
  return Wrap(real_.LoadBorrowed(block, size));
}

std::unique_ptr<platform::Picture> GatedPictures::Wrap(std::unique_ptr<platform::Picture> picture) {
  if (picture == nullptr)
    return nullptr;
  return std::make_unique<Gated>(*this, std::move(picture));
}

std::unique_ptr<platform::Canvas> FaultyDisplay::CreateCanvas(platform::WindowRef window, int width,
                                                              int height) {
  return canvasFails ? nullptr : real_.CreateCanvas(window, width, height);
}

std::unique_ptr<platform::Canvas> FaultyDisplay::CreateCompatibleCanvas(
    const platform::Canvas& like, int width, int height) {
  switch (saveSurface) {
    case SaveSurface::kNone:
      return nullptr;
    case SaveSurface::kOneByOne:
      return real_.CreateCompatibleCanvas(like, 1, 1);
    case SaveSurface::kMade:
      break;
  }
  return real_.CreateCompatibleCanvas(like, width, height);
}

}  // namespace torvek::viewertest

// A picture loader that hands every load to the platform's and adds up the time the platform's
// took, so that a benchmark of a whole load can tell its own cost from the decoder's.
#pragma once

#include <cstdint>
#include <memory>

#include "common/platform/picture.h"

namespace torvek::bench {

class TimedPictureLoader : public platform::PictureLoader {
 public:
  // `now` gives seconds on any fixed origin.
  TimedPictureLoader(platform::PictureLoader& decoder, double (*now)())
      : decoder_(decoder), now_(now) {}

  std::unique_ptr<platform::Picture> LoadOwned(platform::MemoryBlock block,
                                               std::uint32_t size) override {
    const double start = now_();
    std::unique_ptr<platform::Picture> picture = decoder_.LoadOwned(std::move(block), size);
    seconds_ += now_() - start;
    ++loads_;
    return picture;
  }
  std::unique_ptr<platform::Picture> LoadBorrowed(platform::MemoryBlock& block,
                                                  std::uint32_t size) override {
    const double start = now_();
    std::unique_ptr<platform::Picture> picture = decoder_.LoadBorrowed(block, size);
    seconds_ += now_() - start;
    ++loads_;
    return picture;
  }

  double Seconds() const { return seconds_; }
  int Loads() const { return loads_; }
  void Clear() {
    seconds_ = 0;
    loads_ = 0;
  }

 private:
  platform::PictureLoader& decoder_;
  double (*now_)();
  double seconds_ = 0;
  int loads_ = 0;
};

}  // namespace torvek::bench

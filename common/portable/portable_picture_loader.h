// The picture loader of the portable build, with the duties of OleLoadPicture: GIF streams
// through giflib (the first image, its own rectangle, its transparency), Windows bitmaps
// through stb_image, anything else refused. Every picture's size is checked against
// PictureLimits before its pixels are allocated.
#pragma once

#include <cstdint>
#include <memory>

#include "common/platform/picture.h"
#include "common/portable/picture_budget.h"

namespace torvek::portable {

class PortablePictureLoader : public platform::PictureLoader {
 public:
  explicit PortablePictureLoader(const PictureLimits& limits = {});

  std::unique_ptr<platform::Picture> LoadOwned(platform::MemoryBlock block,
                                               std::uint32_t size) override;
  std::unique_ptr<platform::Picture> LoadBorrowed(platform::MemoryBlock& block,
                                                  std::uint32_t size) override;

  // Why the last load gave no picture; kNone after one that did.
  PictureFailure LastFailure() const { return lastFailure_; }
  // Bytes held by this loader's pictures that are alive now.
  std::uint64_t LiveBytes() const { return budget_->Live(); }

 private:
  std::unique_ptr<platform::Picture> Load(platform::MemoryBlock& block, std::uint32_t size);

  PictureLimits limits_;
  std::shared_ptr<PictureBudget> budget_;
  PictureFailure lastFailure_ = PictureFailure::kNone;
};

}  // namespace torvek::portable

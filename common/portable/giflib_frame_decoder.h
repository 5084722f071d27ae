// Decodes the first image of a GIF stream (the one-frame streams of the frame splitter, or a
// whole file) with giflib into an IndexedPicture of the image's own rectangle.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "common/platform/picture.h"
#include "common/portable/picture_budget.h"

namespace torvek::portable {

// Null, with `failure` set, when the stream holds no image that can be decoded within `limits`
// and `budget`.
std::unique_ptr<platform::Picture> DecodeGifFrame(const std::uint8_t* data, std::size_t size,
                                                  const PictureLimits& limits,
                                                  const std::shared_ptr<PictureBudget>& budget,
                                                  PictureFailure& failure);

}  // namespace torvek::portable

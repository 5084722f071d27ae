// Decodes a Windows bitmap file (BMP) with stb_image into a ColourPicture. Only bitmaps: the
// decoder is built without stb_image's other formats, since Windows' picture loader reads no
// PNG either.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "common/platform/picture.h"
#include "common/portable/picture_budget.h"

namespace torvek::portable {

// Null, with `failure` set, when the data is no bitmap stb_image decodes within `limits` and
// `budget`.
std::unique_ptr<platform::Picture> DecodeBitmap(const std::uint8_t* data, std::size_t size,
                                                const PictureLimits& limits,
                                                const std::shared_ptr<PictureBudget>& budget,
                                                PictureFailure& failure);

}  // namespace torvek::portable

// Pictures decoded by the platform's picture loader: OleLoadPicture and IPicture on Windows,
// giflib (and stb_image for bitmaps) elsewhere. A one-frame GIF stream gives a picture of the
// frame's own rectangle, with its transparency; its extent is in HIMETRIC (0.01 mm).
#pragma once

#include <cstdint>
#include <memory>

#include "common/platform/canvas.h"
#include "common/platform/memory_block.h"

namespace torvek::platform {

class Picture {
 public:
  virtual ~Picture() = default;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // IPicture::get_Width and get_Height.
  virtual std::int32_t ExtentWidth() const = 0;
  virtual std::int32_t ExtentHeight() const = 0;
  // IPicture::Render with no bounds rectangle: the destination in pixels, the source in
  // HIMETRIC. The source runs bottom-up, so the whole picture drawn upright is source x 0,
  // y = extent height, width = extent width, height = minus the extent height. Scaled to the
  // destination; the transparent colour index leaves the target untouched.
  virtual bool Render(Canvas& target, int x, int y, int width, int height, std::int32_t sourceX,
                      std::int32_t sourceY, std::int32_t sourceWidth,
                      std::int32_t sourceHeight) = 0;

 protected:
  Picture() = default;
};

// The whole picture, upright, at (x, y, width, height).
inline bool RenderWhole(Picture& picture, Canvas& target, int x, int y, int width, int height) {
  return picture.Render(target, x, y, width, height, 0, picture.ExtentHeight(),
                        picture.ExtentWidth(), -picture.ExtentHeight());
}

class PictureLoader {
 public:
  virtual ~PictureLoader() = default;
  // OleLoadPicture(stream, size, FALSE, IID_IPicture) over a stream that owns `block`
  // (CreateStreamOnHGlobal with delete-on-release): the block is freed whatever happens. Null
  // when the stream cannot be made or the data is not a picture, and at once when `size` is 0
  // or more than the block holds.
  virtual std::unique_ptr<Picture> LoadOwned(MemoryBlock block, std::uint32_t size) = 0;
  // The same over a stream that only borrows `block` (and locks it while it reads); the caller
  // keeps it.
  virtual std::unique_ptr<Picture> LoadBorrowed(MemoryBlock& block, std::uint32_t size) = 0;
};

}  // namespace torvek::platform

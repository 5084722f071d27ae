#include "tools/gifinspect/standard_compositor.h"

#include <algorithm>
#include <memory>

#include "common/portable/indexed_picture.h"
#include "common/portable/portable_picture_loader.h"
#include "viewer/gif_stream.h"

namespace torvek::gifinspect {

namespace {

// The part of a frame's rectangle that lies on the canvas; empty when none does.
struct Area {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool IsEmpty() const { return left >= right || top >= bottom; }
};

Area ClipToCanvas(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
                  const RgbaImage& canvas) {
  Area area;
  area.left = static_cast<int>(std::clamp<std::int64_t>(left, 0, canvas.width));
  area.top = static_cast<int>(std::clamp<std::int64_t>(top, 0, canvas.height));
  area.right = static_cast<int>(std::clamp<std::int64_t>(left + width, 0, canvas.width));
  area.bottom = static_cast<int>(std::clamp<std::int64_t>(top + height, 0, canvas.height));
  return area;
}

std::uint8_t* PixelAt(RgbaImage& canvas, int x, int y) {
  return canvas.pixels.data() + (static_cast<std::size_t>(y) * canvas.width + x) * 4;
}

// What a frame leaves to be done before the next image is drawn.
struct PendingDisposal {
  int disposal = 0;
  Area area;
  // For disposal 3: the canvas under `area` before the frame was drawn, row by row.
  std::vector<std::uint8_t> saved;
};

std::vector<std::uint8_t> SaveArea(RgbaImage& canvas, const Area& area) {
  std::vector<std::uint8_t> saved;
  if (area.IsEmpty())
    return saved;
  const auto rowBytes = static_cast<std::size_t>(area.right - area.left) * 4;
  saved.reserve(rowBytes * static_cast<std::size_t>(area.bottom - area.top));
  for (int y = area.top; y < area.bottom; ++y) {
    const std::uint8_t* row = PixelAt(canvas, area.left, y);
    saved.insert(saved.end(), row, row + rowBytes);
  }
  return saved;
}

void Dispose(RgbaImage& canvas, const PendingDisposal& pending) {
  if (pending.area.IsEmpty())
    return;
  const auto rowBytes = static_cast<std::size_t>(pending.area.right - pending.area.left) * 4;
  for (int y = pending.area.top; y < pending.area.bottom; ++y) {
    std::uint8_t* row = PixelAt(canvas, pending.area.left, y);
    if (pending.disposal == 2)
      std::fill_n(row, rowBytes, std::uint8_t{0});
    else if (pending.disposal == 3)
      std::copy_n(pending.saved.data() + static_cast<std::size_t>(y - pending.area.top) * rowBytes,
                  rowBytes, row);
  }
}

void DrawImage(RgbaImage& canvas, const portable::IndexedImage& image, int left, int top) {
  const Area area = ClipToCanvas(left, top, image.width, image.height, canvas);
  if (area.IsEmpty())
    return;
  for (int y = area.top; y < area.bottom; ++y) {
    const std::uint8_t* indices =
        image.indices + static_cast<std::size_t>(y - top) * image.width + (area.left - left);
    std::uint8_t* out = PixelAt(canvas, area.left, y);
    for (int x = area.left; x < area.right; ++x, ++indices, out += 4) {
      const int index = *indices;
      if (index == image.transparent || index >= image.colours)
        continue;
      std::copy_n(image.table + 3 * index, 3, out);
      out[3] = 0xFF;
    }
  }
}

}  // namespace

StandardOutcome ComposeStandard(const std::uint8_t* data, std::uint32_t size, int images,
                                RgbaImage& canvas) {
  viewer::GifStream stream;
  std::int32_t screenWidth = 0;
  std::int32_t screenHeight = 0;
  if (!stream.BeginGif(data, size, screenWidth, screenHeight))
    return StandardOutcome::kNotGif;
  const auto pixels = static_cast<std::uint64_t>(screenWidth) * screenHeight;
  if (pixels == 0 || pixels > kMaxStandardScreenPixels)
    return StandardOutcome::kNoScreen;
  canvas.width = screenWidth;
  canvas.height = screenHeight;
  canvas.pixels.assign(pixels * 4, 0);

  portable::PortablePictureLoader loader;
  PendingDisposal pending;
  stream.RewindToFirstBlock();
  viewer::GifFrameValues values;
  for (int drawn = 0; drawn < images;) {
    platform::MemoryBlock frame = stream.ExtractNextFrame(values);
    if (!frame.IsValid())
      break;
    if (values.kind != viewer::GifFrameKind::kImage)
      continue;
    ++drawn;
    Dispose(canvas, pending);
    pending.disposal = values.disposal;
    pending.area = ClipToCanvas(values.left, values.top, values.width, values.height, canvas);
    pending.saved =
        values.disposal == 3 ? SaveArea(canvas, pending.area) : std::vector<std::uint8_t>();
    const std::unique_ptr<platform::Picture> picture =
        loader.LoadOwned(std::move(frame), static_cast<std::uint32_t>(values.streamSize));
    if (const auto* indexed = dynamic_cast<const portable::IndexedPicture*>(picture.get()))
      DrawImage(canvas, indexed->Image(), values.left, values.top);
  }
  return StandardOutcome::kComposed;
}

}  // namespace torvek::gifinspect

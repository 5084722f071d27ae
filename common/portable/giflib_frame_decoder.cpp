#include "common/portable/giflib_frame_decoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

#include "common/portable/indexed_picture.h"

namespace torvek::portable {

namespace {

// An LZW code has at least 2 bits and stands for at most 4096 pixels, so a byte of image data
// can give no more than 4 x 4096 pixels. A descriptor that claims more than the rest of the
// stream could fill is refused before its pixels are allocated.
constexpr std::uint64_t kMaxPixelsPerByte = 4 * 4096;

struct Reader {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  std::size_t offset = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* out, int count) {
  auto* reader = static_cast<Reader*>(gif->UserData);
  const std::size_t wanted = count > 0 ? static_cast<std::size_t>(count) : 0;
  const std::size_t given = std::min(wanted, reader->size - reader->offset);
  std::memcpy(out, reader->data + reader->offset, given);
  reader->offset += given;
  return static_cast<int>(given);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

// The transparent index of a graphic control block, or -1.
int TransparentIndexOf(const GifByteType* block) {
  GraphicsControlBlock control;
  if (block == nullptr || DGifExtensionToGCB(block[0], block + 1, &control) == GIF_ERROR)
    return -1;
  return control.TransparentColor;
}

std::unique_ptr<platform::Picture> DecodeImage(GifFileType* gif, const Reader& reader,
                                               int transparent, const PictureLimits& limits,
                                               const std::shared_ptr<PictureBudget>& budget,
                                               PictureFailure& failure) {
  failure = PictureFailure::kCorrupt;
  if (DGifGetImageDesc(gif) == GIF_ERROR)
    return nullptr;
  const GifImageDesc& image = gif->Image;
  if (image.Width <= 0 || image.Height <= 0)
    return nullptr;
  const std::uint64_t pixels = static_cast<std::uint64_t>(image.Width) * image.Height;
  if (pixels > limits.maxPicturePixels) {
    failure = PictureFailure::kTooLarge;
    return nullptr;
  }
  if (pixels > (reader.size - reader.offset) * kMaxPixelsPerByte) {
    failure = PictureFailure::kUnbacked;
    return nullptr;
  }
  const ColorMapObject* table = image.ColorMap != nullptr ? image.ColorMap : gif->SColorMap;
  const int colours = table != nullptr ? std::clamp(table->ColorCount, 0, 256) : 0;
  const std::uint64_t tableBytes = 3 * static_cast<std::uint64_t>(colours);
  BudgetShare share;
  std::unique_ptr<std::uint8_t[]> storage =
      AllocateWithin<std::uint8_t>(budget, tableBytes + pixels, share);
  if (storage == nullptr) {
    failure = PictureFailure::kOverBudget;
    return nullptr;
  }
  for (int i = 0; i < colours; ++i) {
    storage[3 * i] = table->Colors[i].Red;
    storage[3 * i + 1] = table->Colors[i].Green;
    storage[3 * i + 2] = table->Colors[i].Blue;
  }
  std::uint8_t* indices = storage.get() + tableBytes;
  // Interlaced rows arrive in four passes: every 8th row from 0, every 8th from 4, every 4th
  // from 2, every 2nd from 1.
  static constexpr int kPassStart[] = {0, 4, 2, 1};
  static constexpr int kPassStep[] = {8, 8, 4, 2};
  const int passes = image.Interlace ? 4 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    const int step = image.Interlace ? kPassStep[pass] : 1;
    for (int row = image.Interlace ? kPassStart[pass] : 0; row < image.Height; row += step) {
      GifPixelType* line = indices + static_cast<std::size_t>(row) * image.Width;
      if (DGifGetLine(gif, line, image.Width) == GIF_ERROR)
        return nullptr;
    }
  }
  failure = PictureFailure::kNone;
  return std::make_unique<IndexedPicture>(image.Width, image.Height, std::move(storage), colours,
                                          transparent, std::move(share));
}

}  // namespace

std::unique_ptr<platform::Picture> DecodeGifFrame(const std::uint8_t* data, std::size_t size,
                                                  const PictureLimits& limits,
                                                  const std::shared_ptr<PictureBudget>& budget,
                                                  PictureFailure& failure) {
  failure = PictureFailure::kCorrupt;
  Reader reader{data, size, 0};
  int error = 0;
  GifFile gif(DGifOpen(&reader, ReadBytes, &error));
  if (gif == nullptr)
    return nullptr;
  // The control block that counts is the last one before the image.
  int transparent = -1;
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR)
      return nullptr;
    if (record == IMAGE_DESC_RECORD_TYPE)
      return DecodeImage(gif.get(), reader, transparent, limits, budget, failure);
    if (record != EXTENSION_RECORD_TYPE)
      return nullptr;
    int label = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif.get(), &label, &block) == GIF_ERROR)
      return nullptr;
    if (label == GRAPHICS_EXT_FUNC_CODE)
      transparent = TransparentIndexOf(block);
    while (block != nullptr) {
      if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR)
        return nullptr;
    }
  }
}

}  // namespace torvek::portable

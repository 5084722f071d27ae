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

// The header (signature and screen descriptor) and the global colour table that start a GIF.
constexpr std::size_t kHeaderBytes = 13;

// The size in bytes of the global colour table of a stream that has its whole header.
std::size_t GlobalTableBytes(const std::uint8_t* data) {
  const std::uint8_t packed = data[10];
  return (packed & 0x80) != 0 ? std::size_t{3} << ((packed & 7) + 1) : 0;
}

// What giflib reads: the stream with its global colour table cut out and the table's flag
// cleared. giflib would read the table colour by colour into a table of its own, once for every
// one-frame stream of a recording; the decoder takes the colours from the stream itself instead.
struct Reader {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  // The screen descriptor as giflib sees it.
  std::uint8_t header[kHeaderBytes] = {};
  // The global colour table, left out of what giflib reads.
  std::size_t tableBytes = 0;
  // Bytes giflib has read.
  std::size_t offset = 0;

  Reader(const std::uint8_t* bytes, std::size_t byteCount) : data(bytes), size(byteCount) {
    if (size < kHeaderBytes)
      return;
    std::memcpy(header, data, kHeaderBytes);
    tableBytes = std::min(GlobalTableBytes(data), size - kHeaderBytes);
    header[10] &= 0x7F;
  }

  std::size_t Remaining() const { return size - tableBytes - offset; }
};

int ReadBytes(GifFileType* gif, GifByteType* out, int count) {
  auto* reader = static_cast<Reader*>(gif->UserData);
  std::size_t wanted =
      std::min(count > 0 ? static_cast<std::size_t>(count) : 0, reader->Remaining());
  const std::size_t given = wanted;
  if (reader->offset < kHeaderBytes && wanted > 0) {
    const std::size_t fromHeader = std::min(wanted, kHeaderBytes - reader->offset);
    std::memcpy(out, reader->header + reader->offset, fromHeader);
    reader->offset += fromHeader;
    out += fromHeader;
    wanted -= fromHeader;
  }
  std::memcpy(out, reader->data + reader->tableBytes + reader->offset, wanted);
  reader->offset += wanted;
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
  if (pixels > reader.Remaining() * kMaxPixelsPerByte) {
    failure = PictureFailure::kUnbacked;
    return nullptr;
  }
  const ColorMapObject* local = image.ColorMap;
  const int colours = local != nullptr ? std::clamp(local->ColorCount, 0, 256)
                                       : static_cast<int>(reader.tableBytes / 3);
  const std::uint64_t tableBytes = 3 * static_cast<std::uint64_t>(colours);
  BudgetShare share;
  std::unique_ptr<std::uint8_t[]> storage =
      AllocateWithin<std::uint8_t>(budget, tableBytes + pixels, share);
  if (storage == nullptr) {
    failure = PictureFailure::kOverBudget;
    return nullptr;
  }
  if (local == nullptr) {
    std::memcpy(storage.get(), reader.data + kHeaderBytes, tableBytes);
  } else {
    for (int i = 0; i < colours; ++i) {
      storage[3 * i] = local->Colors[i].Red;
      storage[3 * i + 1] = local->Colors[i].Green;
      storage[3 * i + 2] = local->Colors[i].Blue;
    }
  }
  std::uint8_t* indices = storage.get() + tableBytes;
  if (!image.Interlace) {
    // In one call, as DGifSlurp reads an image: each call into the LZW decoder costs.
    if (DGifGetLine(gif, indices, static_cast<int>(pixels)) == GIF_ERROR)
      return nullptr;
  } else {
    // Interlaced rows arrive in four passes: every 8th row from 0, every 8th from 4, every 4th
    // from 2, every 2nd from 1.
    static constexpr int kPassStart[] = {0, 4, 2, 1};
    static constexpr int kPassStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      for (int row = kPassStart[pass]; row < image.Height; row += kPassStep[pass]) {
        GifPixelType* line = indices + static_cast<std::size_t>(row) * image.Width;
        if (DGifGetLine(gif, line, image.Width) == GIF_ERROR)
          return nullptr;
      }
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
  // A global table cut short leaves nothing after it for giflib to read, which then fails.
  Reader reader(data, size);
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

#include "viewer/gif_stream.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace torvek::viewer {
namespace {

// Signature, version and logical screen descriptor.
constexpr std::int32_t kHeaderBytes = 13;
// The fixed parts before a block's sub-block chain. Their own size bytes are not read: the
// shipped files, like every encoder we know, write the standard sizes.
constexpr std::int64_t kApplicationHeaderBytes = 14;
constexpr std::int64_t kCommentHeaderBytes = 2;
constexpr std::int64_t kPlainTextHeaderBytes = 15;
constexpr std::int64_t kImageHeaderBytes = 11;
constexpr std::int32_t kControlBytes = 8;
constexpr std::uint8_t kTrailerByte = 0x3B;

std::int32_t ColourTableBytes(std::uint8_t packed) {
  return (packed & 0x80) != 0 ? 3 << ((packed & 7) + 1) : 0;
}

std::int32_t ReadU16(const std::uint8_t* bytes) {
  return bytes[0] | bytes[1] << 8;
}

}  // namespace

bool GifStream::BeginGif(const std::uint8_t* data, std::uint32_t dataSize,
                         std::int32_t& screenWidth, std::int32_t& screenHeight) {
  Clear();
  // The cursor is a signed 32-bit offset: data it cannot reach the end of is not walked.
  if (data == nullptr || dataSize < kHeaderBytes ||
      dataSize > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
    return false;
  }
  if (std::memcmp(data, "GIF", 3) != 0 ||
      (std::memcmp(data + 3, "87a", 3) != 0 && std::memcmp(data + 3, "89a", 3) != 0)) {
    return false;
  }
  data_ = data;
  dataSize_ = dataSize;
  isGif_ = true;
  globalTableBytes_ = ColourTableBytes(data[10]);
  screenWidth = ReadU16(data + 6);
  screenHeight = ReadU16(data + 8);
  return true;
}

void GifStream::Clear() {
  *this = GifStream();
}

void GifStream::RewindToFirstBlock() {
  cursor_ = kHeaderBytes + globalTableBytes_;
}

GifBlockKind GifStream::ClassifyBlock() const {
  if (data_ == nullptr || cursor_ < 0 || BytesLeft() < 1)
    return GifBlockKind::kUnknown;
  switch (data_[cursor_]) {
    case 0x2C:
      return GifBlockKind::kImageDescriptor;
    case kTrailerByte:
      return GifBlockKind::kTrailer;
    case 0x21:
      break;
    default:
      return GifBlockKind::kUnknown;
  }
  // A lone 0x21 as the last byte has no label to read.
  if (BytesLeft() < 2)
    return GifBlockKind::kUnknown;
  switch (data_[cursor_ + 1]) {
    case 0xFF:
      return GifBlockKind::kApplicationExtension;
    case 0xFE:
      return GifBlockKind::kCommentExtension;
    case 0xF9:
      return GifBlockKind::kControlExtension;
    case 0x01:
      return GifBlockKind::kPlainTextExtension;
    default:
      return GifBlockKind::kUnknown;
  }
}

std::int32_t GifStream::BlockLength() const {
  std::int64_t header = 0;
  switch (ClassifyBlock()) {
    case GifBlockKind::kUnknown:
      return -1;
    case GifBlockKind::kTrailer:
      return 1;
    case GifBlockKind::kControlExtension:
      return kControlBytes;
    case GifBlockKind::kApplicationExtension:
      header = kApplicationHeaderBytes;
      break;
    case GifBlockKind::kCommentExtension:
      header = kCommentHeaderBytes;
      break;
    case GifBlockKind::kPlainTextExtension:
      header = kPlainTextHeaderBytes;
      break;
    case GifBlockKind::kImageDescriptor:
      // Byte 9 says whether a local colour table follows; a descriptor cut before it does not
      // fit, whatever its length would have been.
      if (BytesLeft() < 10)
        return static_cast<std::int32_t>(BytesLeft() + 1);
      header = kImageHeaderBytes + ColourTableBytes(data_[cursor_ + 9]);
      break;
  }
  // At most one past the end, and the data is smaller than 2^31: this fits.
  return static_cast<std::int32_t>(header + ChainLength(cursor_ + header));
}

std::int64_t GifStream::ChainLength(std::int64_t offset) const {
  std::int64_t at = offset;
  while (at < dataSize_) {
    const std::uint8_t size = data_[at];
    at += size + 1;
    if (size == 0)
      return at - offset;
  }
  // The chain is not closed inside the data (or its header did not fit): it reaches one byte
  // past the end as far as anyone can tell, and a block that long is refused.
  return static_cast<std::int64_t>(dataSize_) + 1 - offset;
}

bool GifStream::SkipBlock() {
  if (data_ == nullptr)
    return false;
  const std::int32_t length = BlockLength();
  if (length <= 0 || length > BytesLeft())
    return false;
  cursor_ += length;
  return true;
}

bool GifStream::SkipFrame() {
  FrameRun run;
  return WalkFrame(run);
}

bool GifStream::WalkFrame(FrameRun& run) {
  if (data_ == nullptr)
    return false;
  // Application and comment blocks before a frame (the looping extension before the first)
  // belong to no frame.
  GifBlockKind kind = ClassifyBlock();
  while (kind == GifBlockKind::kApplicationExtension || kind == GifBlockKind::kCommentExtension) {
    if (!SkipBlock())
      return false;
    kind = ClassifyBlock();
  }
  run.start = cursor_;
  if (kind == GifBlockKind::kControlExtension) {
    run.control = cursor_;
    do {
      if (!SkipBlock())
        return false;
      kind = ClassifyBlock();
    } while (kind == GifBlockKind::kApplicationExtension ||
             kind == GifBlockKind::kCommentExtension || kind == GifBlockKind::kControlExtension);
  }
  if (kind != GifBlockKind::kImageDescriptor && kind != GifBlockKind::kPlainTextExtension)
    return false;
  run.rendering = cursor_;
  return SkipBlock();
}

platform::MemoryBlock GifStream::ExtractNextFrame(GifFrameValues& values) {
  values = GifFrameValues();
  FrameRun run;
  if (!WalkFrame(run))
    return {};
  // Every block of the run has been skipped, so each lies whole inside the data: the fixed
  // bytes read below are there. Of several control blocks the first one's values stand, where
  // most other decoders take the last one's.
  if (run.control >= 0) {
    const std::uint8_t* control = data_ + run.control;
    values.disposal = (control[3] >> 2) & 7;
    values.delay = ReadU16(control + 4);
  }
  const std::uint8_t* rendering = data_ + run.rendering;
  if (rendering[0] == 0x2C) {
    values.left = ReadU16(rendering + 1);
    values.top = ReadU16(rendering + 3);
    values.width = ReadU16(rendering + 5);
    values.height = ReadU16(rendering + 7);
  } else {
    values.kind = GifFrameKind::kText;
  }

  const std::int64_t header = kHeaderBytes + globalTableBytes_;
  const std::int64_t runBytes = cursor_ - run.start;
  const std::int64_t size = header + runBytes + 1;
  if (header > dataSize_ || size > std::numeric_limits<std::int32_t>::max())
    return {};
  platform::MemoryBlock block = platform::MemoryBlock::Allocate(
      static_cast<std::size_t>(size), platform::MemoryBlock::Kind::kFixed);
  std::uint8_t* stream = block.Lock();
  if (stream == nullptr)
    return {};
  std::memcpy(stream, data_, static_cast<std::size_t>(header));
  std::memcpy(stream + header, data_ + run.start, static_cast<std::size_t>(runBytes));
  stream[header + runBytes] = kTrailerByte;
  block.Unlock();
  values.streamSize = static_cast<std::int32_t>(size);
  return block;
}

}  // namespace torvek::viewer

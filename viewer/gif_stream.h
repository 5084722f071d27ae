// The frame splitter: reads a GIF file in memory block by block and cuts it into one-frame GIF
// streams, each the file's header and global colour table, the frame's run of blocks (its
// graphic control block through its image or plain-text block) and a trailer. It decodes no
// pixels; the platform's picture loader gets each stream whole.
//
// The data is borrowed for one load: BeginGif takes it, ReleaseData lets it go when the load
// ends, Clear forgets everything at unload. Every read is checked against the end of the data:
// a block whose fixed header or sub-block chain runs past the end is refused like any block
// that does not fit, and the walk ends there.
#pragma once

#include <cstdint>

#include "common/platform/memory_block.h"

namespace torvek::viewer {

// The kind of block at the cursor, from its first byte and, for an extension, its label.
enum class GifBlockKind : int {
  kUnknown = 0,
  kApplicationExtension = 1,  // 21 FF
  kCommentExtension = 2,      // 21 FE
  kControlExtension = 3,      // 21 F9, the graphic control block
  kPlainTextExtension = 4,    // 21 01
  kImageDescriptor = 5,       // 2C
  kTrailer = 6,               // 3B
};

// Which rendering block ends a frame's run. A plain-text frame has a run like any other but no
// image, so no picture can be made of it and it has no geometry.
enum class GifFrameKind { kImage, kText };

// What is reported with each one-frame stream.
struct GifFrameValues {
  std::int32_t streamSize = 0;
  // Hundredths of a second from the frame's first control block; -1 without one.
  std::int32_t delay = -1;
  // (packed >> 2) & 7 of that control block; 0 without one.
  std::int32_t disposal = 0;
  // From the image descriptor; all 0 for a plain-text frame.
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  GifFrameKind kind = GifFrameKind::kImage;

  bool operator==(const GifFrameValues&) const = default;
};

class GifStream {
 public:
  // Starts a load. The data is a GIF when it begins "GIF87a" or "GIF89a" and holds the whole
  // 13-byte header; then it is kept (borrowed, not copied) for the walk, IsGif is set and the
  // screen size is the raw 16-bit width and height. Anything else is not a GIF and nothing is
  // kept. A colour table that runs past the end is accepted: the walk then finds no block.
  bool BeginGif(const std::uint8_t* data, std::uint32_t dataSize, std::int32_t& screenWidth,
                std::int32_t& screenHeight);
  // The load has ended: the data goes back to its owner. IsGif and the sizes stay.
  void ReleaseData() { data_ = nullptr; }
  // Unload: back to the state of a new object.
  void Clear();

  // Sets the cursor to the first block after the header and global colour table.
  void RewindToFirstBlock();
  // The kind of the block at the cursor; kUnknown at or past the end of the data.
  GifBlockKind ClassifyBlock() const;
  // Length in bytes of the whole block at the cursor: the fixed header (14, 15, 8, or 11 plus
  // the local colour table) and the sub-block chain after it; -1 for kUnknown. A block whose
  // header or chain runs past the end of the data is given a length that does not fit.
  std::int32_t BlockLength() const;
  // Moves the cursor past the block at the cursor when that block fits in the data.
  bool SkipBlock();
  // Moves the cursor past the next frame; fails, with the cursor at the block that stopped the
  // walk, when there is none. Counting the successes counts the frames.
  bool SkipFrame();
  // Cuts the next frame's one-frame stream into a new fixed block of exactly
  // values.streamSize bytes, owned by the caller, and leaves the cursor past the frame. An
  // invalid block when there is no further frame or no memory for it.
  platform::MemoryBlock ExtractNextFrame(GifFrameValues& values);

  const std::uint8_t* Data() const { return data_; }
  std::uint32_t DataSize() const { return dataSize_; }
  std::int32_t Cursor() const { return cursor_; }
  std::int32_t GlobalTableBytes() const { return globalTableBytes_; }
  bool IsGif() const { return isGif_; }

 private:
  // Where the walk found a frame: its run starts at `start` (its first control block, or the
  // rendering block itself), `control` is that control block or -1, `rendering` the image or
  // plain-text block. The cursor is then past the rendering block.
  struct FrameRun {
    std::int32_t start = -1;
    std::int32_t control = -1;
    std::int32_t rendering = -1;
  };
  bool WalkFrame(FrameRun& run);
  // The length of the sub-block chain starting at `offset`, terminator included, or a length
  // that reaches past the end of the data when the chain is not closed before it.
  std::int64_t ChainLength(std::int64_t offset) const;
  std::int64_t BytesLeft() const { return static_cast<std::int64_t>(dataSize_) - cursor_; }

  const std::uint8_t* data_ = nullptr;
  std::uint32_t dataSize_ = 0;
  std::int32_t cursor_ = 0;
  std::int32_t globalTableBytes_ = 0;
  bool isGif_ = false;
};

}  // namespace torvek::viewer

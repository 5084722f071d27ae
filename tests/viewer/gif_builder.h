// Hand-made GIF files for the splitter's tests, block by block. The pixel data is not valid LZW
// (the splitter never decodes it), but it is laid out in real sub-blocks whose bytes differ
// from one another, so a stream cut at the wrong place does not compare equal by luck.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace torvek::viewer::testing {

class GifBuilder {
 public:
  // Header and logical screen descriptor, with a global colour table of `globalEntries`
  // colours (a power of two from 2 to 256), or none when it is 0.
  GifBuilder(int screenWidth, int screenHeight, int globalEntries = 256,
             std::string_view version = "GIF89a");

  GifBuilder& Looping();  // the NETSCAPE2.0 application extension
  GifBuilder& Comment(std::string_view text);
  GifBuilder& Control(int delay, int disposal, int transparentIndex = 0);
  // An image descriptor, an optional local colour table and `dataBytes` bytes of "pixel data"
  // in sub-blocks of at most 255 bytes.
  GifBuilder& Image(int left, int top, int width, int height, int dataBytes = 40,
                    int localEntries = 0);
  GifBuilder& PlainText(std::string_view text);
  GifBuilder& Trailer();
  GifBuilder& Raw(std::initializer_list<std::uint8_t> bytes);

  std::size_t size() const { return bytes_.size(); }
  std::size_t HeaderBytes() const { return headerBytes_; }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  // The first `size` bytes, as a file cut off there.
  std::vector<std::uint8_t> Cut(std::size_t size) const;
  // The one-frame stream of the run [begin, end): header and global table, run, trailer.
  std::vector<std::uint8_t> Stream(std::size_t begin, std::size_t end) const;

 private:
  void U16(int value);
  void SubBlocks(std::size_t count);

  std::vector<std::uint8_t> bytes_;
  std::size_t headerBytes_ = 0;
  std::uint8_t next_ = 1;
};

}  // namespace torvek::viewer::testing

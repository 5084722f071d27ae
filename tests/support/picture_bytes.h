// Small GIF and BMP files made byte by byte, so that both builds test with the same data (the
// Windows build has no encoder at hand).
//
// GifBuilder writes a GIF block by block. Image() fills a frame with pixel data that is no valid
// LZW (the splitter never decodes it), in real sub-blocks of bytes that never repeat soon and are
// never 0, so that a stream cut at the wrong place, or a chain walked wrongly, does not come out
// right by luck. ImagePixels() writes colour indices as LZW that any decoder reads.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform/surface.h"

namespace torvek::testing {

using Bytes = std::vector<std::uint8_t>;
using Colours = std::vector<platform::Colour>;

// An image's pixel data as a GIF stores it: the minimum code size, then `indices` (rows from the
// top, reordered into the interlace's passes when `interlaced`) as LZW of literal codes only, with
// a clear code often enough that the code size never grows, in sub-blocks, and the terminator.
void PutLiteralLzw(Bytes& out, const Bytes& indices, int width, bool interlaced,
                   int minimumCodeSize);

// A 24-bit bitmap file of `width` x `height`, `pixels` row by row from the top.
Bytes BuildBmp(int width, int height, const Colours& pixels);

class GifBuilder {
 public:
  // A global colour table of `colours` entries (a power of two), none for 0. Its entries are
  // grey 0x55 until Colour() or Table() sets them.
  GifBuilder(int width, int height, int colours = 256, std::string_view version = "GIF89a")
      : bytes_(version.begin(), version.end()), globalColours_(colours) {
    U16(width), U16(height), Raw({static_cast<std::uint8_t>(TableFlags(colours) | 0x70), 0, 0});
    bytes_.resize(13 + TableBytes(colours), 0x55);
    header_ = bytes_.size();
  }
  GifBuilder& Colour(int index, platform::Colour colour) {
    const std::size_t at = 13 + 3 * static_cast<std::size_t>(index);
    bytes_[at] = platform::RedOf(colour), bytes_[at + 1] = platform::GreenOf(colour),
    bytes_[at + 2] = platform::BlueOf(colour);
    return *this;
  }
  // The global table's first entries.
  GifBuilder& Table(const Colours& colours) {
    for (std::size_t i = 0; i < colours.size(); ++i)
      Colour(static_cast<int>(i), colours[i]);
    return *this;
  }
  GifBuilder& Looping() { return Raw({0x21, 0xFF, 11}).Text("NETSCAPE2.0").Raw({3, 1, 0, 0, 0}); }
  GifBuilder& Comment(std::string_view text) { return Raw({0x21, 0xFE}).Chain(text); }
  // A graphic control block; `transparent` is the transparent colour index, or -1 for none.
  GifBuilder& Control(int delay, int disposal, int transparent = 0xFF) {
    const bool flagged = transparent >= 0;
    Raw({0x21, 0xF9, 4, static_cast<std::uint8_t>(disposal << 2 | (flagged ? 1 : 0))}), U16(delay);
    return Raw({static_cast<std::uint8_t>(flagged ? transparent : 0), 0});
  }
  GifBuilder& PlainText(std::string_view text) {
    return Raw({0x21, 0x01, 12, 0, 0, 0, 0, 80, 0, 16, 0, 8, 16, 1, 0}).Chain(text);
  }
  // With a local table of `colours` entries (grey 0x66) when `colours` is not 0.
  GifBuilder& Image(int left, int top, int width, int height, int pixelBytes = 40,
                    int colours = 0) {
    Descriptor(left, top, width, height, colours, false);
    bytes_.resize(bytes_.size() + TableBytes(colours), 0x66);
    Raw({8});
    std::string pixels;
    for (int i = 0; i < pixelBytes; ++i)
      pixels.push_back(static_cast<char>(1 + (bytes_.size() + i) % 251));
    return Chain(pixels);
  }
  // An image of `indices`, row by row, `width` x `height` of them, with `local` as its own
  // table (padded with black to a power of two) when it is not empty.
  GifBuilder& ImagePixels(int left, int top, int width, int height, const Bytes& indices,
                          const Colours& local = {}, bool interlaced = false) {
    int colours = local.empty() ? 0 : 2;
    while (colours < static_cast<int>(local.size()))
      colours *= 2;
    Descriptor(left, top, width, height, colours, interlaced);
    for (int i = 0; i < colours; ++i) {
      const platform::Colour c = i < static_cast<int>(local.size()) ? local[i] : 0;
      Raw({platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c)});
    }
    // Wide enough for the table and for every index, past the table's end too.
    const int highest = indices.empty() ? 0 : *std::max_element(indices.begin(), indices.end());
    const int needed = std::max(colours > 0 ? colours : globalColours_, highest + 1);
    int codeSize = 2;
    while ((1 << codeSize) < needed)
      ++codeSize;
    PutLiteralLzw(bytes_, indices, width, interlaced, codeSize);
    return *this;
  }
  GifBuilder& Trailer() { return Raw({0x3B}); }
  GifBuilder& Raw(std::initializer_list<std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes);
    return *this;
  }

  std::size_t size() const { return bytes_.size(); }
  std::size_t header() const { return header_; }
  const Bytes& bytes() const { return bytes_; }
  Bytes Cut(std::size_t size) const { return Bytes(bytes_.begin(), bytes_.begin() + size); }
  // Header and global table, the run [begin, end), trailer.
  Bytes Stream(std::size_t begin, std::size_t end) const {
    Bytes stream(bytes_.begin(), bytes_.begin() + header_);
    stream.insert(stream.end(), bytes_.begin() + begin, bytes_.begin() + end);
    stream.push_back(0x3B);
    return stream;
  }

 private:
  static std::uint8_t TableFlags(int colours) {
    int exponent = 0;
    while ((2 << exponent) < colours)
      ++exponent;
    return static_cast<std::uint8_t>(colours > 0 ? 0x80 | exponent : 0);
  }
  static std::size_t TableBytes(int colours) { return colours > 0 ? 3 * std::max(colours, 2) : 0; }
  void Descriptor(int left, int top, int width, int height, int colours, bool interlaced) {
    Raw({0x2C}), U16(left), U16(top), U16(width), U16(height);
    Raw({static_cast<std::uint8_t>(TableFlags(colours) | (interlaced ? 0x40 : 0))});
  }
  GifBuilder& Text(std::string_view text) {
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    return *this;
  }
  GifBuilder& Chain(std::string_view data) {
    for (std::size_t at = 0; at < data.size(); at += 255) {
      const std::string_view part = data.substr(at, 255);
      Raw({static_cast<std::uint8_t>(part.size())}).Text(part);
    }
    return Raw({0});
  }
  void U16(int value) {
    Raw({static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)});
  }

  Bytes bytes_;
  std::size_t header_ = 0;
  int globalColours_ = 0;
};

}  // namespace torvek::testing

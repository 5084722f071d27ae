// Hand-made GIF files, block by block, for the viewer's tests.
//
// Image() fills a frame with pixel data that is no valid LZW (the splitter never decodes it),
// in real sub-blocks of bytes that never repeat soon and are never 0, so that a stream cut at
// the wrong place, or a chain walked wrongly, does not come out right by luck. ImagePixels()
// writes the given colour indices as LZW that any decoder reads, for the player's cases.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/picture_bytes.h"

namespace torvek::viewertest {

using Bytes = std::vector<std::uint8_t>;

class GifBuilder {
 public:
  // A global colour table of `colours` entries (a power of two), none for 0. Its entries are
  // grey 0x55 until Colour() sets them.
  GifBuilder(int width, int height, int colours = 256, std::string_view version = "GIF89a")
      : bytes_(version.begin(), version.end()), globalColours_(colours) {
    U16(width), U16(height), Raw({static_cast<std::uint8_t>(Table(colours) | 0x70), 0, 0});
    bytes_.resize(13 + TableBytes(colours), 0x55);
    header_ = bytes_.size();
  }
  // Sets entry `index` of the global colour table.
  GifBuilder& Colour(int index, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const std::size_t at = 13 + 3 * static_cast<std::size_t>(index);
    bytes_[at] = red, bytes_[at + 1] = green, bytes_[at + 2] = blue;
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
  GifBuilder& Image(int left, int top, int width, int height, int pixelBytes = 40,
                    int colours = 0) {
    Descriptor(left, top, width, height, colours);
    Raw({8});
    std::string pixels;
    for (int i = 0; i < pixelBytes; ++i)
      pixels.push_back(static_cast<char>(1 + (bytes_.size() + i) % 251));
    return Chain(pixels);
  }
  // An image of `indices`, row by row, `width` x `height` of them; with a local colour table
  // of `colours` entries (grey 0x66) when `colours` is not 0.
  GifBuilder& ImagePixels(int left, int top, int width, int height, const Bytes& indices,
                          int colours = 0) {
    Descriptor(left, top, width, height, colours);
    const int tableColours = colours > 0 ? colours : globalColours_;
    int codeSize = 2;
    while ((1 << codeSize) < tableColours)
      ++codeSize;
    testing::PutLiteralLzw(bytes_, indices, codeSize);
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
  static std::uint8_t Table(int colours) {
    int exponent = 0;
    while ((2 << exponent) < colours)
      ++exponent;
    return static_cast<std::uint8_t>(colours > 0 ? 0x80 | exponent : 0);
  }
  static std::size_t TableBytes(int colours) { return colours > 0 ? 3 * std::max(colours, 2) : 0; }
  void Descriptor(int left, int top, int width, int height, int colours) {
    Raw({0x2C}), U16(left), U16(top), U16(width), U16(height), Raw({Table(colours)});
    bytes_.resize(bytes_.size() + TableBytes(colours), 0x66);
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

}  // namespace torvek::viewertest

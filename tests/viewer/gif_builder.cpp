#include "tests/viewer/gif_builder.h"

#include <algorithm>

namespace torvek::viewer::testing {
namespace {

int TableExponent(int entries) {
  int exponent = 0;
  while ((2 << exponent) < entries)
    ++exponent;
  return exponent;
}

}  // namespace

GifBuilder::GifBuilder(int screenWidth, int screenHeight, int globalEntries,
                       std::string_view version) {
  bytes_.assign(version.begin(), version.end());
  U16(screenWidth);
  U16(screenHeight);
  const int exponent = TableExponent(globalEntries);
  bytes_.push_back(globalEntries > 0 ? static_cast<std::uint8_t>(0xF0 | exponent) : 0x70);
  bytes_.push_back(0);  // background index
  bytes_.push_back(0);  // aspect
  for (int i = 0; globalEntries > 0 && i < 3 * (2 << exponent); ++i)
    bytes_.push_back(static_cast<std::uint8_t>(i * 7));
  headerBytes_ = bytes_.size();
}

GifBuilder& GifBuilder::Looping() {
  Raw({0x21, 0xFF, 0x0B});
  for (const char c : std::string_view("NETSCAPE2.0"))
    bytes_.push_back(static_cast<std::uint8_t>(c));
  return Raw({0x03, 0x01, 0x00, 0x00, 0x00});
}

GifBuilder& GifBuilder::Comment(std::string_view text) {
  Raw({0x21, 0xFE});
  if (!text.empty()) {
    bytes_.push_back(static_cast<std::uint8_t>(text.size()));
    bytes_.insert(bytes_.end(), text.begin(), text.end());
  }
  return Raw({0x00});
}

GifBuilder& GifBuilder::Control(int delay, int disposal, int transparentIndex) {
  Raw({0x21, 0xF9, 0x04, static_cast<std::uint8_t>(disposal << 2 | 1)});
  U16(delay);
  return Raw({static_cast<std::uint8_t>(transparentIndex), 0x00});
}

GifBuilder& GifBuilder::Image(int left, int top, int width, int height, int dataBytes,
                              int localEntries) {
  bytes_.push_back(0x2C);
  U16(left);
  U16(top);
  U16(width);
  U16(height);
  const int exponent = TableExponent(localEntries);
  bytes_.push_back(localEntries > 0 ? static_cast<std::uint8_t>(0x80 | exponent) : 0);
  for (int i = 0; localEntries > 0 && i < 3 * (2 << exponent); ++i)
    bytes_.push_back(0xEE);
  bytes_.push_back(8);  // LZW minimum code size
  SubBlocks(static_cast<std::size_t>(dataBytes));
  return *this;
}

GifBuilder& GifBuilder::PlainText(std::string_view text) {
  // Grid at (0, 0), 80 x 16 cells of 8 x 16, colours 1 on 0.
  Raw({0x21, 0x01, 0x0C, 0, 0, 0, 0, 80, 0, 16, 0, 8, 16, 1, 0});
  Raw({static_cast<std::uint8_t>(text.size())});
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  return Raw({0x00});
}

GifBuilder& GifBuilder::Trailer() {
  return Raw({0x3B});
}

GifBuilder& GifBuilder::Raw(std::initializer_list<std::uint8_t> bytes) {
  bytes_.insert(bytes_.end(), bytes);
  return *this;
}

std::vector<std::uint8_t> GifBuilder::Cut(std::size_t size) const {
  return {bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(size)};
}

std::vector<std::uint8_t> GifBuilder::Stream(std::size_t begin, std::size_t end) const {
  std::vector<std::uint8_t> stream(bytes_.begin(),
                                   bytes_.begin() + static_cast<std::ptrdiff_t>(headerBytes_));
  stream.insert(stream.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(begin),
                bytes_.begin() + static_cast<std::ptrdiff_t>(end));
  stream.push_back(0x3B);
  return stream;
}

void GifBuilder::U16(int value) {
  bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
  bytes_.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
}

void GifBuilder::SubBlocks(std::size_t count) {
  while (count > 0) {
    const std::size_t size = std::min<std::size_t>(count, 255);
    bytes_.push_back(static_cast<std::uint8_t>(size));
    for (std::size_t i = 0; i < size; ++i) {
      // Never 0: a stray terminator inside the data would hide a chain walked wrongly.
      bytes_.push_back(next_);
      next_ = next_ == 255 ? 1 : static_cast<std::uint8_t>(next_ + 1);
    }
    count -= size;
  }
  bytes_.push_back(0x00);
}

}  // namespace torvek::viewer::testing

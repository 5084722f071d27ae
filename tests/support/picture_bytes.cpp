#include "tests/support/picture_bytes.h"

#include <algorithm>

namespace torvek::testing {

namespace {

void Put16(std::vector<std::uint8_t>& out, int value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, static_cast<int>(value & 0xFFFF));
  Put16(out, static_cast<int>(value >> 16));
}

// Bits to hold `count` values, at least 1.
int BitsFor(std::size_t count) {
  int bits = 1;
  while ((std::size_t{1} << bits) < count)
    ++bits;
  return bits;
}

// The packed field's size bits and the table, padded with black to a power of two.
int PutTable(std::vector<std::uint8_t>& out, const std::vector<platform::Colour>& table) {
  const int bits = BitsFor(std::max<std::size_t>(table.size(), 2));
  for (std::size_t i = 0; i < (std::size_t{1} << bits); ++i) {
    const platform::Colour colour = i < table.size() ? table[i] : 0;
    out.push_back(platform::RedOf(colour));
    out.push_back(platform::GreenOf(colour));
    out.push_back(platform::BlueOf(colour));
  }
  return bits - 1;
}

class BitWriter {
 public:
  void Put(int code, int width) {
    for (int bit = 0; bit < width; ++bit) {
      if (used_ == 0)
        bytes_.push_back(0);
      if ((code >> bit) & 1)
        bytes_.back() |= static_cast<std::uint8_t>(1 << used_);
      used_ = (used_ + 1) % 8;
    }
  }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  int used_ = 0;
};

std::vector<std::uint8_t> StoredOrder(const GifImageSpec& image) {
  std::vector<int> rows;
  if (image.interlaced) {
    for (const auto& [start, step] :
         {std::pair{0, 8}, std::pair{4, 8}, std::pair{2, 4}, std::pair{1, 2}}) {
      for (int row = start; row < image.height; row += step)
        rows.push_back(row);
    }
  } else {
    for (int row = 0; row < image.height; ++row)
      rows.push_back(row);
  }
  std::vector<std::uint8_t> stored;
  for (const int row : rows) {
    const auto first = image.indices.begin() + static_cast<std::ptrdiff_t>(row) * image.width;
    stored.insert(stored.end(), first, first + image.width);
  }
  return stored;
}

}  // namespace

void PutLiteralLzw(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& indices,
                   int minimumCodeSize) {
  const int clear = 1 << minimumCodeSize;
  const int width = minimumCodeSize + 1;
  // After a clear code the first code adds no table entry and each later one adds one; the
  // code size would grow at entry 2^(minimum+1) - 1.
  const int codesPerClear = clear - 3 > 0 ? clear - 3 : 1;
  BitWriter bits;
  int sinceClear = codesPerClear;
  for (const std::uint8_t index : indices) {
    if (sinceClear == codesPerClear) {
      bits.Put(clear, width);
      sinceClear = 0;
    }
    bits.Put(index, width);
    ++sinceClear;
  }
  bits.Put(clear + 1, width);
  out.push_back(static_cast<std::uint8_t>(minimumCodeSize));
  const std::vector<std::uint8_t>& data = bits.Bytes();
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t count = std::min<std::size_t>(255, data.size() - at);
    out.push_back(static_cast<std::uint8_t>(count));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
               data.begin() + static_cast<std::ptrdiff_t>(at + count));
  }
  out.push_back(0);
}

std::vector<std::uint8_t> BuildGif(const GifSpec& spec) {
  const char* signature = spec.gif87a ? "GIF87a" : "GIF89a";
  std::vector<std::uint8_t> out(signature, signature + 6);
  Put16(out, spec.screenWidth);
  Put16(out, spec.screenHeight);
  std::vector<std::uint8_t> table;
  const bool global = !spec.globalTable.empty();
  const int globalBits = global ? PutTable(table, spec.globalTable) : 0;
  out.push_back(static_cast<std::uint8_t>(global ? 0x80 | 0x70 | globalBits : 0));
  out.push_back(0);  // background index
  out.push_back(0);  // aspect
  out.insert(out.end(), table.begin(), table.end());

  const GifImageSpec& image = spec.image;
  if (image.transparent >= 0) {
    out.insert(out.end(),
               {0x21, 0xF9, 4, 1, 0, 0, static_cast<std::uint8_t>(image.transparent), 0});
  }
  out.push_back(0x2C);
  Put16(out, image.left);
  Put16(out, image.top);
  Put16(out, image.width);
  Put16(out, image.height);
  table.clear();
  const bool local = !image.localTable.empty();
  const int localBits = local ? PutTable(table, image.localTable) : 0;
  out.push_back(
      static_cast<std::uint8_t>((local ? 0x80 | localBits : 0) | (image.interlaced ? 0x40 : 0)));
  out.insert(out.end(), table.begin(), table.end());
  const std::uint8_t highest =
      image.indices.empty() ? 0 : *std::max_element(image.indices.begin(), image.indices.end());
  const int tableBits = (local ? localBits : global ? globalBits : 0) + 1;
  PutLiteralLzw(out, StoredOrder(image),
                std::max({2, tableBits, BitsFor(std::size_t{highest} + 1)}));
  out.push_back(0x3B);
  return out;
}

std::vector<std::uint8_t> BuildBmp(int width, int height,
                                   const std::vector<platform::Colour>& pixels) {
  const int stride = (width * 3 + 3) / 4 * 4;
  const auto imageBytes = static_cast<std::uint32_t>(stride * height);
  std::vector<std::uint8_t> out{'B', 'M'};
  Put32(out, 54 + imageBytes);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));  // positive: rows from the bottom
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // BI_RGB
  Put32(out, imageBytes);
  Put32(out, 3780);  // 96 dots per inch
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
  for (int row = height - 1; row >= 0; --row) {
    for (int column = 0; column < width; ++column) {
      const platform::Colour colour = pixels[static_cast<std::size_t>(row) * width + column];
      out.push_back(platform::BlueOf(colour));
      out.push_back(platform::GreenOf(colour));
      out.push_back(platform::RedOf(colour));
    }
    out.insert(out.end(), static_cast<std::size_t>(stride - width * 3), 0);
  }
  return out;
}

}  // namespace torvek::testing

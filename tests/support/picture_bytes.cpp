#include "tests/support/picture_bytes.h"

namespace torvek::testing {

namespace {

void Put16(Bytes& out, int value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, static_cast<int>(value & 0xFFFF));
  Put16(out, static_cast<int>(value >> 16));
}

}  // namespace

void PutLiteralLzw(Bytes& out, const Bytes& indices, int width, bool interlaced,
                   int minimumCodeSize) {
  const int height = width > 0 ? static_cast<int>(indices.size()) / width : 0;
  std::vector<int> rows;
  for (const auto& [start, step] :
       interlaced ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                  : std::vector<std::pair<int, int>>{{0, 1}}) {
    for (int row = start; row < height; row += step)
      rows.push_back(row);
  }
  const int clear = 1 << minimumCodeSize;
  const int codeWidth = minimumCodeSize + 1;
  // After a clear code the first code adds no table entry and each later one adds one; the
  // code size would grow at entry 2^(minimum+1) - 1.
  const int codesPerClear = clear - 3 > 0 ? clear - 3 : 1;
  Bytes data;
  int used = 0;
  const auto put = [&](int code) {
    for (int bit = 0; bit < codeWidth; ++bit, used = (used + 1) % 8) {
      if (used == 0)
        data.push_back(0);
      data.back() |= static_cast<std::uint8_t>(((code >> bit) & 1) << used);
    }
  };
  int sinceClear = codesPerClear;
  for (const int row : rows) {
    for (int column = 0; column < width; ++column) {
      if (sinceClear == codesPerClear)
        put(clear), sinceClear = 0;
      put(indices[static_cast<std::size_t>(row) * width + column]);
      ++sinceClear;
    }
  }
  put(clear + 1);
  out.push_back(static_cast<std::uint8_t>(minimumCodeSize));
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t count = std::min<std::size_t>(255, data.size() - at);
    out.push_back(static_cast<std::uint8_t>(count));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
               data.begin() + static_cast<std::ptrdiff_t>(at + count));
  }
  out.push_back(0);
}

Bytes BuildBmp(int width, int height, const Colours& pixels) {
  const int stride = (width * 3 + 3) / 4 * 4;
  const auto imageBytes = static_cast<std::uint32_t>(stride * height);
  Bytes out{'B', 'M'};
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
      out.insert(out.end(),
                 {platform::BlueOf(colour), platform::GreenOf(colour), platform::RedOf(colour)});
    }
    out.insert(out.end(), static_cast<std::size_t>(stride - width * 3), 0);
  }
  return out;
}

}  // namespace torvek::testing

// A GIF in memory read whole by giflib, for the generator's and the demonstrations' tests: a
// decoder that is not the viewer's own.
#pragma once

#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace torvek::viewertest {

class GiflibRead {
 public:
  explicit GiflibRead(const std::vector<std::uint8_t>& bytes)
      : source_(bytes.data(), bytes.size()) {
    int error = 0;
    gif_ = DGifOpen(&source_, Read, &error);
    read_ = gif_ != nullptr && DGifSlurp(gif_) == GIF_OK;
  }
  ~GiflibRead() {
    int error = 0;
    if (gif_ != nullptr)
      DGifCloseFile(gif_, &error);
  }
  GiflibRead(const GiflibRead&) = delete;
  GiflibRead& operator=(const GiflibRead&) = delete;

  // Whether giflib read every block up to the trailer.
  bool Whole() const { return read_; }
  // Bytes after the trailer.
  std::size_t Left() const { return source_.second; }
  const GifFileType* operator->() const { return gif_; }

 private:
  static int Read(GifFileType* gif, GifByteType* out, int length) {
    auto* source = static_cast<std::pair<const std::uint8_t*, std::size_t>*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(length), source->second);
    std::memcpy(out, source->first, n);
    source->first += n;
    source->second -= n;
    return static_cast<int>(n);
  }

  std::pair<const std::uint8_t*, std::size_t> source_;
  GifFileType* gif_ = nullptr;
  bool read_ = false;
};

}  // namespace torvek::viewertest

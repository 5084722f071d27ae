#include "bench/giflib_slurp.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

namespace torvek::bench {

namespace {

struct Reader {
  const std::vector<std::uint8_t>* data;
  std::size_t offset;
};

int ReadBytes(GifFileType* gif, GifByteType* out, int count) {
  auto* reader = static_cast<Reader*>(gif->UserData);
  const std::size_t given =
      std::min(static_cast<std::size_t>(count), reader->data->size() - reader->offset);
  std::memcpy(out, reader->data->data() + reader->offset, given);
  reader->offset += given;
  return static_cast<int>(given);
}

}  // namespace

int SlurpGif(const std::vector<std::uint8_t>& file) {
  Reader reader{&file, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&reader, ReadBytes, &error);
  if (gif == nullptr)
    return -1;
  const int images = DGifSlurp(gif) == GIF_OK ? gif->ImageCount : -1;
  DGifCloseFile(gif, &error);
  return images;
}

}  // namespace torvek::bench

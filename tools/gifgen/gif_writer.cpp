#include "tools/gifgen/gif_writer.h"

#include <gif_lib.h>

#include <string>

namespace torvek::gifgen {

namespace {

constexpr int kDisposalLeaveInPlace = 1;

int AppendOutput(GifFileType* file, const GifByteType* data, int length) {
  auto* bytes = static_cast<std::vector<std::uint8_t>*>(file->UserData);
  bytes->insert(bytes->end(), data, data + length);
  return length;
}

}  // namespace

struct GifWriter::Encoder {
  GifFileType* file = nullptr;
  ~Encoder() {
    if (file != nullptr)
      EGifCloseFile(file, nullptr);
  }
};

GifWriter::GifWriter() = default;
GifWriter::~GifWriter() = default;

bool GifWriter::Begin(int width, int height, const Palette& palette, std::string_view comment) {
  bytes_.clear();
  encoder_ = std::make_unique<Encoder>();
  int error = 0;
  encoder_->file = EGifOpen(&bytes_, AppendOutput, &error);
  if (encoder_->file == nullptr)
    return false;
  EGifSetGifVersion(encoder_->file, true);

  GifColorType colours[256];
  for (int i = 0; i < 256; ++i)
    colours[i] = {palette[i].red, palette[i].green, palette[i].blue};
  ColorMapObject* map = GifMakeMapObject(256, colours);
  if (map == nullptr)
    return false;
  const bool described = EGifPutScreenDesc(encoder_->file, width, height, 8, 0, map) == GIF_OK;
  GifFreeMapObject(map);
  if (!described)
    return false;

  // Loop for ever: sub-block 1, count 0.
  const GifByteType identifier[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  const GifByteType loop[] = {1, 0, 0};
  const std::string text(comment);
  return EGifPutExtensionLeader(encoder_->file, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(encoder_->file, sizeof identifier, identifier) == GIF_OK &&
         EGifPutExtensionBlock(encoder_->file, sizeof loop, loop) == GIF_OK &&
         EGifPutExtensionTrailer(encoder_->file) == GIF_OK &&
         EGifPutComment(encoder_->file, text.c_str()) == GIF_OK;
}

bool GifWriter::AddFrame(const Rect& area, std::vector<std::uint8_t>& pixels) {
  if (encoder_ == nullptr || encoder_->file == nullptr || area.Empty() ||
      pixels.size() != static_cast<std::size_t>(area.Width()) * area.Height())
    return false;
  GraphicsControlBlock control{};
  control.DisposalMode = kDisposalLeaveInPlace;
  control.UserInputFlag = false;
  control.DelayTime = 0;
  control.TransparentColor = kTransparent;
  GifByteType block[4];
  const size_t length = EGifGCBToExtension(&control, block);
  return EGifPutExtension(encoder_->file, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length),
                          block) == GIF_OK &&
         EGifPutImageDesc(encoder_->file, area.left, area.top, area.Width(), area.Height(), false,
                          nullptr) == GIF_OK &&
         EGifPutLine(encoder_->file, pixels.data(), static_cast<int>(pixels.size())) == GIF_OK;
}

bool GifWriter::Finish() {
  if (encoder_ == nullptr || encoder_->file == nullptr)
    return false;
  int error = 0;
  const bool closed = EGifCloseFile(encoder_->file, &error) == GIF_OK;
  encoder_->file = nullptr;
  encoder_.reset();
  return closed;
}

}  // namespace torvek::gifgen

#include <windows.h>

#include <ole2.h>
#include <olectl.h>

#include "common/win32/gdi_canvas.h"
#include "common/win32/ole_picture_loader.h"

namespace torvek::win32 {

namespace {

class OlePicture : public platform::Picture {
 public:
  explicit OlePicture(IPicture* picture) : picture_(picture) {}
  ~OlePicture() override { picture_->Release(); }

  std::int32_t ExtentWidth() const override {
    OLE_XSIZE_HIMETRIC width = 0;
    return SUCCEEDED(picture_->get_Width(&width)) ? width : 0;
  }
  std::int32_t ExtentHeight() const override {
    OLE_YSIZE_HIMETRIC height = 0;
    return SUCCEEDED(picture_->get_Height(&height)) ? height : 0;
  }
  bool Render(platform::Canvas& target, int x, int y, int width, int height, std::int32_t sourceX,
              std::int32_t sourceY, std::int32_t sourceWidth, std::int32_t sourceHeight) override {
    auto* canvas = dynamic_cast<GdiCanvas*>(&target);
    if (canvas == nullptr)
      return false;
    return SUCCEEDED(picture_->Render(reinterpret_cast<HDC>(canvas->DeviceContext()), x, y, width,
                                      height, sourceX, sourceY, sourceWidth, sourceHeight,
                                      nullptr));
  }

 private:
  IPicture* picture_;
};

// OleLoadPicture over a stream on `block`, which the stream frees when `owned`.
std::unique_ptr<platform::Picture> Load(platform::MemoryBlock& block, std::uint32_t size,
                                        bool owned) {
  // CreateStreamOnHGlobal would make a fresh block of its own for a null handle.
  if (!block.IsValid() || size == 0 || size > block.Size())
    return nullptr;
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(reinterpret_cast<HGLOBAL>(block.Handle()), owned, &stream)))
    return nullptr;
  if (owned)
    block.Release();
  IPicture* picture = nullptr;
  const HRESULT result = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                        reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(result) || picture == nullptr)
    return nullptr;
  return std::make_unique<OlePicture>(picture);
}

}  // namespace

std::unique_ptr<platform::Picture> OlePictureLoader::LoadOwned(platform::MemoryBlock block,
                                                               std::uint32_t size) {
  return Load(block, size, true);
}

std::unique_ptr<platform::Picture> OlePictureLoader::LoadBorrowed(platform::MemoryBlock& block,
                                                                  std::uint32_t size) {
  return Load(block, size, false);
}

}  // namespace torvek::win32

// The picture loader of the Windows build: OleLoadPicture over a stream on global memory, and
// IPicture. COM must be initialised on the thread that loads (OleSession, at the program's
// entry point); rendering needs nothing of the kind.
#pragma once

#include "common/platform/picture.h"

namespace torvek::win32 {

class OlePictureLoader : public platform::PictureLoader {
 public:
  std::unique_ptr<platform::Picture> LoadOwned(platform::MemoryBlock block,
                                               std::uint32_t size) override;
  std::unique_ptr<platform::Picture> LoadBorrowed(platform::MemoryBlock& block,
                                                  std::uint32_t size) override;
};

}  // namespace torvek::win32

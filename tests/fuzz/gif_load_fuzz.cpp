// Fuzz target: untrusted bytes through the viewer's whole load (the frame splitter, then the
// portable picture loader on every frame, or on the whole data when it is no animation), then
// a few frames of the player, held by its hook, and the paint's copy of the canvas. Built with
// libFuzzer by tools/fuzz.sh, and behind a plain main for the test that replays the corpus.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "common/platform/manual_reset_event.h"
#include "common/platform/memory_block.h"
#include "common/platform/surface.h"
#include "common/portable/embedded_resources.h"
#include "common/portable/memory_display.h"
#include "common/portable/portable_picture_loader.h"
#include "tests/fuzz/fuzz_target.h"
#include "viewer/gif_animation.h"

namespace {

using torvek::platform::ManualResetEvent;
using torvek::platform::MemoryBlock;

// Enough to end a pass of a two-frame animation and start the next.
constexpr int kFramesPlayed = 5;
// The control's size; frames are still decoded whole.
constexpr int kControlSide = 256;
// Far beyond what five frames without waits take: a worker that has not reached them is hung.
constexpr std::uint32_t kPlayBoundMilliseconds = 10000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > std::numeric_limits<std::uint32_t>::max())
    return 0;
  torvek::portable::MemoryDisplay display;
  torvek::portable::PortablePictureLoader pictures;
  torvek::portable::EmbeddedResources noResources({});
  torvek::viewer::GifAnimation animation({noResources, pictures, display});
  animation.maxWidth = kControlSide;
  animation.maxHeight = kControlSide;

  MemoryBlock block = MemoryBlock::Allocate(size, MemoryBlock::Kind::kMoveable);
  std::uint8_t* bytes = block.Lock();
  if (bytes == nullptr)
    return 0;
  std::memcpy(bytes, data, size);
  block.Unlock();
  if (!animation.LoadFromMemory(block, static_cast<std::uint32_t>(size)))
    return 0;

  if (animation.IsAnimated()) {
    ManualResetEvent reached;
    ManualResetEvent released;
    animation.SetFrameHook({[&](int framesRendered) {
                              if (framesRendered != kFramesPlayed)
                                return;
                              reached.Set();
                              released.Wait(kPlayBoundMilliseconds);
                            },
                            /*skipWaits=*/true});
    animation.Play();
    if (!reached.Wait(kPlayBoundMilliseconds))
      __builtin_trap();
    released.Set();
    animation.Stop();
  } else {
    animation.Play();
  }
  torvek::platform::MemorySurface screen(animation.CanvasWidth(), animation.CanvasHeight());
  torvek::dialog::ControlDispatch::Paint(animation, screen);
  return 0;
}

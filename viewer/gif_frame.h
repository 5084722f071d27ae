// One decoded frame of an animation, as the worker plays it, and how long it stays on show.
#pragma once

#include <cstdint>
#include <memory>

#include "common/platform/picture.h"

namespace torvek::viewer {

// The delay of a frame that has no graphic control block.
inline constexpr std::uint32_t kNoDelay = 0xFFFFFFFFu;

struct GifFrame {
  std::unique_ptr<platform::Picture> picture;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t left = 0;
  std::int32_t top = 0;
  // Hundredths of a second as stored; kNoDelay without a control block.
  std::uint32_t delay = kNoDelay;
  std::int32_t disposal = 0;
};

// Milliseconds a frame stays on show. Delays under 5 hundredths are taken for the 100 ms most
// players use for them, so 5 shows for less time than 4. A frame without a control block would
// otherwise wait (2^32 - 1) x 10 ms, which wraps to a wait nobody sees the end of: it gets the
// 100 ms too.
constexpr std::uint32_t FrameWaitMilliseconds(std::uint32_t delay) {
  return delay >= 5 && delay != kNoDelay ? delay * 10 : 100;
}

}  // namespace torvek::viewer

// The bound of a wait on an event or a thread, in milliseconds, as WaitForSingleObject takes it.
#pragma once

#include <cstdint>

namespace torvek::platform {

inline constexpr std::uint32_t kWaitForever = 0xFFFFFFFFu;

}  // namespace torvek::platform

// Not <chrono>: in C++20 it holds a literal that code page 936 cannot encode, and every file
// here is compiled to code page 936. <condition_variable> brings the durations.
#include <condition_variable>
#include <mutex>

#include "common/platform/manual_reset_event.h"

namespace torvek::platform {

struct ManualResetEvent::State {
  std::mutex mutex;
  std::condition_variable changed;
  bool set = false;
};

ManualResetEvent::ManualResetEvent() : state_(std::make_unique<State>()) {}
ManualResetEvent::~ManualResetEvent() = default;

void ManualResetEvent::Set() {
  {
    std::lock_guard lock(state_->mutex);
    state_->set = true;
  }
  state_->changed.notify_all();
}

void ManualResetEvent::Reset() {
  std::lock_guard lock(state_->mutex);
  state_->set = false;
}

bool ManualResetEvent::Wait(std::uint32_t milliseconds) {
  std::unique_lock lock(state_->mutex);
  if (milliseconds == kWaitForever) {
    state_->changed.wait(lock, [this] { return state_->set; });
    return true;
  }
  return state_->changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                  [this] { return state_->set; });
}

}  // namespace torvek::platform

// Not <chrono>: see manual_reset_event_portable.cpp. <condition_variable> brings the durations.
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "common/platform/thread.h"

namespace torvek::platform {

// Shared by the Thread object and the thread itself, so that either may go first.
struct Thread::State {
  enum class Phase { kCreated, kStarted, kCancelled };

  std::mutex mutex;
  std::condition_variable changed;
  Phase phase = Phase::kCreated;
  bool ended = false;
};

Thread::Thread() = default;

Thread::~Thread() {
  Close();
}

bool Thread::Create(Entry entry, void* argument) {
  if (state_ != nullptr || entry == nullptr)
    return false;
  auto state = std::make_shared<State>();
  try {
    std::thread([state, entry, argument] {
      bool started = false;
      {
        std::unique_lock lock(state->mutex);
        state->changed.wait(lock, [&state] { return state->phase != State::Phase::kCreated; });
        started = state->phase == State::Phase::kStarted;
      }
      if (started)
        entry(argument);
      {
        std::lock_guard lock(state->mutex);
        state->ended = true;
      }
      state->changed.notify_all();
    }).detach();
  } catch (const std::system_error&) {
    return false;
  }
  state_ = std::move(state);
  return true;
}

bool Thread::Start() {
  if (state_ == nullptr)
    return false;
  {
    std::lock_guard lock(state_->mutex);
    if (state_->phase != State::Phase::kCreated)
      return false;
    state_->phase = State::Phase::kStarted;
  }
  state_->changed.notify_all();
  return true;
}

bool Thread::Wait(std::uint32_t milliseconds) {
  if (state_ == nullptr)
    return true;
  std::unique_lock lock(state_->mutex);
  if (milliseconds == kWaitForever) {
    state_->changed.wait(lock, [this] { return state_->ended; });
    return true;
  }
  return state_->changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                  [this] { return state_->ended; });
}

bool Thread::IsHeld() const {
  return state_ != nullptr;
}

void Thread::Close() {
  if (state_ == nullptr)
    return;
  {
    std::lock_guard lock(state_->mutex);
    if (state_->phase == State::Phase::kCreated)
      state_->phase = State::Phase::kCancelled;
  }
  state_->changed.notify_all();
  state_.reset();
}

}  // namespace torvek::platform

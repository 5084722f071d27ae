#include <windows.h>

#include <process.h>

#include "common/platform/thread.h"

namespace torvek::platform {

namespace {

// What the new thread runs: the caller's entry, unless the thread was let go of before it was
// started. A suspended thread whose handle is closed would otherwise stay in the process for
// good; this way it is resumed and ends at once.
struct Launch {
  Thread::Entry entry = nullptr;
  void* argument = nullptr;
  bool cancelled = false;
};

unsigned __stdcall RunLaunch(void* parameter) {
  auto* launch = static_cast<Launch*>(parameter);
  const Launch copy = *launch;
  delete launch;
  return copy.cancelled ? 0 : copy.entry(copy.argument);
}

}  // namespace

struct Thread::State {
  HANDLE handle = nullptr;
  // Owned here until the thread is resumed; the thread frees it.
  Launch* launch = nullptr;
};

Thread::Thread() = default;

Thread::~Thread() {
  Close();
}

bool Thread::Create(Entry entry, void* argument) {
  if (state_ != nullptr || entry == nullptr)
    return false;
  auto* launch = new Launch{entry, argument, false};
  const std::uintptr_t handle =
      _beginthreadex(nullptr, 0, RunLaunch, launch, CREATE_SUSPENDED, nullptr);
  if (handle == 0) {
    delete launch;
    return false;
  }
  state_ = std::make_shared<State>();
  state_->handle = reinterpret_cast<HANDLE>(handle);
  state_->launch = launch;
  return true;
}

bool Thread::Start() {
  if (state_ == nullptr || state_->launch == nullptr)
    return false;
  state_->launch = nullptr;
  return ResumeThread(state_->handle) != static_cast<DWORD>(-1);
}

bool Thread::Wait(std::uint32_t milliseconds) {
  if (state_ == nullptr)
    return true;
  return WaitForSingleObject(state_->handle, milliseconds) == WAIT_OBJECT_0;
}

bool Thread::IsHeld() const {
  return state_ != nullptr;
}

void Thread::Close() {
  if (state_ == nullptr)
    return;
  if (state_->launch != nullptr) {
    state_->launch->cancelled = true;
    ResumeThread(state_->handle);
  }
  CloseHandle(state_->handle);
  state_.reset();
}

}  // namespace torvek::platform

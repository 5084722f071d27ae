#include <windows.h>

#include "common/platform/manual_reset_event.h"

namespace torvek::platform {

struct ManualResetEvent::State {
  HANDLE handle = nullptr;
};

ManualResetEvent::ManualResetEvent() : state_(std::make_unique<State>()) {
  state_->handle = CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

ManualResetEvent::~ManualResetEvent() {
  if (state_->handle != nullptr)
    CloseHandle(state_->handle);
}

void ManualResetEvent::Set() {
  SetEvent(state_->handle);
}

void ManualResetEvent::Reset() {
  ResetEvent(state_->handle);
}

bool ManualResetEvent::Wait(std::uint32_t milliseconds) {
  return WaitForSingleObject(state_->handle, milliseconds) == WAIT_OBJECT_0;
}

}  // namespace torvek::platform

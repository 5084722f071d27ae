#include <windows.h>

#include "common/platform/lock.h"

namespace torvek::platform {

struct Lock::State {
  CRITICAL_SECTION section;
};

Lock::Lock() : state_(std::make_unique<State>()) {
  InitializeCriticalSection(&state_->section);
}

Lock::~Lock() {
  DeleteCriticalSection(&state_->section);
}

void Lock::Acquire() {
  EnterCriticalSection(&state_->section);
}

void Lock::Release() {
  LeaveCriticalSection(&state_->section);
}

}  // namespace torvek::platform

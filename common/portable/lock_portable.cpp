#include <mutex>

#include "common/platform/lock.h"

namespace torvek::platform {

struct Lock::State {
  std::mutex mutex;
};

Lock::Lock() : state_(std::make_unique<State>()) {}
Lock::~Lock() = default;

void Lock::Acquire() {
  state_->mutex.lock();
}

void Lock::Release() {
  state_->mutex.unlock();
}

}  // namespace torvek::platform

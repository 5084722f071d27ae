// A manual-reset event (CreateEventA with manual reset): once set, every wait returns until it
// is reset.
#pragma once

#include <cstdint>
#include <memory>

#include "common/platform/wait.h"

namespace torvek::platform {

class ManualResetEvent {
 public:
  ManualResetEvent();
  ~ManualResetEvent();
  ManualResetEvent(const ManualResetEvent&) = delete;
  ManualResetEvent& operator=(const ManualResetEvent&) = delete;

  void Set();
  void Reset();
  // True when the event is set within `milliseconds`; false when the wait timed out.
  bool Wait(std::uint32_t milliseconds);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace torvek::platform

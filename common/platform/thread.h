// A worker thread as the platform makes it: created suspended, then started
// (_beginthreadex with CREATE_SUSPENDED, then ResumeThread, on Windows), waited for with a
// bound, and let go of. Letting go of a thread that still runs does not stop it.
#pragma once

#include <cstdint>
#include <memory>

#include "common/platform/wait.h"

namespace torvek::platform {

class Thread {
 public:
  using Entry = unsigned (*)(void* argument);

  Thread();
  // Lets go of the thread (Close) without waiting for it.
  ~Thread();
  Thread(const Thread&) = delete;
  Thread& operator=(const Thread&) = delete;

  // Makes the thread, suspended; false when it cannot be made or one is already held.
  bool Create(Entry entry, void* argument);
  // Lets a created thread run; false when there is none or it has been started.
  bool Start();
  // True when the thread has ended within `milliseconds` (kWaitForever waits without bound),
  // or when none is held.
  bool Wait(std::uint32_t milliseconds);
  bool IsHeld() const;
  // CloseHandle: lets go of the thread. One that was never started never runs its entry.
  void Close();

 private:
  struct State;
  std::shared_ptr<State> state_;
};

}  // namespace torvek::platform

// The worker's thread and lock, checked against both builds: a thread runs only once started,
// a bounded wait on a running thread times out, letting go of a thread does not stop it, one
// let go of before it started never runs, and the lock keeps a second thread out.
#include <gtest/gtest.h>

#include <atomic>

#include "common/platform/lock.h"
#include "common/platform/manual_reset_event.h"
#include "common/platform/thread.h"

namespace torvek {
namespace {

using platform::kWaitForever;

// What a test thread does: notes that it ran, waits for `release`, notes that it ended.
struct Worker {
  std::atomic<bool> ran{false};
  std::atomic<bool> ended{false};
  platform::ManualResetEvent release;
  platform::ManualResetEvent done;

  static unsigned Run(void* argument) {
    auto* worker = static_cast<Worker*>(argument);
    worker->ran = true;
    worker->release.Wait(kWaitForever);
    worker->ended = true;
    worker->done.Set();
    return 0;
  }
};

TEST(ThreadContract, RunsOnlyOnceStartedAndWaitsWithABound) {
  Worker worker;
  platform::Thread thread;
  ASSERT_TRUE(thread.Create(Worker::Run, &worker));
  EXPECT_FALSE(thread.Create(Worker::Run, &worker)) << "one thread at a time";
  EXPECT_FALSE(thread.Wait(50));
  EXPECT_FALSE(worker.ran);

  ASSERT_TRUE(thread.Start());
  EXPECT_FALSE(thread.Start());
  EXPECT_FALSE(thread.Wait(50)) << "still waiting for its release";
  worker.release.Set();
  EXPECT_TRUE(thread.Wait(5000));
  EXPECT_TRUE(worker.ended);
  thread.Close();
  EXPECT_FALSE(thread.IsHeld());
  EXPECT_TRUE(thread.Wait(0));
}

// What a worker that outlives its wait relies on.
TEST(ThreadContract, LettingGoStopsNoRunningThreadAndRunsNoUnstartedOne) {
  Worker running, unstarted;
  unstarted.release.Set();
  {
    platform::Thread thread;
    ASSERT_TRUE(thread.Create(Worker::Run, &running));
    ASSERT_TRUE(thread.Start());
    platform::Thread never;
    ASSERT_TRUE(never.Create(Worker::Run, &unstarted));
  }
  running.release.Set();
  EXPECT_TRUE(running.done.Wait(5000));
  EXPECT_FALSE(unstarted.done.Wait(200));
  EXPECT_FALSE(unstarted.ran);
  // The object takes a new thread after it let go of the old one.
  platform::Thread thread;
  ASSERT_TRUE(thread.Create(Worker::Run, &unstarted));
  thread.Close();
  ASSERT_TRUE(thread.Create(Worker::Run, &unstarted));
  ASSERT_TRUE(thread.Start());
  EXPECT_TRUE(thread.Wait(5000));
  EXPECT_TRUE(unstarted.ran);
}

struct Contender {
  platform::Lock* lock = nullptr;
  std::atomic<bool> inside{false};

  static unsigned Run(void* argument) {
    auto* contender = static_cast<Contender*>(argument);
    platform::LockGuard guard(*contender->lock);
    contender->inside = true;
    return 0;
  }
};

TEST(ThreadContract, LockKeepsTheOtherThreadOutUntilReleased) {
  platform::Lock lock;
  Contender contender{&lock};
  platform::Thread thread;
  {
    platform::LockGuard guard(lock);
    ASSERT_TRUE(thread.Create(Contender::Run, &contender));
    ASSERT_TRUE(thread.Start());
    EXPECT_FALSE(thread.Wait(100));
    EXPECT_FALSE(contender.inside);
  }
  EXPECT_TRUE(thread.Wait(5000));
  EXPECT_TRUE(contender.inside);
}

}  // namespace
}  // namespace torvek

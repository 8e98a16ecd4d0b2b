#pragma once
// Virtual time in which the waits of one thread can be held: the first wait
// that begins while the hold condition is true blocks its thread until
// Release(), and later waits of that thread block while the hold lasts.
// Waits of every other thread pass at once. A test thus stops a worker in the
// middle of a protocol wait and checks what another thread can do meanwhile.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

#include "platform/Clock.h"

namespace zk40::test {

class HeldSleeper final : public Clock, public Sleeper {
 public:
  // Holds the first thread that waits while condition() is true.
  void HoldWhen(std::function<bool()> condition) {
    std::lock_guard lock(mutex_);
    condition_ = std::move(condition);
    holding_ = true;
  }
  void Release() {
    {
      std::lock_guard lock(mutex_);
      holding_ = false;
    }
    changed_.notify_all();
  }
  // True once the held thread is blocked in a wait (false after 10 s).
  bool WaitUntilHeld() {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(10), [this] { return blocked_; });
  }
  // Waits (of any thread) that began after the release.
  int WaitsSinceRelease() {
    std::lock_guard lock(mutex_);
    return waits_since_release_;
  }

  std::uint64_t NowMs() override { return time_.NowMs(); }
  void SleepMs(std::uint32_t ms) override {
    std::unique_lock lock(mutex_);
    if (released_once_) ++waits_since_release_;
    const bool mine = held_thread_ == std::this_thread::get_id();
    if (holding_ && (mine || (held_thread_ == std::thread::id{} && condition_ && condition_()))) {
      held_thread_ = std::this_thread::get_id();
      blocked_ = true;
      changed_.notify_all();
      changed_.wait(lock, [this] { return !holding_; });
      blocked_ = false;
      released_once_ = true;
    }
    lock.unlock();
    time_.SleepMs(ms);
  }

 private:
  VirtualClock time_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::function<bool()> condition_;
  std::thread::id held_thread_;
  bool holding_ = false;
  bool blocked_ = false;
  bool released_once_ = false;
  int waits_since_release_ = 0;
};

// Whether a call started with std::async returned within a generous limit
// (a test releases what holds it before the future goes away either way).
inline bool ReturnedInTime(std::future<void>& call) {
  return call.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
}

}  // namespace zk40::test

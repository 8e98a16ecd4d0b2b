#pragma once
// Time for the core: the device protocol's fixed waits go through Sleeper, so
// they are real in the program and virtual in tests and in zk40ctl's traces.

#include <atomic>
#include <cstdint>

namespace zk40 {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start.
  virtual std::uint64_t NowMs() = 0;
};

class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void SleepMs(std::uint32_t ms) = 0;
};

// Time that passes only when someone sleeps: every sleep returns at once and
// moves the time on by its length. Safe to share between threads.
class VirtualClock final : public Clock, public Sleeper {
 public:
  std::uint64_t NowMs() override { return now_.load(); }
  void SleepMs(std::uint32_t ms) override { now_.fetch_add(ms); }
  void Set(std::uint64_t ms) { now_.store(ms); }

 private:
  std::atomic<std::uint64_t> now_{0};
};

// The machine's monotonic clock and real sleeps.
class SystemClock final : public Clock, public Sleeper {
 public:
  std::uint64_t NowMs() override;
  void SleepMs(std::uint32_t ms) override;
};

}  // namespace zk40

#pragma once
#include <cstdint>
#include <functional>

namespace zk40 {

// A timer of the UI thread: tick runs there every periodMs until Stop.
class RepeatingTimer {
 public:
  virtual ~RepeatingTimer() = default;
  // Replaces a running period and tick. False when the system gave no timer.
  virtual bool Start(std::uint32_t periodMs, std::function<void()> tick) = 0;
  virtual void Stop() = 0;
};

}  // namespace zk40

#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace zk40 {

std::uint64_t SystemClock::NowMs() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void SystemClock::SleepMs(std::uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace zk40

#pragma once
// The thread that samples the cursor position twice a second for the
// statistics page. It only stores the latest point and reports that a sample
// is ready (the page posts itself message 1226); the page adds the travel on
// the UI thread.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "pages/Statistics.h"
#include "platform/Clock.h"

namespace zk40 {

inline constexpr std::uint32_t kCursorSampleMs = 500;

// Where the cursor is on the screen; nothing when the system cannot say (a
// locked desktop, for one).
class CursorSource {
 public:
  virtual ~CursorSource() = default;
  virtual std::optional<CursorPoint> CursorPosition() = 0;
};

// The system's cursor (Windows only).
std::unique_ptr<CursorSource> CreateSystemCursorSource();

class DistanceSampler {
 public:
  // onSample runs on the sampler thread after each new point.
  DistanceSampler(CursorSource& cursor, Sleeper& sleeper, std::function<void()> onSample);
  ~DistanceSampler() { Stop(); }
  DistanceSampler(const DistanceSampler&) = delete;
  DistanceSampler& operator=(const DistanceSampler&) = delete;

  void Start();
  // Ends the thread; it notices within a tenth of a sample period.
  void Stop();

  // The latest sample; safe to read from any thread while the sampler writes.
  CursorPoint Latest() const;

 private:
  void Run();

  CursorSource& cursor_;
  Sleeper& sleeper_;
  std::function<void()> on_sample_;
  std::atomic<std::uint64_t> latest_{0};  // x in the low half, y in the high half
  std::atomic<bool> keep_running_{false};
  std::thread thread_;
};

}  // namespace zk40

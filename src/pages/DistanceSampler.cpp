#include "pages/DistanceSampler.h"

namespace zk40 {
namespace {

constexpr std::uint32_t kSlices = 10;

std::uint64_t Pack(CursorPoint p) {
  return std::uint64_t{static_cast<std::uint32_t>(p.x)} | std::uint64_t{static_cast<std::uint32_t>(p.y)} << 32;
}

CursorPoint Unpack(std::uint64_t v) {
  return {static_cast<std::int32_t>(static_cast<std::uint32_t>(v)),
          static_cast<std::int32_t>(static_cast<std::uint32_t>(v >> 32))};
}

}  // namespace

DistanceSampler::DistanceSampler(CursorSource& cursor, Sleeper& sleeper, std::function<void()> onSample)
    : cursor_(cursor), sleeper_(sleeper), on_sample_(std::move(onSample)) {}

void DistanceSampler::Start() {
  if (thread_.joinable()) return;
  keep_running_.store(true);
  thread_ = std::thread([this] { Run(); });
}

void DistanceSampler::Stop() {
  keep_running_.store(false);
  if (thread_.joinable()) thread_.join();
}

CursorPoint DistanceSampler::Latest() const { return Unpack(latest_.load()); }

void DistanceSampler::Run() {
  while (keep_running_.load()) {
    if (const std::optional<CursorPoint> point = cursor_.CursorPosition()) {
      latest_.store(Pack(*point));
      on_sample_();
    }
    // The wait is cut into slices so that Stop does not wait a whole period.
    for (std::uint32_t i = 0; i < kSlices && keep_running_.load(); ++i) sleeper_.SleepMs(kCursorSampleMs / kSlices);
  }
}

}  // namespace zk40

#include "UploadTrace.h"

#include <condition_variable>
#include <mutex>

#include "EmulatedMouse.h"
#include "HexText.h"
#include "device/UploadWorker.h"

namespace zk40 {
namespace {

// Keeps each report of the upload with the time and the number of transfers
// the mouse had seen by then, so that both merge into one ordered trace.
class TraceObserver final : public UploadObserver {
 public:
  struct Event {
    std::uint64_t time_ms;
    std::size_t transfers_before;
    std::string text;
  };

  TraceObserver(const EmulatedMouse& mouse, Clock& clock) : mouse_(mouse), clock_(clock) {}

  void OnProgress(int percent) override { Add("progress " + std::to_string(percent)); }
  void ApplyPointerSettings(int p, int s, int l) override {
    Add("pointer " + std::to_string(p) + " " + std::to_string(s) + " " + std::to_string(l));
  }
  void OnUploadFinished() override { Finish("success", -1); }
  void OnUploadFailed(UploadError error) override {
    const int index = static_cast<int>(error);
    Finish("failure " + std::to_string(index), index);
  }

  void WaitForResult() {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return finished_; });
  }
  std::vector<Event> Events() {
    std::lock_guard lock(mutex_);
    return events_;
  }
  int ErrorIndex() {
    std::lock_guard lock(mutex_);
    return error_index_;
  }

 private:
  void Add(std::string text) {
    std::lock_guard lock(mutex_);
    events_.push_back({clock_.NowMs(), mouse_.TransferCount(), std::move(text)});
  }
  void Finish(std::string text, int errorIndex) {
    Add(std::move(text));
    {
      std::lock_guard lock(mutex_);
      finished_ = true;
      error_index_ = errorIndex;
    }
    done_.notify_all();
  }

  const EmulatedMouse& mouse_;
  Clock& clock_;
  std::mutex mutex_;
  std::condition_variable done_;
  std::vector<Event> events_;
  bool finished_ = false;
  int error_index_ = -1;
};

std::string TransferLine(const TransferRecord& t) {
  const char* kind = t.kind == TransferKind::set_feature ? "feature" : t.kind == TransferKind::output ? "output" : "read";
  return std::to_string(t.time_ms) + " " + kind + " " + Hex(t.bytes);
}

}  // namespace

UploadTrace RunUploadTrace(const SettingsStore& store, const UploadTraceOptions& options) {
  UploadTrace trace;
  VirtualClock clock;
  EmulatedMouse mouse(clock, clock);
  if (options.fail_feature) mouse.RejectFeatureStartingWith(*options.fail_feature);
  if (options.unplug_after) mouse.UnplugAfter(*options.unplug_after);

  CUSBDriver link(mouse, clock);
  trace.opened = link.OpenDevice();
  if (!trace.opened) return trace;

  HookState hooks;
  TraceObserver observer(mouse, clock);
  UploadSequence sequence(store, link, hooks, observer);
  {
    UploadWorker worker(sequence);
    worker.Start();
    clock.Set(0);
    worker.RequestUpload();
    observer.WaitForResult();
    worker.Stop();
  }

  const std::vector<TransferRecord> transfers = mouse.Transfers();
  std::size_t next = 0;
  auto flushUntil = [&](std::size_t end) {
    for (; next < end && next < transfers.size(); ++next) trace.lines.push_back(TransferLine(transfers[next]));
  };
  for (const TraceObserver::Event& e : observer.Events()) {
    flushUntil(e.transfers_before);
    trace.lines.push_back(std::to_string(e.time_ms) + " " + e.text);
  }
  flushUntil(transfers.size());

  std::string intercept = "intercept";
  for (std::uint32_t code : hooks.InterceptList()) intercept += " " + std::to_string(code);
  trace.lines.push_back(intercept);

  trace.error_index = observer.ErrorIndex();
  trace.succeeded = trace.error_index < 0;
  trace.device_state = mouse.DescribeState();
  return trace;
}

}  // namespace zk40

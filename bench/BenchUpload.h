#pragma once
// What the benchmarks of the upload share: an observer that says when an
// upload ended, and a small macro bound to a button.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <utility>

#include "device/UploadSequence.h"
#include "protocol/FunctionTable.h"

namespace zk40::bench {

using Steady = std::chrono::steady_clock;

class FinishObserver final : public UploadObserver {
 public:
  void OnProgress(int) override {}
  void ApplyPointerSettings(int, int, int) override {}
  void OnUploadFinished() override { Done(true); }
  void OnUploadFailed(UploadError) override { Done(false); }
  bool Finished() {
    std::lock_guard lock(mutex_);
    return finished_;
  }
  // Waits for the result; gives its time and whether it was a success.
  std::pair<Steady::time_point, bool> Wait() {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return finished_; });
    finished_ = false;
    return {at_, ok_};
  }

 private:
  void Done(bool ok) {
    const auto now = Steady::now();
    std::lock_guard lock(mutex_);
    at_ = now;
    ok_ = ok;
    finished_ = true;
    done_.notify_all();
  }
  std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
  bool ok_ = false;
  Steady::time_point at_;
};

// A press, 50 ms and a release: 1.7 s of upload for its 16 data blocks.
inline MacroRecord BenchMacro(std::uint32_t id) {
  MacroRecord m{};
  m.record_size = 4112;
  m.magic = kMacroMagic;
  m.macro_id = id;
  m.loop_count = 1;
  m.event_count = 3;
  m.events[0] = kEventKeyPress << 24 | 'A';
  m.events[1] = kEventDelay << 24 | 50;
  m.events[2] = kEventKeyRelease << 24 | 'A';
  return m;
}

inline void BindMacro(SettingsStore& store, int button, std::uint32_t id) {
  store.macros[static_cast<std::size_t>(button)] = BenchMacro(id);
  store.current_record.buttons[button].function_type = kMacroType;
  store.bound_macro_ids[static_cast<std::size_t>(button)] = id;
}

}  // namespace zk40::bench

#pragma once
// Keeps what an upload reported, as text, and lets a test wait for results
// that arrive on the worker's thread.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "device/UploadSequence.h"

namespace zk40::test {

class RecordingUploadObserver final : public UploadObserver {
 public:
  std::function<void(int)> on_progress;  // called after recording, on the upload's thread

  void OnProgress(int percent) override {
    Add("progress " + std::to_string(percent), false);
    if (on_progress) on_progress(percent);
  }
  void ApplyPointerSettings(int p, int s, int l) override {
    Add("pointer " + std::to_string(p) + " " + std::to_string(s) + " " + std::to_string(l), false);
  }
  void OnUploadFinished() override { Add("success", true); }
  void OnUploadFailed(UploadError error) override {
    Add("failure " + std::to_string(static_cast<int>(error)), true);
  }

  std::vector<std::string> Events() {
    std::lock_guard lock(mutex_);
    return events_;
  }
  std::vector<int> Progress() {
    std::vector<int> values;
    for (const std::string& e : Events()) {
      if (e.rfind("progress ", 0) == 0) values.push_back(std::stoi(e.substr(9)));
    }
    return values;
  }
  // False when fewer than n results came within a generous real-time limit.
  bool WaitForResults(int n) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(20), [&] { return results_ >= n; });
  }
  int Results() {
    std::lock_guard lock(mutex_);
    return results_;
  }

 private:
  void Add(std::string event, bool result) {
    {
      std::lock_guard lock(mutex_);
      events_.push_back(std::move(event));
      if (result) ++results_;
    }
    changed_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::string> events_;
  int results_ = 0;
};

}  // namespace zk40::test

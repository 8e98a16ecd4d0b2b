#pragma once
// The thread that runs one upload per request. It sleeps on a manual-reset
// request event; a request that arrives during an upload leaves the event
// set, so one more upload follows at once (callers prevent this by asking
// only while UploadReady()).

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "device/UploadSequence.h"

namespace zk40 {

class UploadWorker {
 public:
  explicit UploadWorker(UploadSequence& sequence) : sequence_(sequence) {}
  ~UploadWorker() { Stop(); }
  UploadWorker(const UploadWorker&) = delete;
  UploadWorker& operator=(const UploadWorker&) = delete;

  void Start();
  // Signals the request event.
  void RequestUpload();
  // Clears the keep-running flag, wakes the thread and waits for it to end
  // (after the upload in progress, if any).
  void Stop();

  // Cleared by the worker when an upload starts; set again by the main window
  // once it has handled the result.
  bool UploadReady() const { return upload_ready_.load() != 0; }
  void SetUploadReady() { upload_ready_.store(1); }

 private:
  void Run();

  UploadSequence& sequence_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool requested_ = false;  // the request event
  std::atomic<int> keep_running_{1};
  std::atomic<int> upload_ready_{1};
  std::thread thread_;
};

}  // namespace zk40

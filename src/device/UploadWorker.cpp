#include "device/UploadWorker.h"

namespace zk40 {

void UploadWorker::Start() {
  if (thread_.joinable()) return;
  thread_ = std::thread([this] { Run(); });
}

void UploadWorker::RequestUpload() {
  {
    std::lock_guard lock(mutex_);
    requested_ = true;
  }
  wake_.notify_all();
}

void UploadWorker::Stop() {
  keep_running_.store(0);
  RequestUpload();
  if (thread_.joinable()) thread_.join();
}

void UploadWorker::Run() {
  while (keep_running_.load()) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return requested_; });
      if (!keep_running_.load()) return;
      requested_ = false;
    }
    upload_ready_.store(0);
    (void)sequence_.Run();  // the result went to the observer
  }
}

}  // namespace zk40
